#include "serial/PortConfiguration.h"
#include "serial/SerialControl.h"

namespace markast {

bool configurePort(SerialControl& control, int port, const QString& lineSettings,
                   SequenceForm form) {
    bool ok = true;
    if (form == SequenceForm::Switch)
        ok &= control.setPortOpen(false);
    ok &= control.setCommPort(port);
    ok &= control.setSettings(lineSettings);
    ok &= control.setRTSEnable(true);
    ok &= control.setHandshaking(SerialControl::HandshakeRtsCts);
    ok &= control.setPortOpen(true);
    ok &= control.setOutBufferCount(0);
    return ok;
}

QString portPanelText(int port, const QString& lineSettings) {
    // A non-negative number is written with a blank where its sign would stand.
    const QString number =
        port < 0 ? QString::number(port) : QLatin1Char(' ') + QString::number(port);
    return QLatin1String("COM") + number + QLatin1String(" : ") + lineSettings;
}

} // namespace markast
