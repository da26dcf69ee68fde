#include "Clock.h"
#include "MSComm.h"
#include "Module1.h"
#include "QtDialogs.h"
#include "Registry.h"
#include "SettingsStore.h"
#include "SysInfo.h"
#include "frmMain.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    markast::NativeSettingsStore settings;
    markast::QtMessageBoxes messages;
    markast::QtFileDialog fileDialog;
    markast::SystemClock clock;
    markast::MSComm serial;
    const std::unique_ptr<markast::Registry> registry = markast::systemRegistry();
    markast::DetachedProcessStarter processes;

    markast::Module1::Main({settings, messages, fileDialog, clock, serial, *registry, processes});
    const std::unique_ptr<markast::frmMain> mainForm(markast::Module1::MainForm);
    return QApplication::exec();
}
