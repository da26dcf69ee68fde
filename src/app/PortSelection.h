#pragma once

#include "serial/ComDevices.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>

namespace markast {

class MessageBoxes;
class SerialControl;
struct SerialError;

// The Com Ports menu as port selection sees it: one item per port, numbered from 1.
class PortMenu {
public:
    static constexpr int PortCount = ComPortCount;

    virtual ~PortMenu() = default;
    virtual bool isPortChecked(int port) const = 0;
    virtual void setPortChecked(int port, bool checked) = 0;
    virtual bool isPortEnabled(int port) const = 0;
    virtual void setPortEnabled(int port, bool enabled) = 0;
    virtual void setPortPanelText(const QString& text) = 0;
};

// The port the menu marks: the highest-numbered checked item, or 0 when none is.
int checkedPort(const PortMenu& menu);

// Checks item port and clears the others, in item order.
void checkOnly(PortMenu& menu, int port);

// Which port is open, and the one to fall back to when a choice fails.
class PortSelection {
    Q_DECLARE_TR_FUNCTIONS(PortSelection)

public:
    // The port that start-up opened, 0 when none did.
    std::int16_t LastGoodPort = 0;

    // The load sequence's part: opens the checked port (COM1, checked now, when none is) and,
    // when it opens, keeps it as LastGoodPort. False when it did not open.
    bool startUp(PortMenu& menu, SerialControl& control);
    // Switches the serial control to the checked port. A port that fails is reported, its
    // item disabled, and the menu and the line go back to LastGoodPort. Never fails to its
    // caller.
    void switchPort(PortMenu& menu, SerialControl& control, MessageBoxes& messages) const;
};

// What the operator is told when the start-up port did not open: the port, the device and the
// reason, so that the operator or a support person can act on it.
QString startUpFailureText(int port, const SerialError& error);

// The message a port that fails from the menu gives, and its title.
QString invalidPortText();
QString invalidPortTitle();

} // namespace markast
