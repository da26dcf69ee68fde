// Actions > Preview Logo: it follows Download, shows the logo Download would send, and never
// changes what is sent.
#include "app/LogoCanvas.h"
#include "app/frmMain.h"
#include "app/frmPreview.h"
#include "support/WindowRig.h"

#include <QCheckBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

using namespace markast;
using namespace markast::test;
using namespace std::chrono_literals;

namespace {
const QByteArray Square = "IN;SP1;PU0,0;PD400,0,400,400,0,400,0,0;PU;";
// A frame of 50 x 25 mm.
const QByteArray Frame = "IN;PU0,0;PD2000,0,2000,1000,0,1000,0,0;PU;";

// The logo is read aside; true once the window shows what was read.
bool readAndShown(const frmPreview& preview) {
    return QTest::qWaitFor([&] { return !preview.lblNotes->text().isEmpty(); });
}

// The preview of bytes, loaded as name in a window of rig's.
frmPreview& previewOf(WindowRig& rig, const QString& name, const QByteArray& bytes) {
    frmMain& main = rig.startFake();
    rig.open(rig.writeFile(name, bytes));
    main.mnuPreview->trigger();
    frmPreview& preview = *main.findChild<frmPreview*>();
    // Its keys work in the window the operator is in.
    if (!QTest::qWaitForWindowActive(&preview) || !readAndShown(preview))
        qFatal("the preview did not become the active window with its logo read");
    return preview;
}

// The box of the last thing drawn down the first page of a PDF, in millimetres, as poppler
// draws the page at 10 dots to the millimetre; below it nothing is drawn.
QSizeF lastDrawnMillimetres(const QString& pdf) {
    QProcess draw;
    draw.start("pdftoppm", {"-r", "254", "-gray", "-png", "-singlefile", pdf, pdf});
    if (!draw.waitForFinished(30000))
        return {};
    const QImage page(pdf + ".png");
    QRect box;
    bool inked = false;
    for (int y = page.height() - 1; y >= 0; --y) {
        int left = page.width();
        int right = -1;
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = x;
            }
        }
        if (right >= 0) {
            inked = true;
            box |= QRect(left, y, right - left + 1, 1);
        } else if (inked) {
            break; // the gap above the logo
        }
    }
    return QSizeF(box.size()) / 10;
}
} // namespace

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
        // Read aside: the window answers at once, and shows the drawing once it is read.
        QCOMPARE(preview->lblMessage->text(), QStringLiteral("Reading the logo..."));
        QVERIFY(readAndShown(*preview));
        QVERIFY(preview->lblSize->text().startsWith("Size: 10.0 \u00d7 10.0 mm"));
        QCOMPARE(preview->lblNotes->text(), QStringLiteral("Everything in the file was drawn"));
        QTRY_VERIFY(preview->canvas->isComplete());

        rig.open(rig.writeFile("empty.plt", {})); // a failed load changes nothing
        QVERIFY(follows(true));
        QCOMPARE(preview->windowTitle(), QStringLiteral("Logo Preview - square.plt"));

        rig.open(rig.writeFile("binary.Dot", "\x01\x02\xff\x7f"));
        QVERIFY(follows(true));
        QCOMPARE(preview->windowTitle(), QStringLiteral("Logo Preview - binary.Dot"));
        QVERIFY(readAndShown(*preview));
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

    // PNG as markast-render draws it, pixel for pixel; SVG and PDF as the dialog's entry says,
    // whatever suffix was typed.
    void saveImage_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("PNG") << 0 << "frame.png"
                             << "frame.png";
        QTest::newRow("SVG, no suffix typed") << 1 << "frame"
                                              << "frame.svg";
        QTest::newRow("PDF, another suffix typed") << 2 << "frame.png"
                                                   << "frame.png.pdf";
    }

    void saveImage() {
        QFETCH(int, entry);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        WindowRig rig;
        frmPreview& preview = previewOf(rig, "frame.plt", Frame);
        rig.fakes.fileDialog.saveAnswers = {SavedFile{rig.dir.filePath(typed), entry}};
        QTest::keySequence(&preview, QKeySequence::Save);
        QCOMPARE(rig.fakes.fileDialog.saveSetups.size(), std::size_t(1));
        QCOMPARE(rig.fakes.fileDialog.saveSetups[0].fileName, QStringLiteral("frame.png"));
        QVERIFY(rig.fakes.messages.shown.empty());
        QFile image(rig.dir.filePath(written));
        QVERIFY(image.open(QIODevice::ReadOnly));
        const QByteArray head = image.read(8);
        QCOMPARE(head.startsWith("\x89PNG"), entry == 0);
        QCOMPARE(head.startsWith("<?xml"), entry == 1);
        QCOMPARE(head.startsWith("%PDF"), entry == 2);
        if (entry != 0)
            return;
        const QString rendered = rig.dir.filePath("rendered.png");
        const Finished drawn = runProgram(QStringLiteral(MARKAST_RENDER),
                                          {"--size", QString::number(frmPreview::ImageSize),
                                           rig.dir.filePath("frame.plt"), rendered});
        QCOMPARE(drawn.status, 0);
        QCOMPARE(QImage(rig.dir.filePath(written)), QImage(rendered));
    }

    // Marks left out for what they would cost at the size shown are not "everything drawn".
    void marksLeftOutForTheirCostAreSaid() {
        WindowRig rig;
        const QByteArray fills = QByteArray("RA10000,10000;RA9999,9999;").repeated(20'000);
        frmPreview& preview = previewOf(rig, "fills.plt", "IN;PU0,0;" + fills);
        QTRY_VERIFY_WITH_TIMEOUT(preview.canvas->isComplete(), 30'000);
        QCOMPARE(
            preview.lblNotes->text(),
            QStringLiteral("Too costly to draw in full at this size: some marks are left out"));
    }

    // Nothing to draw, nothing to save or print: the buttons say so and do nothing.
    void nothingToSaveOrPrint() {
        WindowRig rig;
        frmPreview& preview = previewOf(rig, "binary.Dot", "\x01\x02");
        for (QPushButton* button : {preview.cmdSaveImage, preview.cmdPrint}) {
            QVERIFY(!button->isEnabled());
            QCOMPARE(button->toolTip(),
                     QStringLiteral("There is no logo drawing to save or print"));
        }
        QTest::keySequence(&preview, QKeySequence::Save);
        QTest::keySequence(&preview, QKeySequence::Print);
        QVERIFY(rig.fakes.fileDialog.saveSetups.empty());
        QCOMPARE(rig.fakes.printDialog.shown, 0);
    }

    // At true size on the page, under its caption, in every language.
    void printAtTrueSize_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "en";
        QTest::newRow("German") << "de";
        QTest::newRow("Chinese") << "zh_CN";
    }

    void printAtTrueSize() {
        QFETCH(QString, language);
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
            QSKIP("poppler's pdftoppm is not installed (apt install poppler-utils)");
        WindowRig rig;
        rig.fakes.translations.apply(language);
        frmPreview& preview = previewOf(rig, "frame.plt", Frame);
        rig.fakes.printDialog.pdfPath = rig.dir.filePath("printed.pdf");
        preview.cmdPrint->click();
        rig.fakes.translations.apply("en");
        QCOMPARE(rig.fakes.printDialog.shown, 1);
        QVERIFY(rig.fakes.messages.shown.empty());
        const QSizeF size = lastDrawnMillimetres(rig.fakes.printDialog.pdfPath);
        qInfo("the printed frame measures %.2f x %.2f mm", size.width(), size.height());
        // The frame's lines are 0.15 mm wide: half of each lies outside its 50 x 25 mm.
        QVERIFY2(std::abs(size.width() - 50.15) <= 0.2 && std::abs(size.height() - 25.15) <= 0.2,
                 qPrintable(QStringLiteral("%1 x %2 mm").arg(size.width()).arg(size.height())));
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
