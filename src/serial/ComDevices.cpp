#include "serial/ComDevices.h"

#include "serial/DeviceAccess.h"
#include "serial/network/NetworkAddress.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>

#include <algorithm>

namespace markast {

namespace {

class Devices {
    Q_DECLARE_TR_FUNCTIONS(Devices)
};

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

int highestCheckedPort(const std::function<bool(int port)>& isChecked) {
    int checked = 0;
    for (int port = 1; port <= ComPortCount; ++port) {
        if (isChecked(port))
            checked = port;
    }
    return checked;
}

int startUpPort(const std::function<bool(int port)>& isChecked) {
    return std::max(highestCheckedPort(isChecked), 1);
}

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
        return localPortName(*environment, naming);
    const QString chosen = stored.trimmed();
    if (chosen.isEmpty() || chosen == QLatin1String("Default"))
        return builtInDevice(port, naming);
    return localPortName(chosen, naming);
}

QString localPortName(const QString& device, DeviceNaming naming) {
    if (naming != DeviceNaming::Windows)
        return device;
    static const QRegularExpression comPort(QStringLiteral(R"(^(\\\\\.\\)?(com[0-9]+)$)"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = comPort.match(device);
    return match.hasMatch() ? match.captured(2).toUpper() : device;
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

namespace {

// Said from the address alone: a connection would take the server's line from whoever holds it.
QString networkStateText(const QString& device) {
    QString reason;
    const std::optional<NetworkAddress> address = parseNetworkAddress(device, reason);
    if (!address)
        return Devices::tr("not a network address: %1").arg(reason);
    const bool telnet = address->protocol == NetworkAddress::Protocol::Rfc2217;
    return Devices::tr("network device (%1): host %2, port %3")
        .arg(telnet ? QStringLiteral("RFC 2217") : Devices::tr("raw TCP"), address->host)
        .arg(address->port);
}

} // namespace

QString deviceStateText(int port, const QString& device, bool setByEnvironment) {
    if (setByEnvironment)
        return Devices::tr("set by %1").arg(environmentVariable(port));
    if (isNetworkDevice(device))
        return networkStateText(device);
    switch (deviceAccess(device)) {
    case DeviceAccess::Ready:
        return Devices::tr("ready");
    case DeviceAccess::NotPresent:
        return Devices::tr("not present");
    case DeviceAccess::NoPermission:
        return Devices::tr(
            "no permission: add this account to the dialout group, then log in again");
    case DeviceAccess::NotADevice:
        return Devices::tr("not a serial device");
    }
    return {};
}

} // namespace markast
