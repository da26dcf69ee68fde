#include "serial/DeviceAccess.h"

#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace markast {

DeviceAccess deviceAccess(const QString& device) {
    const QByteArray path = QFile::encodeName(device);
    struct stat status {};
    if (path.isEmpty() || ::stat(path.constData(), &status) != 0)
        return errno == EACCES ? DeviceAccess::NoPermission : DeviceAccess::NotPresent;
    if (!S_ISCHR(status.st_mode))
        return DeviceAccess::NotADevice;
    return ::access(path.constData(), W_OK) == 0 ? DeviceAccess::Ready : DeviceAccess::NoPermission;
}

} // namespace markast
