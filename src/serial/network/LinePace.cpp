#include "serial/network/LinePace.h"

#include <algorithm>

namespace markast {

double lineBytesPerSecond(const LineSettings& settings) {
    const double parityBits = settings.parity == QSerialPort::NoParity ? 0 : 1;
    const double stopBits = settings.stopBits == QSerialPort::TwoStop          ? 2
                            : settings.stopBits == QSerialPort::OneAndHalfStop ? 1.5
                                                                               : 1;
    return settings.baudRate / (1 + int(settings.dataBits) + parityBits + stopBits);
}

void LinePace::restart() {
    carried_ = 0;
    handed_ = 0;
    lastMs_ = -1;
}

void LinePace::advance(qint64 nowMs, qint64 acknowledged, bool held) {
    const double elapsed = lastMs_ < 0 ? 0 : double(nowMs - lastMs_) / 1000;
    lastMs_ = nowMs;
    if (held)
        return;
    const double limit = double(std::min(acknowledged, handed_));
    carried_ = std::max(carried_, std::min(limit, carried_ + rate_ * elapsed));
}

qint64 LinePace::room() const {
    return std::max<qint64>(0, qint64(carried_ + rate_ * LeadSeconds) - handed_);
}

} // namespace markast
