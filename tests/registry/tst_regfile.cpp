// The read-only registry hive in the .reg export format.
#include "registry/Registry.h"

#include <QRandomGenerator>
#include <QTest>

using namespace markast;

namespace {

std::vector<unsigned char> bytesOf(const std::string& text, bool withNul) {
    std::vector<unsigned char> bytes(text.begin(), text.end());
    if (withNul)
        bytes.push_back(0);
    return bytes;
}

std::string utf16le(const std::string& ascii) {
    std::string out = "\xFF\xFE";
    for (const char c : ascii) {
        out += c;
        out += '\0';
    }
    return out;
}

const RegFileRegistry::Value* find(const RegFileRegistry::Hive& hive, const std::string& key,
                                   const std::string& name) {
    const auto values = hive.find(key);
    if (values == hive.end())
        return nullptr;
    const auto value = values->second.find(name);
    return value == values->second.end() ? nullptr : &value->second;
}

const std::string WellFormed =
    "REGEDIT4\r\n"
    "\r\n"
    "; a comment\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\r\n"
    "\"PATH\"=\"C:\\\\Program Files\\\\Common Files\\\\MSINFO32.EXE\"\r\n"
    "@=\"default \\\"quoted\\\"\"\r\n"
    "\"Count\"=dword:12345678\r\n"
    "\"Expand\"=hex(2):25,00,41,\\\r\n"
    "  00,25,00,00,00\r\n"
    "\"Blob\"=hex:de,ad,be,ef\r\n"
    "\"Gone\"=\"soon\"\r\n"
    "\"Gone\"=-\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Dropped]\r\n"
    "\"x\"=\"y\"\r\n"
    "[-HKEY_CURRENT_USER\\Software\\Dropped]\r\n";

} // namespace

class TestRegFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void wellFormedFileHoldsEveryValue() {
        const auto hive = parseRegFile(WellFormed);
        QVERIFY(hive);
        const std::string key = "hkey_local_machine\\software\\microsoft\\shared tools\\msinfo";
        const auto* path = find(*hive, key, "path");
        QVERIFY(path);
        QCOMPARE(path->type, Registry::TypeSz);
        QVERIFY(path->data ==
                bytesOf("C:\\Program Files\\Common Files\\MSINFO32.EXE", /*withNul=*/true));
        QVERIFY(find(*hive, key, "")->data == bytesOf("default \"quoted\"", true));
        const auto* count = find(*hive, key, "count");
        QCOMPARE(count->type, Registry::TypeDword);
        QVERIFY(count->data == std::vector<unsigned char>({0x78, 0x56, 0x34, 0x12}));
        const auto* expand = find(*hive, key, "expand");
        QCOMPARE(expand->type, 2u);
        QCOMPARE(expand->data.size(), std::size_t(8));
        QCOMPARE(find(*hive, key, "blob")->type, Registry::TypeBinary);
        QVERIFY(!find(*hive, key, "gone"));
        QVERIFY(hive->find("hkey_current_user\\software\\dropped") == hive->end());
    }

    void versionFiveExportsInUtf16AreRead() {
        const auto hive = parseRegFile(utf16le("Windows Registry Editor Version 5.00\r\n\r\n"
                                               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\A]\r\n"
                                               "\"B\"=\"c\"\r\n"));
        QVERIFY(hive);
        QVERIFY(find(*hive, "hkey_local_machine\\software\\a", "b"));
    }

    void malformedFilesHoldNoKeys_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("no header") << QByteArray("[HKEY_LOCAL_MACHINE\\A]\n\"b\"=\"c\"\n");
        QTest::newRow("value before key") << QByteArray("REGEDIT4\n\"b\"=\"c\"\n");
        QTest::newRow("unknown root") << QByteArray("REGEDIT4\n[HKEY_NOWHERE\\A]\n");
        QTest::newRow("open section") << QByteArray("REGEDIT4\n[HKEY_LOCAL_MACHINE\\A\n");
        QTest::newRow("unterminated text")
            << QByteArray("REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"b\"=\"c\n");
        QTest::newRow("text then junk")
            << QByteArray("REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"b\"=\"c\"junk\n");
        QTest::newRow("bad dword")
            << QByteArray("REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"b\"=dword:xyz\n");
        QTest::newRow("long dword")
            << QByteArray("REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"b\"=dword:123456789\n");
        QTest::newRow("bad hex") << QByteArray(
            "REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"b\"=hex:zz,01\n");
        QTest::newRow("bad hex type")
            << QByteArray("REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"b\"=hex(q):01\n");
        QTest::newRow("no equals") << QByteArray("REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"b\"\n");
        QTest::newRow("odd utf16") << QByteArray("\xFF\xFE\x52", 3);
        QTest::newRow("lone surrogate") << QByteArray("\xFF\xFE\x00\xDC", 4);
    }

    void malformedFilesHoldNoKeys() {
        QFETCH(QByteArray, text);
        QVERIFY(!parseRegFile(text.toStdString()));
    }

    void randomBytesNeverCrashTheParser() {
        QRandomGenerator random(20261207);
        for (int round = 0; round < 2000; ++round) {
            std::string text = round % 2 ? "REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n" : "";
            const int length = random.bounded(200);
            for (int i = 0; i < length; ++i)
                text += static_cast<char>(random.bounded(256));
            // Whatever the parser accepts lies under a root it knows.
            if (const auto hive = parseRegFile(text)) {
                for (const auto& [key, values] : *hive) {
                    QVERIFY(key.rfind("hkey_local_machine\\", 0) == 0 ||
                            key.rfind("hkey_current_user\\", 0) == 0);
                }
            }
        }
    }

    void keysOpenAndValuesQueryLikeTheRegistry() {
        auto hive = parseRegFile(WellFormed);
        QVERIFY(hive);
        RegFileRegistry registry(std::move(*hive));
        Registry::Handle key = 0;
        QCOMPARE(registry.openKey(Registry::HkeyLocalMachine, "software\\MICROSOFT\\Shared Tools",
                                  0, Registry::KeyAccess, key),
                 Registry::Success); // a key above a listed one exists too
        QCOMPARE(registry.closeKey(key), Registry::Success);
        QCOMPARE(registry.openKey(Registry::HkeyLocalMachine, "SOFTWARE\\Nowhere", 0,
                                  Registry::KeyAccess, key),
                 Registry::FileNotFound);
        QCOMPARE(registry.openKey(Registry::HkeyCurrentUser, "SOFTWARE\\Microsoft", 0,
                                  Registry::KeyAccess, key),
                 Registry::FileNotFound);

        QCOMPARE(registry.openKey(Registry::HkeyLocalMachine,
                                  "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", 0,
                                  Registry::KeyAccess, key),
                 Registry::Success);
        unsigned char small[8] = {};
        std::uint32_t size = sizeof small;
        std::uint32_t type = 0;
        QCOMPARE(registry.queryValue(key, "PATH", type, small, size), Registry::MoreData);
        QCOMPARE(size, 43u); // the text and its NUL
        unsigned char buffer[64] = {};
        size = sizeof buffer;
        QCOMPARE(registry.queryValue(key, "Count", type, buffer, size), Registry::Success);
        QCOMPARE(type, Registry::TypeDword);
        QCOMPARE(size, 4u);
        QCOMPARE(registry.queryValue(key, "Missing", type, buffer, size), Registry::FileNotFound);
        QCOMPARE(registry.closeKey(key), Registry::Success);
        QCOMPARE(registry.closeKey(key), Registry::InvalidHandle);
    }
};

QTEST_GUILESS_MAIN(TestRegFile)
#include "tst_regfile.moc"
