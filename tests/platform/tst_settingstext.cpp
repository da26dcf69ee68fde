// Settings texts: numbers and truth values as the store keeps them. The store itself is tested
// with the settings, against a file an earlier version wrote.
#include "platform/SettingsText.h"

#include <QTest>

using namespace markast;

class TestSettingsText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void numbersReadAsSinglePrecision_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<float>>("number");
        QTest::newRow("whole") << "1000" << std::optional<float>(1000);
        QTest::newRow("negative") << "-30000" << std::optional<float>(-30000);
        QTest::newRow("fraction") << "1234.5" << std::optional<float>(1234.5f);
        QTest::newRow("padded") << " 42 " << std::optional<float>(42);
        QTest::newRow("empty") << "" << std::optional<float>();
        QTest::newRow("word") << "left" << std::optional<float>();
        QTest::newRow("too large") << "1e999" << std::optional<float>();
        QTest::newRow("binary") << QString::fromLatin1("\x01\xff\x7f") << std::optional<float>();
    }

    void numbersReadAsSinglePrecision() {
        QFETCH(QString, text);
        QFETCH(std::optional<float>, number);
        QCOMPARE(numberFromText(text), number);
    }

    void truthValues_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<bool>>("truth");
        QTest::newRow("True") << "True" << std::optional<bool>(true);
        QTest::newRow("true") << "true" << std::optional<bool>(true);
        QTest::newRow("FALSE") << "FALSE" << std::optional<bool>(false);
        QTest::newRow("0") << "0" << std::optional<bool>(false);
        QTest::newRow("1") << "1" << std::optional<bool>(true);
        QTest::newRow("-1") << "-1" << std::optional<bool>(true);
        QTest::newRow("0.5") << "0.5" << std::optional<bool>(true);
        QTest::newRow("yes") << "yes" << std::optional<bool>();
        QTest::newRow("empty") << "" << std::optional<bool>();
    }

    void truthValues() {
        QFETCH(QString, text);
        QFETCH(std::optional<bool>, truth);
        QCOMPARE(truthFromText(text), truth);
    }

    void writtenTextsReadBack() {
        QCOMPARE(textFromNumber(1005), QStringLiteral("1005"));
        QCOMPARE(textFromNumber(-2000), QStringLiteral("-2000"));
        QCOMPARE(textFromNumber(0.1f), QStringLiteral("0.1"));
        QCOMPARE(textFromTruth(true), QStringLiteral("True"));
        QCOMPARE(textFromTruth(false), QStringLiteral("False"));
        for (const float value : {0.1f, 1234.5f, 16777217.0f, 3.4e38f, -1e-30f})
            QCOMPARE(numberFromText(textFromNumber(value)), std::optional<float>(value));
    }
};

QTEST_GUILESS_MAIN(TestSettingsText)
#include "tst_settingstext.moc"
