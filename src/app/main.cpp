#include "about/SysInfo.h"
#include "app/Module1.h"
#include "app/PortSelection.h"
#include "app/SingleInstance.h"
#include "app/frmMain.h"
#include "platform/Clock.h"
#include "platform/QtDialogs.h"
#include "platform/SettingsStore.h"
#include "platform/Translations.h"
#include "platform/XdgFolders.h"
#include "registry/Registry.h"
#include "serial/ComDevices.h"
#include "serial/MSComm.h"
#include "settings/Settings.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <memory>

namespace {

// "markast FILE", as a file manager's Open With starts it: the file, as an absolute path, or
// nothing.
QString fileToOpen(const QStringList& arguments) {
    if (arguments.size() > 2)
        std::fprintf(stderr, "markast: opens one file; the others are left out\n");
    return arguments.size() > 1 ? QFileInfo(arguments[1]).absoluteFilePath() : QString();
}

} // namespace

int main(int argc, char* argv[]) {
    markast::ignoreRelativeXdgFolders();
    QApplication app(argc, argv);
    markast::NativeSettingsStore settings;
    markast::Translations translations;
    translations.apply(markast::Settings(settings).language());
    const QString file = fileToOpen(QApplication::arguments());
    QString refusal;
    switch (markast::SingleInstance::handOver(file, refusal)) {
    case markast::SingleInstance::HandOver::Taken:
        return 0;
    case markast::SingleInstance::HandOver::Refused:
        std::fprintf(stderr, "markast: %s\n", qUtf8Printable(refusal));
        return 1;
    case markast::SingleInstance::HandOver::NoneRunning:
        break;
    }

    markast::QtMessageBoxes messages;
    markast::QtFileDialog fileDialog;
    markast::QtPrintDialog printDialog;
    markast::SystemClock clock;
    const markast::ComDevices devices(settings);
    markast::MSComm serial([&devices](int port) { return devices.deviceFor(port); });
    const std::unique_ptr<markast::Registry> registry = markast::systemRegistry();
    markast::DetachedProcessStarter processes;
    markast::PortSelection ports;

    // Listening before the window is up, so that no second window starts meanwhile.
    std::unique_ptr<markast::frmMain> MainForm;
    markast::SingleInstance instance;
    instance.listen([&MainForm](const QString& handed) {
        return MainForm
                   ? MainForm->openFromOutside(handed)
                   : markast::SingleInstance::tr("Markast is starting up; try again in a moment");
    });
    MainForm = markast::Module1::Main({settings, messages, fileDialog, printDialog, clock, serial,
                                       *registry, processes, ports, translations});
    if (!file.isEmpty())
        MainForm->openFile(file);
    return QApplication::exec();
}
