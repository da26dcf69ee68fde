#include "about/SysInfo.h"
#include "app/Module1.h"
#include "app/frmMain.h"
#include "platform/Clock.h"
#include "platform/QtDialogs.h"
#include "platform/Registry.h"
#include "platform/SettingsStore.h"
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

    markast::Module1::Main({settings, messages, fileDialog, clock, serial, *registry, processes});
    const std::unique_ptr<markast::frmMain> mainForm(markast::Module1::MainForm);
    return QApplication::exec();
}
