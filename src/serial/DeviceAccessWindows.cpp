#include "serial/DeviceAccess.h"

#include <QSerialPortInfo>

namespace markast {

// Windows grants every account its COM ports; one that another program holds fails only at
// the open.
DeviceAccess deviceAccess(const QString& device) {
    return QSerialPortInfo(device).isNull() ? DeviceAccess::NotPresent : DeviceAccess::Ready;
}

} // namespace markast
