#include "support/WindowRig.h"

#include "serial/ComDevices.h"

#include <QPrinter>

namespace markast::test {

namespace {
void clearComVariables() {
    for (int port = 1; port <= ComPortCount; ++port)
        qunsetenv(qPrintable(environmentVariable(port)));
}
} // namespace

WindowRig::WindowRig() {
    clearComVariables();
}

WindowRig::~WindowRig() {
    form.reset();
    comm.reset();
#ifdef Q_OS_UNIX
    reader.reset();
    secondReader.reset();
#endif
    clearComVariables();
}

bool PdfPrintDialog::choose(QPrinter& printer) {
    ++shown;
    if (pdfPath.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    return true;
}

frmMain& WindowRig::start(SerialControl& serial) {
    form = std::make_unique<frmMain>(
        FormServices{settings ? *settings : fakes.settings, fakes.messages, fakes.fileDialog,
                     fakes.printDialog, clock ? *clock : fakes.clock, serial, fakes.registry,
                     fakes.processes, fakes.ports, fakes.translations});
    form->Form_Load();
    form->show();
    return *form;
}

frmMain& WindowRig::startFake() {
    return start(fakes.serial);
}

frmMain& WindowRig::startReal(const QString& device, std::chrono::milliseconds stallTime) {
    SettingsStore& store = settings ? *settings : fakes.settings;
    (void)Settings(store).setDevice(1, device);
    comm =
        std::make_unique<MSComm>([&store](int port) { return ComDevices(store).deviceFor(port); });
    comm->setStallTime(stallTime);
    return start(*comm);
}

#ifdef Q_OS_UNIX
SocatPair& WindowRig::startOnPair(std::chrono::milliseconds stallTime, int bytesPerSecond) {
    pair = std::make_unique<SocatPair>();
    if (pair->isReady()) {
        reader = std::make_unique<FarEndReader>(pair->openFarEnd(), bytesPerSecond);
        startReal(pair->programEnd(), stallTime);
    }
    return *pair;
}

SocatPair& WindowRig::addPairAs(int port) {
    secondPair = std::make_unique<SocatPair>();
    if (secondPair->isReady()) {
        secondReader = std::make_unique<FarEndReader>(secondPair->openFarEnd());
        qputenv(qPrintable(environmentVariable(port)), secondPair->programEnd().toLocal8Bit());
    }
    return *secondPair;
}

HeldLine& WindowRig::startOnHeldLine(std::chrono::milliseconds stallTime) {
    line = std::make_unique<HeldLine>();
    if (line->isReady()) {
        reader = std::make_unique<FarEndReader>(line->takeMaster());
        startReal(line->programEnd(), stallTime);
    }
    return *line;
}
#endif

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

QList<bool> WindowRig::portsChecked() const {
    QList<bool> marks;
    for (int port = 1; port <= ComPortCount; ++port)
        marks.append(form->isPortChecked(port));
    return marks;
}

QList<bool> WindowRig::portsEnabled() const {
    QList<bool> states;
    for (int port = 1; port <= ComPortCount; ++port)
        states.append(form->isPortEnabled(port));
    return states;
}

} // namespace markast::test
