#pragma once

#include <QProgressBar>

namespace markast {

// A progress bar whose Max and Value are single-precision numbers. The widget itself counts in
// a fixed number of steps, so no logo length can overflow it; a Value above Max shows a full bar.
class ProgressBar final : public QProgressBar {
public:
    explicit ProgressBar(QWidget* parent = nullptr);

    float max() const { return max_; }
    float value() const { return value_; }
    void setMax(float max);
    void setValue(float value);

private:
    void showValue();

    float max_ = 100;
    float value_ = 0;
};

} // namespace markast
