// The About box, shown from the main window.
#include "Version.h"
#include "about/frmAbout.h"
#include "app/frmMain.h"
#include "platform/ScreenTwips.h"
#include "support/Fakes.h"
#include "support/Layout.h"
#include "support/WindowRig.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace markast;
using namespace markast::test;

class TestFrmAbout : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowRig> rig;

    frmMain& start() { return rig->startFake(); }

    // Runs inside the About box once it is up, then shows it again until onOpen is done.
    void whenAboutOpens(const std::function<void(frmAbout&)>& onOpen) {
        QTimer::singleShot(0, this, [onOpen] {
            auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
            if (!about) {
                QTest::qFail("the About box is not the active modal window", __FILE__, __LINE__);
                return;
            }
            onOpen(*about);
        });
    }

private Q_SLOTS:
    void init() { rig = std::make_unique<WindowRig>(); }
    void cleanup() { rig.reset(); }

    // Facts of the layout that hold at any DPI; the places it prints are compared between
    // 96 and 192 DPI below.
    void theBoxIsLaidOutAsDesigned() {
        frmMain& main = start();
        main.move(0, 0); // so that the box fits the small offscreen screen at 192 DPI too
        frmAbout about(&main, {rig->fakes.registry, rig->fakes.processes, rig->fakes.messages});
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const ScreenTwips px(about);
        QCOMPARE(about.windowTitle(), QStringLiteral("About Information"));
        QCOMPARE(about.size(), QSize(px(4770), px(3630)));
        QCOMPARE(about.minimumSize(), about.maximumSize());
        QCOMPARE(about.picIcon->pixmap().size(), QSize(104, 24));
        const QList<const QWidget*> controls = about.findChildren<const QWidget*>();
        QCOMPARE(controls.size(), 11);
        for (const QWidget* control : controls)
            QVERIFY(about.rect().contains(control->geometry()));
        // The address lines may touch; nothing covers the logo or a button.
        for (const QWidget* control :
             QList<const QWidget*>{about.picIcon, about.cmdOK, about.cmdSysInfo}) {
            for (const QWidget* other : controls)
                QVERIFY(control == other || !control->geometry().intersects(other->geometry()));
        }
        // The buttons stand on the right, OK above System Info, beside the rights notice.
        QVERIFY(about.cmdOK->geometry().bottom() < about.cmdSysInfo->y());
        QVERIFY(about.lblDisclaimer->geometry().right() < about.cmdOK->x());
        printLayoutInTwips(controls);
        QCOMPARE(about.Label6->text(), QStringLiteral("Markast"));
        QCOMPARE(about.lblVersion->text(), QStringLiteral("Version " MARKAST_VERSION));
        QCOMPARE(about.Label1->text(), QStringLiteral("Veltrom Marking Technology"));
        QVERIFY(about.Label5->text().contains(QStringLiteral("example.com")));
        QVERIFY(about.lblDisclaimer->text().contains(QRegularExpression("\\b20\\d\\d\\b")));
        // The maker's details each fit their one line, whatever the default font.
        for (QLabel* line : {about.Label1, about.Label2, about.Label3, about.Label4, about.Label5,
                             about.Label6, about.lblVersion}) {
            QVERIFY(!line->wordWrap());
            QVERIFY2(line->fontMetrics().horizontalAdvance(line->text()) <= line->width(),
                     qPrintable(line->text()));
        }
        QCOMPARE(about.cmdSysInfo->text(), QStringLiteral("&System Info..."));
        QVERIFY(about.cmdOK->isDefault());
        QCOMPARE(about.cmdOK->nextInFocusChain(), about.cmdSysInfo);
        QCOMPARE(about.windowIcon().cacheKey(), main.windowIcon().cacheKey());
        // Centred over its owner.
        QVERIFY((about.geometry().center() - main.geometry().center()).manhattanLength() <= 2);
    }

    void layoutKeepsItsProportionsAt192Dpi() {
        const QString difference = layoutDifferenceAt192Dpi("theBoxIsLaidOutAsDesigned", 11);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void enterAndEscCloseTheBoxFromTheMenu_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }

    void enterAndEscCloseTheBoxFromTheMenu() {
        QFETCH(int, key);
        frmMain& main = start();
        bool wasModalOverMain = false;
        whenAboutOpens([&](frmAbout& about) {
            wasModalOverMain = about.isModal() && about.parentWidget() == &main &&
                               about.windowModality() == Qt::ApplicationModal;
            QTest::keyClick(&about, Qt::Key(key));
        });
        main.mnuHelpAbout->trigger(); // returns once the box is closed
        QVERIFY(wasModalOverMain);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QVERIFY(main.findChildren<frmAbout*>().isEmpty()); // unloaded, not merely hidden
    }

    void systemInfoStartsTheToolOncePerClick() {
        frmMain& main = start();
        rig->fakes.registry = RegFileRegistry(*parseRegFile(
            "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n"
            "\"PATH\"=\"/usr/bin/msinfo32\"\n"));
        whenAboutOpens([&](frmAbout& about) {
            QTest::mouseClick(about.cmdSysInfo, Qt::LeftButton);
            about.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&about));
            QTest::keyClick(&about, Qt::Key_S, Qt::AltModifier); // the access key
            QTRY_COMPARE(rig->fakes.processes.started.size(),
                         2);            // an access key clicks after a moment
            QVERIFY(about.isVisible()); // the box stays open
            QTest::mouseClick(about.cmdOK, Qt::LeftButton);
        });
        main.mnuHelpAbout->trigger();
        QCOMPARE(rig->fakes.processes.started,
                 QStringList({"/usr/bin/msinfo32", "/usr/bin/msinfo32"}));
        QVERIFY(rig->fakes.messages.shown.empty());
    }

    void closingTheMainWindowUnloadsAnOpenAboutBoxFirst() {
        frmMain& main = start();
        bool aboutOpenAtFirstWrite = true;
        rig->fakes.settings.beforeWrite = [&] {
            if (rig->fakes.settings.written.isEmpty())
                aboutOpenAtFirstWrite = QApplication::activeModalWidget() != nullptr &&
                                        QApplication::activeModalWidget()->isVisible();
        };
        whenAboutOpens([&](frmAbout&) { main.close(); });
        main.mnuHelpAbout->trigger();
        QVERIFY(!aboutOpenAtFirstWrite);
        QVERIFY(main.isUnloaded());
    }
};

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
