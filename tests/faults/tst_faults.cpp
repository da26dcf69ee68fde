// What goes wrong on the road of a logo, and what the operator sees then: the texts, the
// enabled states, the message, and the bytes that reached the far end of the line.
//
// Scenarios tested where their subject lives, and not repeated here:
// - a missing port chosen from the menu: tests/app/tst_portselection;
// - an unreadable file (needs an ordinary user's rights): tests/app/tst_logoloader;
// - a close request while the bytes are on their way: tests/app/tst_endtoend.
#include "app/PathLabel.h"
#include "app/ProgressBar.h"
#include "app/StatusBar.h"
#include "platform/SettingsStore.h"
#include "serial/MSComm.h"
#include "serial/PortConfiguration.h"
#include "support/Pty.h"
#include "support/WindowRig.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QTest>
#include <QTimer>

using namespace markast;
using namespace markast::test;
using namespace std::chrono_literals;

namespace {

const QString RefusedText = QStringLiteral("did not take the logo");

} // namespace

class TestFaults : public QObject {
    Q_OBJECT

    void verifyRefused(WindowRig& rig, const QString& path, qsizetype size) {
        frmMain& main = *rig.form;
        QCOMPARE(rig.fakes.messages.shown.size(), std::size_t(1));
        QVERIFY(rig.fakes.messages.shown[0].text.contains(RefusedText));
        QCOMPARE(rig.fakes.messages.shown[0].icon, MessageBoxes::Icon::Warning);
        QCOMPARE(main.sbStatusBar->simpleText(),
                 QStringLiteral("Downloading HPGL file (%1 bytes)").arg(size));
        QCOMPARE(main.Label1->text(), path);
        QVERIFY(main.mnuDownload->isEnabled());
        QVERIFY(main.btnDownload->isEnabled());
        QVERIFY(main.isVisible());
        QVERIFY(!main.isUnloaded());
    }

private Q_SLOTS:
    // ---- The line ----

