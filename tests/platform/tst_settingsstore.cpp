// The platform's own settings store: texts come back exactly as written, whatever they hold,
// and on Windows they sit where the Basic runtime's GetSetting and SaveSetting keep them.
#include "platform/SettingsStore.h"

#include <QTest>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace markast;

namespace {

const QString Application = QStringLiteral("MarkastStoreTest");

#ifdef Q_OS_WIN
const std::wstring ApplicationKey =
    L"Software\\VB and VBA Program Settings\\" + Application.toStdWString();

// The value's type and text as another program sees them through the registry itself; type 0
// when there is no such value.
std::pair<DWORD, QString> registryValue(const QString& section, const QString& key) {
    const std::wstring path = ApplicationKey + L'\\' + section.toStdWString();
    DWORD type = 0;
    wchar_t data[512] = {};
    DWORD size = sizeof data - sizeof(wchar_t);
    if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), key.toStdWString().c_str(), RRF_RT_ANY, &type,
                     data, &size) != ERROR_SUCCESS)
        return {};
    return {type, QString::fromWCharArray(data)};
}

void setRegistryValue(const QString& section, const QString& key, DWORD type, const void* data,
                      DWORD size) {
    const std::wstring path = ApplicationKey + L'\\' + section.toStdWString();
    QCOMPARE(RegSetKeyValueW(HKEY_CURRENT_USER, path.c_str(), key.toStdWString().c_str(), type,
                             data, size),
             LONG(ERROR_SUCCESS));
}
#endif

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanupTestCase() {
#ifdef Q_OS_WIN
        RegDeleteTreeW(HKEY_CURRENT_USER, ApplicationKey.c_str());
#endif
    }

    void textsComeBackAsWritten_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("number") << "Settings"
                                << "MainLeft"
                                << "1000";
        QTest::newRow("empty") << "Devices"
                               << "Com1"
                               << "";
        QTest::newRow("at sign first") << "Devices"
                                       << "Com2"
                                       << "@ByteArray(COM7)";
        QTest::newRow("backslashes") << "Devices"
                                     << "Com3"
                                     << "\\\\.\\COM10";
        QTest::newRow("not Latin-1") << "Recent"
                                     << "Files"
                                     << "[\"C:/Logos/铭牌 Größe.plt\"]";
        QTest::newRow("long") << "Recent"
                              << "Long" << QString(3000, u'x');
    }

    void textsComeBackAsWritten() {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, text);
        NativeSettingsStore store;
        QVERIFY(store.write(Application, section, key, QStringLiteral("earlier")));
        QVERIFY(store.write(Application, section, key, text));
        QCOMPARE(store.read(Application, section, key, QStringLiteral("fallback")), text);
#ifdef Q_OS_WIN
        if (text.size() < 500)
            QCOMPARE(registryValue(section, key), std::pair(DWORD(REG_SZ), text));
#endif
    }

    void absentKeyGivesTheFallback() {
        NativeSettingsStore store;
        QCOMPARE(store.read(Application, QStringLiteral("Nowhere"), QStringLiteral("MainTop"),
                            QStringLiteral("1000")),
                 QStringLiteral("1000"));
    }

#ifdef Q_OS_WIN
    // What the marker software stored, and what someone put there by hand.
    void valuesStoredByOthers_data() {
        QTest::addColumn<DWORD>("type");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("expected");
        const auto utf16 = [](const wchar_t* text, int characters) {
            return QByteArray(reinterpret_cast<const char*>(text), characters * 2);
        };
        QTest::newRow("REG_SZ") << DWORD(REG_SZ) << utf16(L"2700\0", 5) << "2700";
        QTest::newRow("REG_SZ without NUL") << DWORD(REG_SZ) << utf16(L"True", 4) << "True";
        QTest::newRow("REG_DWORD")
            << DWORD(REG_DWORD) << QByteArray("\x10\x00\x00\x00", 4) << "fallback";
        QTest::newRow("REG_BINARY") << DWORD(REG_BINARY) << QByteArray("12", 2) << "fallback";
    }

    void valuesStoredByOthers() {
        QFETCH(DWORD, type);
        QFETCH(QByteArray, data);
        QFETCH(QString, expected);
        setRegistryValue(QStringLiteral("Settings"), QStringLiteral("Com1"), type, data.constData(),
                         DWORD(data.size()));
        NativeSettingsStore store;
        QCOMPARE(store.read(Application, QStringLiteral("Settings"), QStringLiteral("Com1"),
                            QStringLiteral("fallback")),
                 expected);
    }
#endif
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
