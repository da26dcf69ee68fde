#include "serial/PortSelection.h"

#include "platform/MessageBoxes.h"
#include "platform/SettingsStore.h"
#include "platform/SettingsText.h"
#include "serial/PortConfiguration.h"
#include "serial/SerialControl.h"

namespace markast {

namespace {
bool isPortNumber(int port) {
    return port >= 1 && port <= PortMenu::PortCount;
}
} // namespace

int checkedPort(const PortMenu& menu) {
    int port = 0;
    for (int n = 1; n <= PortMenu::PortCount; ++n) {
        if (menu.isPortChecked(n))
            port = n;
    }
    return port;
}

bool storedPortMark(SettingsStore& settings, int port) {
    const bool fallback = port == 1;
    const QString text = settings.read(QStringLiteral("Markast"), QStringLiteral("Settings"),
                                       QStringLiteral("Com%1").arg(port), textFromTruth(fallback));
    return truthFromText(text).value_or(fallback);
}

void checkOnly(PortMenu& menu, int port) {
    for (int n = 1; n <= PortMenu::PortCount; ++n)
        menu.setPortChecked(n, n == port);
}

QString startUpFailureText(int port, const SerialError& error) {
    QString text = QStringLiteral("COM%1 could not be opened.\n\n%2.").arg(port).arg(error.text());
    if (error.noPermission)
        text += QStringLiteral("\nThis account may not use the port: add it to the dialout group, "
                               "then log in again.");
    return text + QStringLiteral("\n\nChoose another port under Settings > Com Ports.");
}

void switchPort(PortMenu& menu, SerialControl& control, MessageBoxes& messages, int lastGoodPort) {
    const QString lineSettings;
    const int port = checkedPort(menu);
    menu.setPortPanelText(portPanelText(port, lineSettings));
    if (configurePort(control, port, lineSettings, SequenceForm::Switch))
        return;

    messages.show(InvalidPortText, InvalidPortTitle, MessageBoxes::Icon::Information);
    if (isPortNumber(port))
        menu.setPortEnabled(port, false);
    if (!isPortNumber(lastGoodPort))
        return;
    menu.setPortEnabled(lastGoodPort, true);
    menu.setPortChecked(lastGoodPort, true);
    for (int n = 1; n <= PortMenu::PortCount; ++n) {
        if (n != lastGoodPort)
            menu.setPortChecked(n, false);
    }
    // Reopen the port the menu now shows checked, so the menu and the line agree. If that
    // fails too, the line stays closed and the operator has been told already.
    (void)configurePort(control, lastGoodPort, lineSettings, SequenceForm::Switch);
}

} // namespace markast
