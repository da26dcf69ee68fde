#include "about/SysInfo.h"
#include "app/Module1.h"
#include "app/PortSelection.h"
#include "app/frmMain.h"
#include "platform/Clock.h"
#include "platform/QtDialogs.h"
#include "platform/SettingsStore.h"
#include "registry/Registry.h"
#include "serial/ComDevices.h"
#include "serial/MSComm.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    markast::NativeSettingsStore settings;
    markast::QtMessageBoxes messages;
    markast::QtFileDialog fileDialog;
    markast::SystemClock clock;
    const markast::ComDevices devices(settings);
    markast::MSComm serial([&devices](int port) { return devices.deviceFor(port); });
    const std::unique_ptr<markast::Registry> registry = markast::systemRegistry();
    markast::DetachedProcessStarter processes;
    markast::PortSelection ports;

    const std::unique_ptr<markast::frmMain> MainForm = markast::Module1::Main(
        {settings, messages, fileDialog, clock, serial, *registry, processes, ports});
    return QApplication::exec();
}
