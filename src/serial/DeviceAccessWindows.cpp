#include "serial/DeviceAccess.h"

#include <QFileInfo>
#include <QSerialPortInfo>

#include <algorithm>

namespace markast {

// Windows grants every account its COM ports; one that another program holds fails only at
// the open. A port answers to its name in any letter case, with or without "\\.\" before it.
DeviceAccess deviceAccess(const QString& device) {
    const QString name = device.startsWith(QLatin1String("\\\\.\\")) ? device.sliced(4) : device;
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    const bool known =
        std::any_of(ports.begin(), ports.end(), [&name](const QSerialPortInfo& port) {
            return port.portName().compare(name, Qt::CaseInsensitive) == 0;
        });
    if (known)
        return DeviceAccess::Ready;
    const QFileInfo file(device);
    return file.isAbsolute() && file.exists() ? DeviceAccess::NotADevice : DeviceAccess::NotPresent;
}

} // namespace markast
