// Actions > Preview Logo: it follows Download, shows the logo Download would send, and never
// changes what is sent.
#include "app/LogoCanvas.h"
#include "app/frmMain.h"
#include "app/frmPreview.h"
#include "support/WindowRig.h"

#include <QCheckBox>
#include <QLabel>
#include <QTest>

using namespace markast;
using namespace markast::test;
using namespace std::chrono_literals;

namespace {
const QByteArray Square = "IN;SP1;PU0,0;PD400,0,400,400,0,400,0,0;PU;";
}

class TestFrmPreview : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void previewFollowsDownloadAndShowsWhatItWouldSend() {
        WindowRig rig;
        frmMain& main = rig.startFake();
        const auto follows = [&](bool enabled) {
            return main.mnuPreview->isEnabled() == enabled &&
                   main.mnuDownload->isEnabled() == enabled;
        };
        QVERIFY(follows(false)); // after start-up

        rig.open(rig.writeFile("square.plt", Square));
        QVERIFY(follows(true));
        main.mnuPreview->trigger();
        frmPreview* preview = main.findChild<frmPreview*>();
        QVERIFY(preview && preview->isVisible());
        QCOMPARE(preview->windowTitle(), QStringLiteral("Logo Preview - square.plt"));
        QVERIFY(preview->lblSize->text().startsWith("Size: 10.0 \u00d7 10.0 mm"));
        QCOMPARE(preview->lblNotes->text(), QStringLiteral("Everything in the file was drawn"));
        QTRY_VERIFY(preview->canvas->isComplete());

        rig.open(rig.writeFile("empty.plt", {})); // a failed load changes nothing
        QVERIFY(follows(true));
        QCOMPARE(preview->windowTitle(), QStringLiteral("Logo Preview - square.plt"));

        rig.open(rig.writeFile("binary.Dot", "\x01\x02\xff\x7f"));
        QVERIFY(follows(true));
        QCOMPARE(preview->windowTitle(), QStringLiteral("Logo Preview - binary.Dot"));
        QCOMPARE(preview->lblMessage->text(),
                 QStringLiteral("This file has no HPGL drawing to preview"));
        QVERIFY(preview->lblMessage->isVisible());
        QCOMPARE(preview->lblNotes->text(),
                 QStringLiteral("4 bytes, with no HPGL drawing in them"));

        rig.fakes.serial.refuseAt = 2; // a refused download keeps Download
        main.mnuDownload->trigger();
        QVERIFY(follows(true));
        rig.fakes.serial.refuseAt.reset();
        main.mnuDownload->trigger();
        QVERIFY(follows(false));
        QCOMPARE(preview->lblMessage->text(), QStringLiteral("No logo loaded"));
        QCOMPARE(preview->windowTitle(), QStringLiteral("Logo Preview"));

        // One preview at a time; closing the main window closes it.
        rig.open(rig.writeFile("square.plt", Square));
        main.mnuPreview->trigger();
        QCOMPARE(main.findChildren<frmPreview*>().size(), 1);
        QVERIFY(main.close());
        QVERIFY(!preview->isVisible());
    }

    void thePreviewNeverChangesWhatIsSent() {
        WindowRig rig;
        MARKAST_VERIFY_PAIR(rig.startOnPair());
        frmMain& main = *rig.form;
        const QByteArray bytes = Square + allByteValues() + Square;
        rig.open(rig.writeFile("logo.plt", bytes));
        main.mnuPreview->trigger();
        main.findChild<frmPreview*>()->chkMoves->setChecked(true);
        main.mnuDownload->trigger();
        QVERIFY(rig.reader->waitForBytes(bytes.size(), 10s));
        QCOMPARE(rig.reader->bytesAfterQuiet(300ms), bytes);
    }
};

QTEST_MAIN(TestFrmPreview)
#include "tst_frmpreview.moc"
