#pragma once

#include <chrono>

namespace markast {

// The time of day as the settle wait reads it, and the pause between readings.
// Tests put a clock of their own here so that waits take no real time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double secondsSinceMidnight() = 0;
    virtual void pause(std::chrono::milliseconds duration) = 0;
};

class SystemClock final : public Clock {
public:
    double secondsSinceMidnight() override;
    void pause(std::chrono::milliseconds duration) override;
};

} // namespace markast
