#pragma once

#include <algorithm>
#include <vector>

namespace markast::bench {

// Each figure of a benchmark is the median of this many runs.
constexpr int Runs = 3;

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace markast::bench
