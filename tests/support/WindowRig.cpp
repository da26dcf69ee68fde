#include "support/WindowRig.h"

#include "app/Module1.h"

namespace markast::test {

WindowRig::WindowRig() {
    Module1::LastGoodPort = 0;
}

WindowRig::~WindowRig() {
    form.reset();
    comm.reset();
}

frmMain& WindowRig::start(SerialControl& serial) {
    form = std::make_unique<frmMain>(FormServices{settings ? *settings : fakes.settings,
                                                  fakes.messages, fakes.fileDialog, fakes.clock,
                                                  serial, fakes.registry, fakes.processes});
    form->Form_Load();
    form->show();
    return *form;
}

frmMain& WindowRig::startFake() {
    return start(fakes.serial);
}

frmMain& WindowRig::startReal(const QString& device, std::chrono::milliseconds stallTime) {
    qputenv("MARKAST_COM1", device.toLocal8Bit());
    comm = std::make_unique<MSComm>();
    comm->setStallTime(stallTime);
    return start(*comm);
}

QString WindowRig::writeFile(const QString& name, const QByteArray& bytes) {
    return test::writeFile(dir.filePath(name), bytes);
}

void WindowRig::open(const QString& path) {
    fakes.fileDialog.answers = {path};
    form->mnuFileOpen->trigger();
}

void WindowRig::loadAndSend(const QByteArray& bytes) {
    open(writeFile(QStringLiteral("logo.plt"), bytes));
    form->mnuDownload->trigger();
}

} // namespace markast::test
