#include "serial/DriverQueue.h"

#include <QSerialPort>

#include <windows.h>

#include <algorithm>

namespace markast {

namespace {

// The bytes of the write Qt has handed to the driver and not seen completed yet: the port
// counts them on top of QIODevice's own buffer.
qint64 writeInFlight(const QSerialPort& port) {
    return port.bytesToWrite() - port.QIODevice::bytesToWrite();
}

} // namespace

// The driver's count takes in the write in flight, which the port still counts as its own.
std::optional<qint64> driverOutputQueue(const QSerialPort& port) {
    DWORD errors = 0;
    COMSTAT status{};
    if (!ClearCommError(port.handle(), &errors, &status))
        return std::nullopt;
    return std::max<qint64>(0, qint64(status.cbOutQue) - writeInFlight(port));
}

qint64 writeToDriver(QSerialPort&, QByteArrayView) {
    return 0; // Windows writes overlapped, through Qt only
}

// Windows itself lets a write-only handle set the line up. Read-write, Qt reads what comes in
// until its buffer holds ReadLimit bytes; then the driver holds the rest, and under RTS/CTS
// lowers RTS, as a Unix driver does for a port opened write-only.
bool openForWriting(QSerialPort& port) {
    constexpr qint64 ReadLimit = 4096;
    if (port.open(QIODevice::WriteOnly) || port.error() != QSerialPort::PermissionError)
        return port.isOpen();
    port.setReadBufferSize(ReadLimit);
    return port.open(QIODevice::ReadWrite);
}

bool errorLeavesPortUsable(QSerialPort& port) {
    return port.error() == QSerialPort::ResourceError && driverOutputQueue(port).has_value();
}

// PurgeComm ends the write in flight as aborted, and Qt never takes such a write back: it
// keeps counting its bytes and starts no other write until the port is opened again.
bool discardOutput(QSerialPort& port) {
    const bool aborted = writeInFlight(port) > 0;
    port.clear(QSerialPort::Output);
    return aborted;
}

} // namespace markast
