#pragma once

#include <QString>

namespace markast {

class MessageBoxes;
class SerialControl;
class SettingsStore;
struct SerialError;

// The Com Ports menu as port selection sees it: one item per port, numbered from 1.
class PortMenu {
public:
    static constexpr int PortCount = 4;

    virtual ~PortMenu() = default;
    virtual bool isPortChecked(int port) const = 0;
    virtual void setPortChecked(int port, bool checked) = 0;
    virtual bool isPortEnabled(int port) const = 0;
    virtual void setPortEnabled(int port, bool enabled) = 0;
    virtual void setPortPanelText(const QString& text) = 0;
};

// The port the menu marks: the highest-numbered checked item, or 0 when none is.
int checkedPort(const PortMenu& menu);

// The check mark the settings keep for COMn: key "ComN" of group "Settings"; when it is absent
// or reads as no truth value, COM1 is checked and the others are not.
bool storedPortMark(SettingsStore& settings, int port);

// Checks item port and clears the others, in item order.
void checkOnly(PortMenu& menu, int port);

// Switches the serial control to the checked port. A port that fails is reported, its item
// disabled, and the menu and the line go back to lastGoodPort. Never fails to its caller.
void switchPort(PortMenu& menu, SerialControl& control, MessageBoxes& messages, int lastGoodPort);

// What the operator is told when the start-up port did not open: the port, the device and the
// reason, so that the operator or a support person can act on it.
QString startUpFailureText(int port, const SerialError& error);

inline const QString InvalidPortText = QStringLiteral("Invalid Comunication port please try again");
inline const QString InvalidPortTitle = QStringLiteral("Incorect Com Port Setting");

} // namespace markast
