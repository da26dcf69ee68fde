#include "serial/DriverQueue.h"

#include <QSerialPort>

#include <sys/ioctl.h>

namespace markast {

std::optional<qint64> driverOutputQueue(QSerialPort& port) {
    int queued = 0;
    if (::ioctl(port.handle(), TIOCOUTQ, &queued) != 0)
        return std::nullopt;
    return queued;
}

} // namespace markast
