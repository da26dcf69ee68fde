#include "app/ProgressBar.h"

#include <algorithm>
#include <cmath>

namespace markast {

namespace {
constexpr int Steps = 10000;
}

ProgressBar::ProgressBar(QWidget* parent) : QProgressBar(parent) {
    setRange(0, Steps);
    setTextVisible(false);
    QProgressBar::setValue(0);
}

void ProgressBar::setMax(float max) {
    max_ = max;
    showValue();
}

void ProgressBar::setValue(float value) {
    value_ = value;
    showValue();
}

void ProgressBar::showValue() {
    const double fraction = max_ > 0 ? std::clamp(double(value_) / double(max_), 0.0, 1.0) : 0.0;
    const int step = static_cast<int>(std::lround(fraction * Steps));
    if (step != QProgressBar::value())
        QProgressBar::setValue(step);
}

} // namespace markast
