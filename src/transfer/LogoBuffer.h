#pragma once

#include <cstdint>
#include <vector>

namespace markast {

// The logo as loaded from its file: the file's bytes sit at indices 1 to LogoLength in file
// order; index 0 is never written or sent.
struct LogoBuffer {
    std::int32_t LogoLength = 0;
    std::vector<std::uint8_t> LogoData;
};

} // namespace markast
