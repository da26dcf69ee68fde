// Every value Markast keeps between runs, in the native store, against a settings file that
// version 1.0.4 wrote: the same file must read the same and be written again byte for byte.
// On Windows the same values lie in the registry as the marker software kept them: one REG_SZ
// value a key under HKEY_CURRENT_USER\Software\VB and VBA Program Settings\Markast\<group>.
#include "platform/SettingsStore.h"
#include "settings/Settings.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_WIN
#include <windows.h>

#include <algorithm>
#endif

using namespace markast;

#ifdef Q_OS_WIN
namespace {

// Group, key and text of each value in a settings file.
using StoredValues = QList<std::tuple<QString, QString, QString>>;

StoredValues valuesIn(const QString& file) {
    const QSettings settings(file, QSettings::IniFormat);
    StoredValues values;
    for (const QString& key : settings.allKeys())
        values.append(
            {key.section(u'/', 0, 0), key.section(u'/', 1), settings.value(key).toString()});
    return values;
}

const std::wstring ApplicationKey = L"Software\\VB and VBA Program Settings\\Markast";

// HKEY_CURRENT_USER stands for a key of the test's own while it lives, so that the test
// neither reads nor writes the account's own settings.
class PrivateCurrentUser {
public:
    PrivateCurrentUser() {
        RegCreateKeyExW(HKEY_CURRENT_USER, Hive, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hive_,
                        nullptr);
        overridden_ = hive_ && RegOverridePredefKey(HKEY_CURRENT_USER, hive_) == ERROR_SUCCESS;
    }
    ~PrivateCurrentUser() {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegCloseKey(hive_);
        RegDeleteTreeW(HKEY_CURRENT_USER, Hive);
    }
    bool overridden() const { return overridden_; }

private:
    static constexpr const wchar_t* Hive = L"Software\\MarkastSettingsTest";
    HKEY hive_ = nullptr;
    bool overridden_ = false;
};

StoredValues valuesInRegistry(const QStringList& groups) {
    StoredValues values;
    for (const QString& group : groups) {
        HKEY key = nullptr;
        const std::wstring path = ApplicationKey + L'\\' + group.toStdWString();
        if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            continue;
        for (DWORD i = 0;; ++i) {
            wchar_t name[256] = {};
            wchar_t data[1024] = {};
            DWORD nameSize = 256;
            DWORD dataSize = sizeof data - sizeof(wchar_t);
            DWORD type = 0;
            if (RegEnumValueW(key, i, name, &nameSize, nullptr, &type,
                              reinterpret_cast<BYTE*>(data), &dataSize) != ERROR_SUCCESS)
                break;
            values.append({group, QString::fromWCharArray(name),
                           type == REG_SZ ? QString::fromWCharArray(data) : QStringLiteral("?")});
        }
        RegCloseKey(key);
    }
    std::sort(values.begin(), values.end());
    return values;
}

} // namespace
#endif

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

    // What the earlier version's stored settings hold: a window place, COM3 checked, and the
    // devices of COM2 and COM3.
    void isWhatTheEarlierVersionStored(const Settings& settings) {
        const WindowTwips window = settings.window();
        QCOMPARE(QList<float>({window.left, window.top, window.width, window.height}),
                 QList<float>({1500, 900, 6000, 3915}));
        for (int port = 1; port <= 4; ++port) {
            QCOMPARE(settings.portChecked(port), port == 3);
            QCOMPARE(settings.device(port), devices[port - 1]);
        }
    }

    bool storeWhatTheEarlierVersionStored(Settings& settings) {
        bool stored = settings.setWindow({1500, 900, 6000, 3915});
        for (int port = 1; port <= 4; ++port) {
            stored &= settings.setPortChecked(port, port == 3) &&
                      settings.setPortEnabled(port, true) &&
                      settings.setDevice(port, devices[port - 1]);
        }
        return stored;
    }

private Q_SLOTS:
#ifdef Q_OS_UNIX
    void readsWhatTheEarlierVersionStored() {
        QVERIFY(QFile::copy(QStringLiteral(STORED_BY_1_0_4), storedFile("earlier")));
        NativeSettingsStore store;
        const Settings settings(store);
        isWhatTheEarlierVersionStored(settings);
    }

    void writesTheFileTheEarlierVersionWrote() {
        QFile written(storedFile("now"));
        NativeSettingsStore store;
        Settings settings(store);
        QVERIFY(storeWhatTheEarlierVersionStored(settings));
        QFile earlier(QStringLiteral(STORED_BY_1_0_4));
        QVERIFY(written.open(QIODevice::ReadOnly) && earlier.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), earlier.readAll());
    }
#else
    void readsWhatTheMarkerSoftwareStored() {
        const PrivateCurrentUser user;
        QVERIFY(user.overridden());
        for (const auto& [group, key, text] : valuesIn(QStringLiteral(STORED_BY_1_0_4))) {
            const std::wstring path = ApplicationKey + L'\\' + group.toStdWString();
            const std::wstring value = text.toStdWString();
            QCOMPARE(RegSetKeyValueW(HKEY_CURRENT_USER, path.c_str(), key.toStdWString().c_str(),
                                     REG_SZ, value.c_str(), DWORD((value.size() + 1) * 2)),
                     LONG(ERROR_SUCCESS));
        }
        NativeSettingsStore store;
        const Settings settings(store);
        isWhatTheEarlierVersionStored(settings);
    }

    void writesWhatTheMarkerSoftwareStored() {
        const PrivateCurrentUser user;
        QVERIFY(user.overridden());
        NativeSettingsStore store;
        Settings settings(store);
        QVERIFY(storeWhatTheEarlierVersionStored(settings));
        StoredValues expected = valuesIn(QStringLiteral(STORED_BY_1_0_4));
        std::sort(expected.begin(), expected.end());
        QCOMPARE(valuesInRegistry({"Settings", "Devices"}), expected);
    }
#endif
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
