// The window's load of a logo file into the logo buffer. The file's own rules are tested in
// tests/logofile, the failures an operator meets at the window in tests/faults.
#include "app/LogoLoader.h"
#include "app/RestTexts.h"
#include "support/Fakes.h"
#include "support/TestData.h"
#include "support/TransferFakes.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace markast;
using namespace markast::test;

class TestLogoLoader : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    ScriptedFileDialog dialog;
    RecordingView view;

    QString writeFile(const QString& name, const QByteArray& bytes) {
        return test::writeFile(dir.filePath(name), bytes);
    }

    // The road of File > Open...: the dialog, then the load of what it chose.
    bool load(const std::optional<QString>& answer, LogoBuffer& logo) {
        dialog.answers = {answer};
        const std::optional<QString> path = chooseLogoFile(dialog);
        LogoFileError error;
        return path && loadLogoFile(*path, view, logo, error);
    }

private Q_SLOTS:
    void init() {
        dialog = ScriptedFileDialog();
        view = RecordingView();
    }

    void theDialogIsSetUpForLogoFiles() {
        LogoBuffer logo;
        QVERIFY(!load(std::nullopt, logo));
        QCOMPARE(dialog.setups.size(), std::size_t(1));
        QCOMPARE(dialog.setups[0].title, QStringLiteral("Open Logo File"));
        QCOMPARE(dialog.setups[0].filter,
                 QStringLiteral("HPGL Plot Files (*.PLT) |*.plt|Logo Files (*.Dot) |*.Dot"));
        QCOMPARE(dialog.setups[0].fileName, QString());
    }

    void aOneByteFileShowsEveryStepInOrder() {
        const QString path = writeFile("one.plt", "\x1b");
        LogoBuffer logo;
        QVERIFY(load(path, logo));
        QCOMPARE(view.log, QStringList({
                               "status: Loading Logo File (1 bytes)",
                               "refresh",
                               "value: 0",
                               "max: 1",
                               "value: 0",
                               "file: " + path,
                               "status: Logo Loaded, Now Select Download",
                               "refresh",
                               "download enabled",
                               "help: " + RestTexts::of(Rest::Loaded).help,
                           }));
        QCOMPARE(logo.LogoLength, 1);
        QCOMPARE(logo.LogoData, std::vector<std::uint8_t>({0, 0x1b}));
    }

    void progressMovesFromTheSecondByteOn() {
        LogoBuffer logo;
        QVERIFY(load(writeFile("two.plt", "AB"), logo));
        QCOMPARE(view.values, std::vector<float>({0, 2, 0}));

        view = RecordingView();
        QVERIFY(load(writeFile("five.plt", "ABCDE"), logo));
        QCOMPARE(view.values, std::vector<float>({0, 2, 3, 4, 5, 0}));
    }

    void everyByteValueLoadsUnchanged() {
        const QByteArray bytes = allByteValues() + "\r\n\n\r\x1a" + allByteValues();
        LogoBuffer logo;
        QVERIFY(load(writeFile("all.Dot", bytes), logo));
        QCOMPARE(logo.payload().toByteArray(), bytes);
        QCOMPARE(logo.LogoData.size(), std::size_t(bytes.size() + 1));
        QCOMPARE(logo.LogoData[0], std::uint8_t(0));
    }

    void aSecondFileReplacesTheFirstWhole() {
        LogoBuffer logo;
        QVERIFY(load(writeFile("long.plt", QByteArray(1000, 'x')), logo));
        QVERIFY(load(writeFile("short.plt", "abc"), logo));
        QCOMPARE(logo.LogoLength, 3);
        QCOMPARE(logo.LogoData.size(), std::size_t(4));
        QCOMPARE(logo.payload().toByteArray(), QByteArray("abc"));
    }

    void failuresBeforeReadingChangeNothing_data() {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::newRow("empty name") << std::optional<QString>(QString());
        QTest::newRow("missing file") << std::optional<QString>("/nonexistent/logo.plt");
    }

    void failuresBeforeReadingChangeNothing() {
        QFETCH(std::optional<QString>, answer);
        LogoBuffer logo = logoOf("earlier");
        QVERIFY(!load(answer, logo));
        QVERIFY(view.log.isEmpty());
        QCOMPARE(logo.payload().toByteArray(), QByteArray("earlier"));
    }

    void anUnreadableFileFailsQuietly() {
        const QString path = writeFile("locked.plt", "secret");
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        // The folder stays open to others: the size is seen, only the read is refused.
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner |
                                                      QFileDevice::ExeOther));
        const int result = asOrdinaryUser([&] {
            LogoBuffer logo = logoOf("earlier");
            const bool loaded = load(path, logo);
            const bool sizeShown = view.log.value(0) == "status: Loading Logo File (6 bytes)";
            return !loaded && sizeShown && logo.payload().toByteArray() == "earlier" ? 0 : 1;
        });
        QCOMPARE(result, 0);
    }

    void progressNeverDecreasesNorPassesMaxBeyondSinglePrecision() {
        const qint64 size = (qint64(1) << 24) + 7;
        const QString path = dir.filePath("big.plt");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(size));
        file.close();
        view.logEveryValue = false;
        LogoBuffer logo;
        QVERIFY(load(path, logo));
        QCOMPARE(view.max, float(size));
        const auto& values = view.values;
        QCOMPARE(values.size(), std::size_t(size - 1 + 2));
        for (std::size_t i = 2; i + 1 < values.size(); ++i)
            QVERIFY(values[i] >= values[i - 1] && values[i] <= view.max);
    }
};

QTEST_GUILESS_MAIN(TestLogoLoader)
#include "tst_logoloader.moc"
