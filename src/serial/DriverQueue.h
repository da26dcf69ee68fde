#pragma once

#include <QtGlobal>

#include <optional>

class QSerialPort;

namespace markast {

// How many bytes the operating system's driver still holds for the open port, or nothing
// when the device cannot say (a pseudo-terminal always says 0).
std::optional<qint64> driverOutputQueue(QSerialPort& port);

} // namespace markast
