// Every value Markast keeps between runs, against a settings file that version 1.0.4 wrote.
#include "platform/SettingsStore.h"
#include "settings/Settings.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace markast;

namespace {

const QString ByFtdi =
    QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1B2C3D4-if00-port0");

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

    QTemporaryDir home;

    // The store's file, in a settings folder of this test's own.
    QString storedFile(const QString& folder) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.filePath(folder));
        const QString name = Settings::applicationName();
        QDir(home.filePath(folder)).mkpath(name);
        return home.filePath(QStringLiteral("%1/%2/%2.conf").arg(folder, name));
    }

private Q_SLOTS:
    void readsWhatTheEarlierVersionStored() {
        QVERIFY(QFile::copy(QStringLiteral(STORED_BY_1_0_4), storedFile("earlier")));
        NativeSettingsStore store;
        const Settings settings(store);
        const WindowTwips window = settings.window();
        QCOMPARE(QList<float>({window.left, window.top, window.width, window.height}),
                 QList<float>({1500, 900, 6000, 3915}));
        QList<bool> checked;
        QStringList devices;
        for (int port = 1; port <= 4; ++port) {
            checked.append(settings.portChecked(port));
            devices.append(settings.device(port));
        }
        QCOMPARE(checked, QList<bool>({false, false, true, false}));
        QCOMPARE(devices, QStringList({"", ByFtdi, "/dev/marker", ""}));
    }

    // The same values written now give the very file the earlier version wrote.
    void writesTheFileTheEarlierVersionWrote() {
        const QString file = storedFile("now");
        NativeSettingsStore store;
        Settings settings(store);
        const QStringList devices = {"", ByFtdi, "/dev/marker", ""};
        bool stored = settings.setWindow({1500, 900, 6000, 3915});
        for (int port = 1; port <= 4; ++port) {
            stored &= settings.setPortChecked(port, port == 3);
            stored &= settings.setPortEnabled(port, true);
            stored &= settings.setDevice(port, devices[port - 1]);
        }
        QVERIFY(stored);
        QCOMPARE(contents(file), contents(QStringLiteral(STORED_BY_1_0_4)));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
