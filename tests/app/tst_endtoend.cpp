// The whole road of a logo, as an operator takes it: the real main window and serial
// control, a file chosen in the dialog, and the bytes read at the far end of a pty pair.
// What goes wrong on that road is tested in tests/faults.
#include "app/PathLabel.h"
#include "app/ProgressBar.h"
#include "app/StatusBar.h"
#include "support/WindowRig.h"

#include <QCloseEvent>
#include <QLabel>
#include <QTest>

using namespace markast;
using namespace markast::test;
using namespace std::chrono_literals;

class TestEndToEnd : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theFarEndReceivesExactlyTheFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("all byte values") << allByteValues();
        QTest::newRow("1 byte") << QByteArray("\x00", 1);
        QTest::newRow("2 bytes") << QByteArray("\r\n");
        QTest::newRow("1000 bytes") << patternedBytes(1000);
        QTest::newRow("1 MiB") << patternedBytes(1 << 20);
    }

    void theFarEndReceivesExactlyTheFile() {
        QFETCH(QByteArray, bytes);
        WindowRig rig;
        MARKAST_VERIFY_PAIR(rig.startOnPair());
        frmMain& main = *rig.form;
        const QString path = rig.writeFile("logo.plt", bytes);

        rig.open(path);
        QCOMPARE(main.Label1->text(), path);
        QCOMPARE(main.sbStatusBar->simpleText(),
                 QStringLiteral("Logo Loaded, Now Select Download"));
        QVERIFY(main.mnuDownload->isEnabled());
        main.mnuDownload->trigger();

        QVERIFY(rig.reader->waitForBytes(bytes.size(), 30s));
        QCOMPARE(rig.reader->bytesAfterQuiet(300ms), bytes);
        QCOMPARE(main.sbStatusBar->simpleText(), QStringLiteral("Waiting for Command"));
        QCOMPARE(main.Label1->text(), QStringLiteral("No file loaded"));
        QVERIFY(!main.mnuDownload->isEnabled());
        QVERIFY(!main.btnDownload->isEnabled());
        QVERIFY(rig.fakes.messages.shown.empty());
    }

    void aSecondDownloadNeedsANewLoad() {
        WindowRig rig;
        MARKAST_VERIFY_PAIR(rig.startOnPair());
        frmMain& main = *rig.form;
        const QByteArray bytes = patternedBytes(5000);
        const QString path = rig.writeFile("again.plt", bytes);
        rig.open(path);
        main.btnDownload->trigger();
        QVERIFY(rig.reader->waitForBytes(bytes.size(), 10s));
        main.btnDownload->trigger(); // disabled now: nothing happens
        QCOMPARE(rig.reader->bytesAfterQuiet(300ms), bytes);

        rig.open(path);
        main.btnDownload->trigger();
        QVERIFY(rig.reader->waitForBytes(2 * bytes.size(), 10s));
        QCOMPARE(rig.reader->bytesAfterQuiet(300ms), bytes + bytes);
    }

    void aCloseDuringTheSendWaitsForTheLastByte() {
        WindowRig rig;
        MARKAST_VERIFY_PAIR(rig.startOnPair());
        frmMain& main = *rig.form;
        const QByteArray bytes = patternedBytes(200'000);
        rig.open(rig.writeFile("closing.plt", bytes));
        // The desktop asks the window to close while the bytes are on their way.
        QCoreApplication::postEvent(&main, new QCloseEvent);
        QSet<QString> shownWhileSending;
        connect(main.ProgressBar1, &QProgressBar::valueChanged, &main, [&] {
            if (main.cursor().shape() == Qt::BusyCursor)
                shownWhileSending.insert(main.sbStatusBar->simpleText());
        });
        main.mnuDownload->trigger();
        QVERIFY(shownWhileSending.contains("Closing after the download..."));
        QVERIFY(main.isUnloaded());
        QVERIFY(!main.isVisible());
        QVERIFY(rig.fakes.settings.written.contains(Settings::portEnabledKey(4)));
        QVERIFY(rig.reader->waitForBytes(bytes.size(), 10s));
        QCOMPARE(rig.reader->bytesAfterQuiet(300ms), bytes);
        QVERIFY(rig.fakes.clock.readings.empty()); // no settle wait once the window has gone
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
