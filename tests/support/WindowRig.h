#pragma once

#include "app/frmMain.h"
#include "serial/MSComm.h"
#include "support/Fakes.h"
#include "support/TestData.h"

#include <QTemporaryDir>

#include <chrono>
#include <memory>

namespace markast::test {

// A main window as Markast starts it, on fake dialogs and settings, with either the fake
// serial control or a real one whose COM1 is mapped to a device path.
class WindowRig {
public:
    WindowRig();
    ~WindowRig();

    // Loads and shows the window on the fake serial control.
    frmMain& startFake();
    // Loads and shows the window on a real serial control, with COM1 mapped to device.
    frmMain& startReal(const QString& device,
                       std::chrono::milliseconds stallTime = std::chrono::seconds(20));
    frmMain& start(SerialControl& serial);

    QString writeFile(const QString& name, const QByteArray& bytes);
    // Chooses path in the open dialog through File > Open....
    void open(const QString& path);
    // Loads bytes as a logo file and downloads it through Actions > Download Logo.
    void loadAndSend(const QByteArray& bytes);

    QTemporaryDir dir;
    FakeServices fakes;
    // When set, the window keeps its settings here instead of in fakes.settings.
    SettingsStore* settings = nullptr;
    std::unique_ptr<MSComm> comm;
    std::unique_ptr<frmMain> form;
};

} // namespace markast::test
