#include "app/PortSelection.h"

#include "platform/MessageBoxes.h"
#include "serial/PortConfiguration.h"
#include "serial/SerialControl.h"

namespace markast {

namespace {

const QString LineSettings; // never set: the line keeps 9600 baud, 8N1

bool isPortNumber(int port) {
    return port >= 1 && port <= PortMenu::PortCount;
}

} // namespace

int checkedPort(const PortMenu& menu) {
    return highestCheckedPort([&menu](int port) { return menu.isPortChecked(port); });
}

void checkOnly(PortMenu& menu, int port) {
    for (int n = 1; n <= PortMenu::PortCount; ++n)
        menu.setPortChecked(n, n == port);
}

bool PortSelection::startUp(PortMenu& menu, SerialControl& control) {
    const int port = startUpPort([&menu](int n) { return menu.isPortChecked(n); });
    if (!menu.isPortChecked(port))
        menu.setPortChecked(port, true);
    menu.setPortPanelText(portPanelText(port, LineSettings));
    if (!configurePort(control, port, LineSettings, SequenceForm::StartUp))
        return false;
    LastGoodPort = static_cast<std::int16_t>(port);
    return true;
}

void PortSelection::switchPort(PortMenu& menu, SerialControl& control,
                               MessageBoxes& messages) const {
    const int port = checkedPort(menu);
    menu.setPortPanelText(portPanelText(port, LineSettings));
    if (configurePort(control, port, LineSettings, SequenceForm::Switch))
        return;

    messages.show(invalidPortText(), invalidPortTitle(), MessageBoxes::Icon::Information);
    if (isPortNumber(port))
        menu.setPortEnabled(port, false);
    if (!isPortNumber(LastGoodPort))
        return;
    menu.setPortEnabled(LastGoodPort, true);
    checkOnly(menu, LastGoodPort);
    // Reopen the port the menu now shows checked, so the menu and the line agree. If that
    // fails too, the line stays closed and the operator has been told already.
    (void)configurePort(control, LastGoodPort, LineSettings, SequenceForm::Switch);
}

QString startUpFailureText(int port, const SerialError& error) {
    QString text =
        PortSelection::tr("COM%1 could not be opened.\n\n%2.").arg(port).arg(error.text());
    if (error.noPermission)
        text += PortSelection::tr("\nThis account may not use the port: add it to the dialout "
                                  "group, then log in again.");
    return text + PortSelection::tr("\n\nChoose another port under Settings > Com Ports.");
}

// The marker software's own words, spelling and all.
QString invalidPortText() {
    return PortSelection::tr("Invalid Comunication port please try again");
}

QString invalidPortTitle() {
    return PortSelection::tr("Incorect Com Port Setting");
}

} // namespace markast
