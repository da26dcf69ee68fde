#include "serial/ComDevices.h"

#include "serial/DeviceAccess.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

namespace markast {

namespace {

QString stableName(const QSerialPortInfo& port, const QString& byIdFolder) {
#ifdef Q_OS_WIN
    Q_UNUSED(byIdFolder);
    return port.portName();
#else
    const QDir links(byIdFolder);
    for (const QFileInfo& link : links.entryInfoList(QDir::System | QDir::Files)) {
        if (link.canonicalFilePath() == QFileInfo(port.systemLocation()).canonicalFilePath())
            return link.absoluteFilePath();
    }
    return port.systemLocation();
#endif
}

} // namespace

QString builtInDevice(int port, DeviceNaming naming) {
    return naming == DeviceNaming::Windows ? QStringLiteral("COM%1").arg(port)
                                           : QStringLiteral("/dev/ttyS%1").arg(port - 1);
}

QString environmentVariable(int port) {
    return QStringLiteral("MARKAST_COM%1").arg(port);
}

std::optional<QString> environmentDevice(int port) {
    const QByteArray value = qgetenv(environmentVariable(port).toLatin1().constData());
    if (value.isEmpty())
        return std::nullopt;
    return QString::fromLocal8Bit(value);
}

QString resolveComDevice(int port, const std::optional<QString>& environment, const QString& stored,
                         DeviceNaming naming) {
    if (environment)
        return *environment;
    const QString chosen = stored.trimmed();
    if (chosen.isEmpty() || chosen == QLatin1String("Default"))
        return builtInDevice(port, naming);
    return chosen;
}

bool ComDevices::store(const QStringList& choices) {
    bool stored = true;
    for (int port = 1; port <= choices.size(); ++port)
        stored &= settings_.setDevice(port, choices[port - 1].trimmed());
    return stored;
}

QString ComDevices::deviceFor(int port) const {
    return resolveComDevice(port, environmentDevice(port), stored(port));
}

QList<DetectedDevice> detectedDevices(const QString& byIdFolder) {
    QList<DetectedDevice> devices;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        const QString name = stableName(port, byIdFolder);
        QStringList details;
        for (const QString& detail :
             {port.description(), port.manufacturer(), port.serialNumber()}) {
            if (!detail.isEmpty())
                details.append(detail);
        }
        details.append(name);
        devices.append({name, details.join(QLatin1String(", "))});
    }
    return devices;
}

QString deviceStateText(int port, const QString& device, bool setByEnvironment) {
    if (setByEnvironment)
        return QStringLiteral("set by %1").arg(environmentVariable(port));
    switch (deviceAccess(device)) {
    case DeviceAccess::Ready:
        return QStringLiteral("ready");
    case DeviceAccess::NotPresent:
        return QStringLiteral("not present");
    case DeviceAccess::NoPermission:
        return QStringLiteral(
            "no permission: add this account to the dialout group, then log in again");
    case DeviceAccess::NotADevice:
        return QStringLiteral("not a serial device");
    }
    return {};
}

} // namespace markast
