#include "serial/DriverQueue.h"

#include <QSerialPort>

#include <windows.h>

namespace markast {

std::optional<qint64> driverOutputQueue(QSerialPort& port) {
    DWORD errors = 0;
    COMSTAT status{};
    if (!ClearCommError(port.handle(), &errors, &status))
        return std::nullopt;
    return status.cbOutQue;
}

} // namespace markast
