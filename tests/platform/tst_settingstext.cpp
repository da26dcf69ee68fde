// Settings texts and the native per-user store.
#include "platform/SettingsStore.h"
#include "platform/SettingsText.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace markast;

class TestSettingsText : public QObject {
    Q_OBJECT

    QTemporaryDir home;

    void useConfigFolder(const QString& folder) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    }

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

    void nativeStoreKeepsTextsInTheUsersFolder() {
        useConfigFolder(home.path());
        NativeSettingsStore store;
        QCOMPARE(store.read("Example", "Group", "Left", "1000"), QStringLiteral("1000"));
        QVERIFY(store.write("Example", "Group", "Left", "1500"));
        QVERIFY(store.write("Example", "Group", "Port", "True"));
        QCOMPARE(store.read("Example", "Group", "Left", "1000"), QStringLiteral("1500"));

        QFile file(home.filePath("Example/Example.conf"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.contains("[Group]"));
        QVERIFY(text.contains("Left=1500"));
        QVERIFY(text.contains("Port=True"));
    }

    void aStoreFullOfJunkReadsAsDefaults() {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkpath("Example"));
        QFile file(folder.filePath("Example/Example.conf"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray junk;
        for (int i = 0; i < 4096; ++i)
            junk.append(static_cast<char>((i * 131) % 256));
        file.write(junk);
        file.close();
        useConfigFolder(folder.path());
        NativeSettingsStore store;
        QCOMPARE(store.read("Example", "Group", "Port", "True"), QStringLiteral("True"));
        QCOMPARE(store.read("Example", "Group", "Top", "1000"), QStringLiteral("1000"));
    }
};

QTEST_GUILESS_MAIN(TestSettingsText)
#include "tst_settingstext.moc"
