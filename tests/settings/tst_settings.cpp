// Every value Markast keeps between runs, in the native store, against a settings file that
// version 1.0.4 wrote: the same file must read the same and be written again byte for byte.
#include "platform/SettingsStore.h"
#include "settings/Settings.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace markast;

class TestSettings : public QObject {
    Q_OBJECT

    const QStringList devices = {
        "", "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1B2C3D4-if00-port0", "/dev/marker", ""};
    QTemporaryDir home;

    // The store's file, in a settings folder of this test's own.
    QString storedFile(const QString& folder) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.filePath(folder));
        QDir(home.filePath(folder)).mkpath(Settings::applicationName());
        return home.filePath(
            QStringLiteral("%1/%2/%2.conf").arg(folder, Settings::applicationName()));
    }

private Q_SLOTS:
    void readsWhatTheEarlierVersionStored() {
        QVERIFY(QFile::copy(QStringLiteral(STORED_BY_1_0_4), storedFile("earlier")));
        NativeSettingsStore store;
        const Settings settings(store);
        const WindowTwips window = settings.window();
        QCOMPARE(QList<float>({window.left, window.top, window.width, window.height}),
                 QList<float>({1500, 900, 6000, 3915}));
        for (int port = 1; port <= 4; ++port) {
            QCOMPARE(settings.portChecked(port), port == 3);
            QCOMPARE(settings.device(port), devices[port - 1]);
        }
    }

    void writesTheFileTheEarlierVersionWrote() {
        QFile written(storedFile("now"));
        NativeSettingsStore store;
        Settings settings(store);
        bool stored = settings.setWindow({1500, 900, 6000, 3915});
        for (int port = 1; port <= 4; ++port) {
            stored &= settings.setPortChecked(port, port == 3) &&
                      settings.setPortEnabled(port, true) &&
                      settings.setDevice(port, devices[port - 1]);
        }
        QVERIFY(stored);
        QFile earlier(QStringLiteral(STORED_BY_1_0_4));
        QVERIFY(written.open(QIODevice::ReadOnly) && earlier.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), earlier.readAll());
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
