#include "serial/DriverQueue.h"

#include <QSerialPort>

#include <cerrno>
#include <sys/ioctl.h>
#include <unistd.h>

namespace markast {

std::optional<qint64> driverOutputQueue(const QSerialPort& port) {
    int queued = 0;
    if (::ioctl(port.handle(), TIOCOUTQ, &queued) != 0)
        return std::nullopt;
    return queued;
}

qint64 writeToDriver(QSerialPort& port, QByteArrayView bytes) {
    // Qt opens the device non-blocking, so a full driver refuses at once.
    const ssize_t taken = ::write(port.handle(), bytes.data(), std::size_t(bytes.size()));
    if (taken >= 0)
        return taken;
    return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR ? 0 : -1;
}

bool openForWriting(QSerialPort& port) {
    return port.open(QIODevice::WriteOnly);
}

bool errorLeavesPortUsable(QSerialPort&) {
    return false;
}

bool discardOutput(QSerialPort& port) {
    port.clear(QSerialPort::Output);
    return false;
}

} // namespace markast
