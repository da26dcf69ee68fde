// The whole road of a logo, as an operator takes it: the real main window and serial
// control, a file chosen in the dialog, and the bytes read at the far end of a pty pair.
#include "Fakes.h"
#include "MSComm.h"
#include "Module1.h"
#include "ProgressBar.h"
#include "Pty.h"
#include "StatusBar.h"
#include "frmMain.h"

#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace markast;
using namespace markast::test;
using namespace std::chrono_literals;

namespace {

QByteArray patterned(qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 251 + i / 256) % 256);
    return bytes;
}

} // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<FakeServices> fakes;
    std::unique_ptr<MSComm> comm;
    std::unique_ptr<frmMain> form;

    // Starts the window on COM1 mapped to path, as Markast starts.
    frmMain& start(const QString& path, std::chrono::milliseconds stallTime = 20s) {
        qputenv("MARKAST_COM1", path.toLocal8Bit());
        comm = std::make_unique<MSComm>();
        comm->setStallTime(stallTime);
        form = std::make_unique<frmMain>(fakes->services(*comm));
        form->Form_Load();
        form->show();
        return *form;
    }

    QString writeLogo(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    void open(const QString& path) {
        fakes->fileDialog.answers = {path};
        form->mnuFileOpen->trigger();
    }

private Q_SLOTS:
    void init() {
        fakes = std::make_unique<FakeServices>();
        Module1::LastGoodPort = 0;
    }

    void cleanup() {
        form.reset();
        comm.reset();
        fakes.reset();
    }

    void theFarEndReceivesExactlyTheFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray all;
        for (int value = 0; value < 256; ++value)
            all.append(static_cast<char>(value));
        QTest::newRow("all byte values") << all;
        QTest::newRow("1 byte") << QByteArray("\x00", 1);
        QTest::newRow("2 bytes") << QByteArray("\r\n");
        QTest::newRow("1000 bytes") << patterned(1000);
        QTest::newRow("1 MiB") << patterned(1 << 20);
    }

    void theFarEndReceivesExactlyTheFile() {
        QFETCH(QByteArray, bytes);
        SocatPair pair;
        QVERIFY(pair.isReady());
        FarEndReader reader(pair.openFarEnd());
        frmMain& main = start(pair.programEnd());
        const QString path = writeLogo("logo.plt", bytes);

        open(path);
        QCOMPARE(main.Label1->text(), path);
        QCOMPARE(main.sbStatusBar->simpleText(),
                 QStringLiteral("Logo Loaded, Now Select Download"));
        QVERIFY(main.mnuDownload->isEnabled());
        main.mnuDownload->trigger();

        QVERIFY(reader.waitForBytes(bytes.size(), 30s));
        QCOMPARE(reader.bytesAfterQuiet(300ms), bytes);
        QCOMPARE(main.sbStatusBar->simpleText(), QStringLiteral("Waiting for Command"));
        QCOMPARE(main.Label1->text(), QStringLiteral("No file loaded"));
        QVERIFY(!main.mnuDownload->isEnabled());
        QVERIFY(!main.btnDownload->isEnabled());
        QVERIFY(fakes->messages.shown.empty());
    }

    void anEmptyFileLoadsNothingAndSendsNothing() {
        SocatPair pair;
        QVERIFY(pair.isReady());
        FarEndReader reader(pair.openFarEnd());
        frmMain& main = start(pair.programEnd());
        open(writeLogo("empty.plt", QByteArray()));
        QCOMPARE(main.sbStatusBar->simpleText(), QStringLiteral("Loading Logo File (0 bytes)"));
        QCOMPARE(main.Label1->text(), QStringLiteral("No File Selected"));
        QVERIFY(!main.mnuDownload->isEnabled());
        main.mnuDownload->trigger();
        main.btnDownload->trigger();
        QVERIFY(reader.bytesAfterQuiet(300ms).isEmpty());
    }

    void aSecondDownloadNeedsANewLoad() {
        SocatPair pair;
        QVERIFY(pair.isReady());
        FarEndReader reader(pair.openFarEnd());
        frmMain& main = start(pair.programEnd());
        const QByteArray bytes = patterned(5000);
        const QString path = writeLogo("again.plt", bytes);
        open(path);
        main.btnDownload->trigger();
        QVERIFY(reader.waitForBytes(bytes.size(), 10s));
        main.btnDownload->trigger(); // disabled now: nothing happens
        QCOMPARE(reader.bytesAfterQuiet(300ms), bytes);

        open(path);
        main.btnDownload->trigger();
        QVERIFY(reader.waitForBytes(2 * bytes.size(), 10s));
        QCOMPARE(reader.bytesAfterQuiet(300ms), bytes + bytes);
    }

    void aHeldLineFailsTheSendAndALaterSendSucceeds() {
        HeldLine line;
        QVERIFY(line.isReady());
        FarEndReader reader(line.takeMaster());
        frmMain& main = start(line.programEnd(), 2s);
        const QByteArray bytes = patterned(100'000);
        const QString path = writeLogo("held.plt", bytes);
        open(path);
        line.hold();
        main.mnuDownload->trigger();

        QCOMPARE(fakes->messages.shown.size(), std::size_t(1));
        QVERIFY(fakes->messages.shown[0].text.contains(QStringLiteral("did not take the logo")));
        QVERIFY(fakes->messages.shown[0].text.contains(QStringLiteral("Download")));
        QCOMPARE(main.sbStatusBar->simpleText(),
                 QStringLiteral("Downloading HPGL file (100000 bytes)"));
        QCOMPARE(main.Label1->text(), path);
        QVERIFY(main.mnuDownload->isEnabled());
        QVERIFY(main.btnDownload->isEnabled());
        QVERIFY(main.ProgressBar1->value() > 0 && main.ProgressBar1->value() < 100'000);
        QVERIFY(!main.isUnloaded());

        line.release();
        const qsizetype partial = reader.bytesAfterQuiet(300ms).size();
        QVERIFY(partial < bytes.size());
        main.mnuDownload->trigger();
        QVERIFY(reader.waitForBytes(partial + bytes.size(), 20s));
        QCOMPARE(reader.bytesAfterQuiet(300ms).mid(partial), bytes);
        QCOMPARE(fakes->messages.shown.size(), std::size_t(1));
        QCOMPARE(main.sbStatusBar->simpleText(), QStringLiteral("Waiting for Command"));
    }

    void closingDuringTheSettleWaitEndsTheProgramCleanly_data() {
        QTest::addColumn<bool>("byExit");
        QTest::newRow("close box") << false;
        QTest::newRow("File > Exit") << true;
    }

    void closingDuringTheSettleWaitEndsTheProgramCleanly() {
        QFETCH(bool, byExit);
        SocatPair pair;
        QVERIFY(pair.isReady());
        FarEndReader reader(pair.openFarEnd());
        frmMain& main = start(pair.programEnd());
        open(writeLogo("settle.plt", "PD;PU;"));
        fakes->clock.onPause = [&] {
            if (fakes->clock.readings.size() == 3) {
                if (byExit)
                    main.mnuFileExit->trigger();
                else
                    main.close();
            }
        };
        main.mnuDownload->trigger();
        QVERIFY(main.isUnloaded());
        QVERIFY(!main.isVisible());
        QVERIFY(!comm->portOpen());
        QCOMPARE(fakes->settings.writtenKeys.size(), 12);
        QCOMPARE(main.sbStatusBar->simpleText(), QStringLiteral("Download Complete"));
        QCOMPARE(reader.bytesAfterQuiet(300ms), QByteArray("PD;PU;"));
    }

    void aCloseDuringTheSendWaitsForTheLastByte() {
        SocatPair pair;
        QVERIFY(pair.isReady());
        FarEndReader reader(pair.openFarEnd());
        frmMain& main = start(pair.programEnd());
        const QByteArray bytes = patterned(200'000);
        open(writeLogo("closing.plt", bytes));
        // The desktop asks the window to close while the bytes are on their way.
        QCoreApplication::postEvent(&main, new QCloseEvent);
        main.mnuDownload->trigger();
        QVERIFY(main.isUnloaded());
        QVERIFY(!main.isVisible());
        QCOMPARE(fakes->settings.writtenKeys.size(), 12);
        QVERIFY(reader.waitForBytes(bytes.size(), 10s));
        QCOMPARE(reader.bytesAfterQuiet(300ms), bytes);
        QVERIFY(fakes->clock.readings.empty()); // no settle wait once the window has gone
    }

    void openAndDownloadTakeNoInputDuringTheSettleWait() {
        SocatPair pair;
        QVERIFY(pair.isReady());
        FarEndReader reader(pair.openFarEnd());
        frmMain& main = start(pair.programEnd());
        const QString path = writeLogo("once.plt", "IN;SP1;");
        open(path);
        const auto dialogsBefore = fakes->fileDialog.setups.size();
        fakes->clock.onPause = [&] {
            main.mnuFileOpen->trigger();
            main.btnOpen->trigger();
            main.mnuDownload->trigger();
            main.btnDownload->trigger();
        };
        main.mnuDownload->trigger();
        QCOMPARE(fakes->fileDialog.setups.size(), dialogsBefore);
        QCOMPARE(reader.bytesAfterQuiet(300ms), QByteArray("IN;SP1;"));
        QCOMPARE(main.Label1->text(), QStringLiteral("No file loaded"));
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
