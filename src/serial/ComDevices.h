#pragma once

#include "settings/Settings.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace markast {

// COM1 to COM4: the ports the window's menu and markast-send offer.
constexpr int ComPortCount = 4;

// The highest-numbered port that isChecked says is checked; 0 when none is.
int highestCheckedPort(const std::function<bool(int port)>& isChecked);
// The port the window starts on, and markast-send without --port sends to: the highest checked
// one, else COM1, as on a first run.
int startUpPort(const std::function<bool(int port)>& isChecked);

// How the system names a serial device.
enum class DeviceNaming {
    Unix,    // a path: "/dev/ttyS0", "/dev/serial/by-id/..."
    Windows, // a port name: "COM7"
#ifdef Q_OS_WIN
    Native = Windows,
#else
    Native = Unix,
#endif
};

// The device COMn stands for when nothing else is said: /dev/ttyS<n-1>, or COMn on Windows.
QString builtInDevice(int port, DeviceNaming naming = DeviceNaming::Native);

// The environment variable that fixes COMn's device for every user: MARKAST_COMn.
QString environmentVariable(int port);
// Its value, or nothing when it is not set.
std::optional<QString> environmentDevice(int port);

// A device as the system names it. On Windows "com10", "COM10" and "\\.\COM10" name one
// port, which Qt finds from COM10 on only by the name in capitals; elsewhere a device is
// taken as it is.
QString localPortName(const QString& device, DeviceNaming naming = DeviceNaming::Native);

// The device that stands for COMn: the environment variable's value when it is set, else the
// device stored for COMn, else the built-in one. A stored value that is empty or "Default",
// after its surrounding blanks, means the built-in device.
QString resolveComDevice(int port, const std::optional<QString>& environment, const QString& stored,
                         DeviceNaming naming = DeviceNaming::Native);

// The devices the operator chose for COM1 to COM4, as the settings keep them.
class ComDevices {
public:
    explicit ComDevices(SettingsStore& store) : settings_(store) {}

    QString stored(int port) const { return settings_.device(port); }
    // Stores the choices for COM1 to COM4 at once; false when the store refused one.
    [[nodiscard]] bool store(const QStringList& choices);
    // The device COMn opens now.
    QString deviceFor(int port) const;

private:
    Settings settings_;
};

// A serial device the system reports.
struct DetectedDevice {
    QString name;  // what is stored for it: its stable name
    QString label; // what the operator reads: description, maker, serial number and name
};

// Every serial device the system reports now. On Linux a device is named by the link to it
// in byIdFolder where there is one, since its /dev/ttyUSBn name can change from one plug-in
// to the next.
QList<DetectedDevice>
detectedDevices(const QString& byIdFolder = QStringLiteral("/dev/serial/by-id"));

// What the Devices dialog says of COMn's device, worked out without opening it.
QString deviceStateText(int port, const QString& device, bool setByEnvironment);

} // namespace markast
