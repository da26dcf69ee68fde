#pragma once

#include "app/PortSelection.h"
#include "app/frmMain.h"
#include "platform/PrintDialog.h"
#include "platform/Translations.h"
#include "serial/MSComm.h"
#include "support/AboutFakes.h"
#include "support/Fakes.h"
#ifdef Q_OS_UNIX
#include "support/Pty.h"
#endif
#include "support/TestData.h"
#include "support/TransferFakes.h"

#include <QTemporaryDir>

#include <chrono>
#include <memory>

namespace markast::test {

// A print dialog that prints to a PDF file, or is cancelled.
class PdfPrintDialog final : public PrintDialog {
public:
    bool choose(QPrinter& printer) override;

    QString pdfPath; // empty: the operator cancels
    int shown = 0;
};

// Every fake a main window needs, with an empty registry, and a port selection of its own.
struct FakeServices {
    MemorySettingsStore settings;
    RecordingMessageBoxes messages;
    ScriptedFileDialog fileDialog;
    PdfPrintDialog printDialog;
    FakeClock clock;
    FakeSerialControl serial;
    RegFileRegistry registry{RegFileRegistry::Hive()};
    RecordingProcessStarter processes;
    PortSelection ports;
    Translations translations;
};

// A main window as Markast starts it, on fake dialogs, clock and settings, with either the
// fake serial control or a real one whose COM1 is a device: a path, a socat pair with a reader
// at its far end, or a line the test can hold. Clears the MARKAST_COMn variables when it
// starts and when it ends.
class WindowRig {
public:
    WindowRig();
    ~WindowRig();

    // Loads and shows the window on the fake serial control.
    frmMain& startFake();
    // Loads and shows the window on a real serial control, with device stored for COM1.
    frmMain& startReal(const QString& device,
                       std::chrono::milliseconds stallTime = std::chrono::seconds(20));
#ifdef Q_OS_UNIX
    // Pseudo-terminals are Unix's: on Windows a window test runs on the fake serial control,
    // or on a real one with a device of its own.
    // The window on a fresh socat pair, read at the far end by reader (bytesPerSecond 0 reads
    // as fast as it can). Check the pair with MARKAST_VERIFY_PAIR; the window is then form.
    SocatPair& startOnPair(std::chrono::milliseconds stallTime = std::chrono::seconds(20),
                           int bytesPerSecond = 0);
    // A second socat pair as COM port (set by MARKAST_COMn, so that other serial controls find
    // it too), read by secondReader; check it with MARKAST_VERIFY_PAIR.
    SocatPair& addPairAs(int port);
    // The window on a pseudo-terminal of the test's own, which it can hold as a marker holding
    // CTS low would; read by reader.
    HeldLine& startOnHeldLine(std::chrono::milliseconds stallTime);
#endif
    frmMain& start(SerialControl& serial);

    QString writeFile(const QString& name, const QByteArray& bytes);
    // Chooses path in the open dialog through File > Open....
    void open(const QString& path);
    // Loads bytes as a logo file and downloads it through Actions > Download Logo.
    void loadAndSend(const QByteArray& bytes);
    // The check marks and the enabled states of Com 1 to Com 4.
    QList<bool> portsChecked() const;
    QList<bool> portsEnabled() const;

    QTemporaryDir dir;
    FakeServices fakes;
    // When set, the window keeps its settings here instead of in fakes.settings.
    SettingsStore* settings = nullptr;
    // When set, the window reads the time here instead of from fakes.clock.
    Clock* clock = nullptr;
#ifdef Q_OS_UNIX
    std::unique_ptr<SocatPair> pair;
    std::unique_ptr<HeldLine> line;
    std::unique_ptr<FarEndReader> reader;
    std::unique_ptr<SocatPair> secondPair;
    std::unique_ptr<FarEndReader> secondReader;
#endif
    std::unique_ptr<MSComm> comm;
    std::unique_ptr<frmMain> form;
};

} // namespace markast::test