    void ctsHeldLowForever() {
        WindowRig rig;
        HeldLine& line = rig.startOnHeldLine(2s);
        QVERIFY(line.isReady());
        frmMain& main = *rig.form;
        const QByteArray bytes = patternedBytes(100'000);
        const QString path = rig.writeFile("held.plt", bytes);
        rig.open(path);
        line.hold();
        main.mnuDownload->trigger();

        verifyRefused(rig, path, bytes.size());
        const float stoppedAt = main.ProgressBar1->value();
        QVERIFY(stoppedAt > 0 && stoppedAt < bytes.size());
        line.release();
        const QByteArray partial = rig.reader->bytesAfterQuiet(300ms);
        QVERIFY(partial.size() < stoppedAt);
        QCOMPARE(partial, bytes.left(partial.size()));

        // Once the line runs again, Download sends the whole logo from its first byte.
        main.mnuDownload->trigger();
        QVERIFY(rig.reader->waitForBytes(partial.size() + bytes.size(), 20s));
        QCOMPARE(rig.reader->bytesAfterQuiet(300ms).mid(partial.size()), bytes);
        QCOMPARE(rig.fakes.messages.shown.size(), std::size_t(1));
        QCOMPARE(main.sbStatusBar->simpleText(), QStringLiteral("Waiting for Command"));
    }

    void aPulledAdapterAndTheRetryAfterItIsPluggedIn() {
        WindowRig rig;
        SocatPair& pair = rig.startOnPair(60s, 9600);
        MARKAST_VERIFY_PAIR(pair);
        frmMain& main = *rig.form;
        const QByteArray bytes = patternedBytes(300'000);
        const QString path = rig.writeFile("pulled.plt", bytes);
        rig.open(path);
        // The window keeps repainting while it sends, so a timer fires mid-send.
        QTimer::singleShot(1000, &main, [&] { pair.kill(); });
        main.mnuDownload->trigger();

        verifyRefused(rig, path, bytes.size());
        const QByteArray received = rig.reader->bytesAfterQuiet(300ms);
        QVERIFY(received.size() < bytes.size());
        QCOMPARE(received, bytes.left(received.size()));

        // Download again with the adapter still out: the same message, nothing else.
        main.mnuDownload->trigger();
        QCOMPARE(rig.fakes.messages.shown.size(), std::size_t(2));
        QCOMPARE(main.ProgressBar1->value(), 1.0f);
        // Plugged in again at the same path, as the message asks: the whole logo arrives.
        QVERIFY(pair.replug());
        rig.reader = std::make_unique<FarEndReader>(pair.openFarEnd());
        main.mnuDownload->trigger();
        QVERIFY(rig.reader->waitForBytes(bytes.size(), 30s));
        QCOMPARE(rig.reader->bytesAfterQuiet(300ms), bytes);
        QCOMPARE(rig.fakes.messages.shown.size(), std::size_t(2));
        QCOMPARE(main.sbStatusBar->simpleText(), QStringLiteral("Waiting for Command"));
    }

    // ---- The port ----

    void aPortThatCannotBeOpenedAtStartUp_data() {
        QTest::addColumn<bool>("busy");
        QTest::newRow("busy") << true;
        QTest::newRow("missing") << false;
    }

    void aPortThatCannotBeOpenedAtStartUp() {
        QFETCH(bool, busy);
        WindowRig rig;
        SocatPair pair;
        MARKAST_VERIFY_PAIR(pair);
        FarEndReader reader(pair.openFarEnd());
        MSComm otherProgram;
        qputenv("MARKAST_COM1", pair.programEnd().toLocal8Bit());
        QVERIFY(configurePort(otherProgram, 1, QString(), SequenceForm::StartUp));
        if (!busy)
            QVERIFY(otherProgram.setPortOpen(false));
        qunsetenv("MARKAST_COM1");

        const QString device = busy ? pair.programEnd() : QStringLiteral("/nonexistent/ttyMARKAST");
        frmMain& main = rig.startReal(device);
        main.reportStartUpProblems();
        QCOMPARE(rig.fakes.messages.shown.size(), std::size_t(1));
        QVERIFY(rig.fakes.messages.shown[0].text.startsWith(QStringLiteral("COM1 ")));
        QVERIFY(rig.fakes.messages.shown[0].text.contains(device + ": "));
        QCOMPARE(rig.fakes.ports.LastGoodPort, 0);
        QVERIFY(!rig.comm->portOpen());
        QCOMPARE(main.sbStatusBar->simpleText(), QStringLiteral("Waiting for command"));
        QVERIFY(main.mniCom1->isChecked());

        // A download then meets a closed port: it fails in order and sends nothing.
        const QString path = rig.writeFile("logo.plt", "PU0,0;");
        rig.open(path);
        main.mnuDownload->trigger();
        QCOMPARE(rig.fakes.messages.shown.size(), std::size_t(2));
        QVERIFY(rig.fakes.messages.shown[1].text.contains(RefusedText));
        QCOMPARE(main.Label1->text(), path);
        QVERIFY(main.mnuDownload->isEnabled());
        QVERIFY(reader.bytesAfterQuiet(300ms).isEmpty());
    }

    void aBusyPortChosenFromTheMenu() {
        WindowRig rig;
        MARKAST_VERIFY_PAIR(rig.startOnPair());
        MARKAST_VERIFY_PAIR(rig.addPairAs(2));
        MSComm otherProgram;
        QVERIFY(configurePort(otherProgram, 2, QString(), SequenceForm::StartUp));
        frmMain& main = *rig.form;
        main.mniCom2->trigger();
        QCOMPARE(rig.fakes.messages.shown.size(), std::size_t(1));
        QCOMPARE(rig.fakes.messages.shown[0].text,
                 QStringLiteral("Invalid Comunication port please try again"));
        QVERIFY(!main.mniCom2->isEnabled());
        QVERIFY(!main.mniCom2->isChecked());
        QVERIFY(main.mniCom1->isChecked());

        rig.loadAndSend("SP2;PA0,0;");
        QVERIFY(rig.reader->waitForBytes(10, 10s));
        QCOMPARE(rig.reader->bytesAfterQuiet(200ms), QByteArray("SP2;PA0,0;"));
        QVERIFY(rig.secondReader->bytes().isEmpty());
    }

    // ---- The file ----

    void aFailedLoadKeepsTheEarlierLogoWholeAndSendable_data() {
        QTest::addColumn<QString>("kind");
        for (const char* kind :
             {"cancel", "empty", "directory", "vanished", "grows", "shrinks", "sparse 2 GiB"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }

    void aFailedLoadKeepsTheEarlierLogoWholeAndSendable() {
        QFETCH(QString, kind);
        WindowRig rig;
        MARKAST_VERIFY_PAIR(rig.startOnPair());
        frmMain& main = *rig.form;
        const QByteArray earlier = "IN;SP1;PU100,100;PD200,200;";
        const QString earlierPath = rig.writeFile("earlier.plt", earlier);
        rig.open(earlierPath);

        QString path = rig.writeFile("failing.plt", patternedBytes(200'000));
        if (kind == "cancel") {
            path.clear();
        } else if (kind == "empty") {
            path = rig.writeFile("empty.plt", QByteArray());
        } else if (kind == "directory") {
            path = rig.dir.path();
        } else if (kind == "vanished") {
            rig.fakes.fileDialog.whileOpen = [&] {
                QFile::remove(path);
            };
        } else if (kind == "grows" || kind == "shrinks") {
            connect(main.ProgressBar1, &QProgressBar::valueChanged, &main, [&, kind] {
                if (main.ProgressBar1->value() < 100'000 || !QFile::exists(path))
                    return;
                QFile file(path);
                QVERIFY(file.open(QIODevice::ReadWrite));
                QVERIFY(file.resize(kind == "grows" ? 300'000 : 150'000));
                file.close();
                QFile::rename(path, path + ".done"); // change it once
            });
        } else if (kind == "sparse 2 GiB") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.resize(qint64(1) << 31));
        }
        if (path.isEmpty())
            rig.fakes.fileDialog.answers = {std::nullopt};
        else
            rig.fakes.fileDialog.answers = {path};
        main.mnuFileOpen->trigger();

        // The window tells one story: the earlier logo's.
        QCOMPARE(main.sbStatusBar->simpleText(),
                 QStringLiteral("Logo Loaded, Now Select Download"));
        QCOMPARE(main.ProgressBar1->value(), 0.0f);
        QCOMPARE(main.Label1->text(), earlierPath);
        QVERIFY(main.mnuDownload->isEnabled());
        QVERIFY(main.btnDownload->isEnabled());
        QVERIFY(rig.fakes.messages.shown.empty());

        main.mnuDownload->trigger();
        QVERIFY(rig.reader->waitForBytes(earlier.size(), 10s));
        QCOMPARE(rig.reader->bytesAfterQuiet(300ms), earlier);
        QCOMPARE(main.sbStatusBar->simpleText(), QStringLiteral("Waiting for Command"));
    }

    void anEmptyFileAsTheFirstLoadSendsNothing() {
        WindowRig rig;
        MARKAST_VERIFY_PAIR(rig.startOnPair());
        frmMain& main = *rig.form;
        rig.open(rig.writeFile("empty.plt", QByteArray()));
        QCOMPARE(main.sbStatusBar->simpleText(), QStringLiteral("Waiting for command"));
        QCOMPARE(main.Label1->text(), QStringLiteral("No File Selected"));
        QCOMPARE(main.ProgressBar1->value(), 0.0f);
        QVERIFY(!main.mnuDownload->isEnabled());
        main.mnuDownload->trigger();
        main.btnDownload->trigger();
        QVERIFY(rig.reader->bytesAfterQuiet(300ms).isEmpty());
    }

    // ---- The settings ----

    void aSettingsFileOfJunk_data() {
        QTest::addColumn<QByteArray>("junk");
        QByteArray binary;
        for (int i = 0; i < 8192; ++i)
            binary.append(static_cast<char>((i * 181 + 7) % 256));
        QTest::newRow("binary") << binary;
        QTest::newRow("garbage values") << QByteArray("[Settings]\nMainLeft=banana\nMainTop=\n"
                                                      "MainWidth=1e999\nCom1=perhaps\nCom2=\x01\n"
                                                      "Com3=, ,\n[Settings\n=\n");
    }

    void aSettingsFileOfJunk() {
        QFETCH(QByteArray, junk);
        QTemporaryDir config;
        QVERIFY(QDir(config.path()).mkpath(Settings::applicationName()));
        QFile file(config.filePath(QStringLiteral("%1/%1.conf").arg(Settings::applicationName())));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(junk);
        file.close();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());

        NativeSettingsStore store;
        WindowRig rig;
        rig.settings = &store;
        QTest::failOnWarning(QRegularExpression("settings could not be saved"));
        frmMain& main = rig.startFake();
        QCOMPARE(main.size(), QSize(400, 261));
        QVERIFY(main.mniCom1->isChecked());
        QVERIFY(!main.mniCom2->isChecked());
        QCOMPARE(main.sbStatusBar->simpleText(), QStringLiteral("Waiting for command"));
        QVERIFY(rig.fakes.serial.portOpen());
        QVERIFY(main.close());
        QVERIFY(!rig.fakes.serial.portOpen());
        QVERIFY(Settings(store).portChecked(1));
        QCOMPARE(Settings(store).window().width, 6000.0f);
    }

    void aSettingsFolderThatCannotBeWritten() {
        QTemporaryDir config;
        QFile blocker(config.filePath("blocked"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           config.filePath("blocked/inside"));

        NativeSettingsStore store;
        WindowRig rig;
        rig.settings = &store;
        frmMain& main = rig.startFake();
        QVERIFY(main.mniCom1->isChecked());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("settings could not be saved"));
        QVERIFY(main.close());
        QVERIFY(main.isUnloaded());
        QVERIFY(!main.isVisible());
        QVERIFY(!rig.fakes.serial.portOpen());
    }

    // ---- The settle wait ----

    void closingDuringTheSettleWait_data() {
        QTest::addColumn<bool>("byExit");
        QTest::newRow("close box") << false;
        QTest::newRow("File > Exit") << true;
    }

    void closingDuringTheSettleWait() {
        QFETCH(bool, byExit);
        WindowRig rig;
        MARKAST_VERIFY_PAIR(rig.startOnPair());
        frmMain& main = *rig.form;
        rig.fakes.clock.onPause = [&] {
            if (rig.fakes.clock.readings.size() == 3) {
                if (byExit)
                    main.mnuFileExit->trigger();
                else
                    main.close();
            }
        };
        rig.loadAndSend("PD;PU;");
        QVERIFY(main.isUnloaded());
        QVERIFY(!main.isVisible());
        QVERIFY(!rig.comm->portOpen());
        QVERIFY(rig.fakes.settings.written.contains(Settings::portEnabledKey(4)));
        QCOMPARE(main.sbStatusBar->simpleText(), QStringLiteral("Download Complete"));
        QVERIFY(rig.fakes.messages.shown.empty());
        QCOMPARE(rig.reader->bytesAfterQuiet(300ms), QByteArray("PD;PU;"));
    }

    void openOrDownloadPressedDuringTheSettleWait() {
        WindowRig rig;
        MARKAST_VERIFY_PAIR(rig.startOnPair());
        frmMain& main = *rig.form;
        const QString other = rig.writeFile("other.plt", "SHOULD NOT LOAD");
        rig.open(rig.writeFile("once.plt", "IN;SP1;"));
        rig.fakes.fileDialog.answers = {other};
        int presses = 0;
        rig.fakes.clock.onPause = [&] {
            QVERIFY(main.mnuFileOpen->isEnabled() && main.mnuDownload->isEnabled());
            main.mnuFileOpen->trigger();
            main.btnOpen->trigger();
            main.mnuDownload->trigger();
            main.btnDownload->trigger();
            ++presses;
        };
        main.mnuDownload->trigger();
        QVERIFY(presses > 0);
        QCOMPARE(rig.fakes.fileDialog.setups.size(), std::size_t(1)); // only the first load
        QCOMPARE(rig.reader->bytesAfterQuiet(300ms), QByteArray("IN;SP1;"));
        QCOMPARE(main.Label1->text(), QStringLiteral("No file loaded"));
        QCOMPARE(main.sbStatusBar->simpleText(), QStringLiteral("Waiting for Command"));
    }
};

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
