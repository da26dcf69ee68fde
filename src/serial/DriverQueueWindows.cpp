#include "serial/DriverQueue.h"

#include <QSerialPort>

#include <windows.h>

namespace markast {

std::optional<qint64> driverOutputQueue(const QSerialPort& port) {
    DWORD errors = 0;
    COMSTAT status{};
    if (!ClearCommError(port.handle(), &errors, &status))
        return std::nullopt;
    return status.cbOutQue;
}

qint64 writeToDriver(QSerialPort&, QByteArrayView) {
    return 0; // Windows writes overlapped, through Qt only
}

} // namespace markast
