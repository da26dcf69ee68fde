// Reading one registry value as text.
#include "about/GetKeyValue.h"
#include "support/AboutFakes.h"
#include "support/TestData.h"

#include <QTest>

using namespace markast;
using namespace markast::test;

namespace {

const std::int32_t HKLM = static_cast<std::int32_t>(Registry::HkeyLocalMachine);

std::string hive(const std::string& values) {
    return "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Test]\n" + values;
}

} // namespace

class TestGetKeyValue : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textValues() {
        RecordingRegistry registry(hive("\"Path\"=\"C:\\\\Tools\\\\msinfo32.exe\"\n"));
        std::string value = "old";
        QVERIFY(GetKeyValue(registry, HKLM, "SOFTWARE\\Test", "Path", value));
        QCOMPARE(value, std::string("C:\\Tools\\msinfo32.exe"));
        QCOMPARE(registry.calls, QStringList({"open HKLM SOFTWARE\\Test 0 2003f",
                                              "query Path size 1024", "close 1"}));
    }

    void numberValuesReadAsUnsignedDecimal_data() {
        QTest::addColumn<QString>("dword");
        QTest::addColumn<QString>("text");
        QTest::newRow("78 56 34 12") << "12345678"
                                     << "305419896";
        QTest::newRow("05 01 00 00") << "00000105"
                                     << "261";
        QTest::newRow("zero low byte") << "00000100"
                                       << "256";
        QTest::newRow("zero") << "00000000"
                              << "0";
        QTest::newRow("top bit set") << "80000000"
                                     << "2147483648";
        QTest::newRow("all ones") << "ffffffff"
                                  << "4294967295";
    }

    void numberValuesReadAsUnsignedDecimal() {
        QFETCH(QString, dword);
        QFETCH(QString, text);
        RecordingRegistry registry(hive("\"N\"=dword:" + dword.toStdString() + "\n"));
        std::string value = "ignored on entry";
        QVERIFY(GetKeyValue(registry, HKLM, "SOFTWARE\\Test", "N", value));
        QCOMPARE(QString::fromStdString(value), text);
    }

    void aValueOfAnotherTypeLeavesTheTextAsItWas() {
        RecordingRegistry registry(hive("\"B\"=hex:01,02,03\n"));
        std::string value = "kept";
        QVERIFY(GetKeyValue(registry, HKLM, "SOFTWARE\\Test", "B", value));
        QCOMPARE(value, std::string("kept"));
    }

    void whatCannotBeReadEmptiesTheText_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("name");
        QTest::newRow("missing key") << "SOFTWARE\\Nowhere"
                                     << "Path";
        QTest::newRow("missing value") << "SOFTWARE\\Test"
                                       << "Nothing";
        QTest::newRow("more than 1024 bytes") << "SOFTWARE\\Test"
                                              << "Long";
    }

    void whatCannotBeReadEmptiesTheText() {
        QFETCH(QString, key);
        QFETCH(QString, name);
        RecordingRegistry registry(hive("\"Long\"=\"" + std::string(1024, 'x') + "\"\n"));
        std::string value = "old";
        QVERIFY(!GetKeyValue(registry, HKLM, key.toStdString(), name.toStdString(), value));
        QCOMPARE(value, std::string());
        // The key handle is closed on every way out, even when the open failed.
        QVERIFY(registry.calls.last().startsWith("close "));
    }

    void aTextThatFillsTheBufferExactlyStillFits() {
        RecordingRegistry registry(hive("\"Full\"=\"" + std::string(1023, 'y') + "\"\n"));
        std::string value;
        QVERIFY(GetKeyValue(registry, HKLM, "SOFTWARE\\Test", "Full", value));
        QCOMPARE(value, std::string(1023, 'y'));
    }

    void aBufferWithoutANulRaisesAndClosesTheKey() {
        RecordingRegistry registry(hive("\"Raw\"=hex(1):" + hexList(1024, "41") + "\n"));
        std::string value = "old";
        QVERIFY_THROWS_EXCEPTION(UnterminatedValue,
                                 GetKeyValue(registry, HKLM, "SOFTWARE\\Test", "Raw", value));
        QCOMPARE(registry.calls.last(), QStringLiteral("close 1"));
    }
};

QTEST_GUILESS_MAIN(TestGetKeyValue)
#include "tst_getkeyvalue.moc"
