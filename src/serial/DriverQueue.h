#pragma once

#include <QByteArrayView>

#include <optional>

class QSerialPort;

namespace markast {

// The operating system's driver below Qt Serial Port.

// How many bytes the operating system's driver still holds for the open port, or nothing
// when the device cannot say (a pseudo-terminal always says 0).
std::optional<qint64> driverOutputQueue(const QSerialPort& port);

// Hands as much of bytes to the driver as it takes now, without waiting: the count taken
// (0 when it takes none now, or where the platform's driver is only reached through Qt), or -1
// when the device went away.
qint64 writeToDriver(QSerialPort& port, QByteArrayView bytes);

// Opens the port for writing; on Windows read-write where the system lets a write-only
// handle do none of the port's controls, as Wine does.
bool openForWriting(QSerialPort& port);

// Whether the port's last error leaves it able to write: on Windows an I/O operation aborted
// on a port whose driver still answers. Wine cancels Qt's wait for incoming data on a device
// without modem lines, and a discard aborts the write in flight; neither is a dead port.
bool errorLeavesPortUsable(QSerialPort& port);

// Drops what Qt and the driver still hold for the port. True when the port must be opened
// again before its next write.
bool discardOutput(QSerialPort& port);

} // namespace markast
