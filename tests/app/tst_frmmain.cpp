// The main window: its layout, its start-up from the settings, its close, the dispatch of its
// commands, and its answer to a file handed over from outside.
#include "app/PathLabel.h"
#include "app/ProgressBar.h"
#include "app/RestTexts.h"
#include "app/StatusBar.h"
#include "app/frmMain.h"
#include "platform/ScreenTwips.h"
#include "support/Layout.h"
#include "support/WindowRig.h"

#include <QAccessible>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace markast;
using namespace markast::test;

using StoredValues = QMap<SettingKey, QString>;

namespace {

const QStringList StartUpSequence = {
    QStringLiteral("CommPort=%1"),    QStringLiteral("Settings=\"\""),
    QStringLiteral("RTSEnable=True"), QStringLiteral("Handshaking=2"),
    QStringLiteral("PortOpen=True"),  QStringLiteral("OutBufferCount=0")};

QStringList startUpCalls(int port) {
    QStringList calls = StartUpSequence;
    calls[0] = calls[0].arg(port);
    return calls;
}

const SettingKey Left = Settings::windowKey(Settings::WindowEdge::Left);
const SettingKey Top = Settings::windowKey(Settings::WindowEdge::Top);
const SettingKey Width = Settings::windowKey(Settings::WindowEdge::Width);
const SettingKey Height = Settings::windowKey(Settings::WindowEdge::Height);
const auto com = &Settings::portCheckedKey;
const auto enabled = &Settings::portEnabledKey;
// What every close writes, in order.
const QList<SettingKey> AllKeys = {Left,   Top,    Width,      Height,     com(1),     com(2),
                                   com(3), com(4), enabled(1), enabled(2), enabled(3), enabled(4)};

// Key, caption, tool tip and picture key.
QString buttonText(const ToolbarButton& button) {
    return QStringList{button.key(), button.caption(), button.toolTip(), button.image()}.join('|');
}

QString actionTexts(const QList<QAction*>& actions) {
    QStringList all;
    for (const QAction* action : actions)
        all.append(action->text());
    return all.join('|');
}

} // namespace

class TestFrmMain : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowRig> rig;

    frmMain& load() { return rig->startFake(); }

private Q_SLOTS:
    void init() { rig = std::make_unique<WindowRig>(); }
    void cleanup() { rig.reset(); }

    void firstRunComesUpWithDefaults() {
        frmMain& main = load();
        // 1000 twips is 66.7 pixels at 96 DPI; 6000 x 3915 is exactly 400 x 261.
        QCOMPARE(main.pos(), QPoint(67, 67));
        QCOMPARE(main.size(), QSize(400, 261));
        QCOMPARE(rig->portsChecked(), QList<bool>({true, false, false, false}));
        QCOMPARE(rig->fakes.serial.calls, startUpCalls(1));
        QVERIFY(rig->fakes.serial.portOpen());
        QCOMPARE(rig->fakes.ports.LastGoodPort, 1);
        QCOMPARE(main.sbStatusBar->panelText(2), QStringLiteral("COM 1 : "));
        QVERIFY(rig->fakes.messages.shown.empty());
    }

    void specifiedTextsAsLaidOut_data() {
        QTest::addColumn<QString>("text");
        for (const auto& [element, text] :
             std::initializer_list<std::pair<const char*, const char*>>{
                 {"caption", "Veltrom Marking Technology - Logo Download Utility"},
                 {"status", "Waiting for command"},
                 {"panel 1", "Status"},
                 {"Label1", "No File Selected"},
                 {"lblHelp", "Click Open and Browse for HPGL\\1 file to download."},
                 {"Action", "Progress"},
                 {"Frame1", "File"},
                 {"btnOpen", "Open|Open|Open Logo File|Open"},
                 {"btnDownload", "Downloader|Download|Download Logo File|Download"},
                 {"menu bar", "&File|&Actions|&Settings|&Help"},
                 {"File", "&Open...|Open &Recent|E&xit"},
                 {"Actions", "&Download Logo|&Preview Logo..."},
                 {"Settings", "&Com Ports|&Language"},
                 {"Com Ports", "Com &1|Com &2|Com &3|Com &4||&Devices..."},
                 {"Help", "&About "}})
            QTest::newRow(element) << QString::fromUtf8(text);
    }

    void specifiedTextsAsLaidOut() {
        QFETCH(QString, text);
        const frmMain& m = load();
        const QMap<QString, QString> shown = {{"caption", m.windowTitle()},
                                              {"status", m.sbStatusBar->simpleText()},
                                              {"panel 1", m.sbStatusBar->panelText(1)},
                                              {"Label1", m.Label1->text()},
                                              {"lblHelp", m.lblHelp->text()},
                                              {"Action", m.Action->text()},
                                              {"Frame1", m.Frame1->title()},
                                              {"btnOpen", buttonText(*m.btnOpen)},
                                              {"btnDownload", buttonText(*m.btnDownload)},
                                              {"menu bar", actionTexts(m.menuBar()->actions())},
                                              {"File", actionTexts(m.mnuFile->actions())},
                                              {"Actions", actionTexts(m.mnuActions->actions())},
                                              {"Settings", actionTexts(m.mnuSettings->actions())},
                                              {"Com Ports", actionTexts(m.mnuComPorts->actions())},
                                              {"Help", actionTexts(m.mnuHelp->actions())}};
        QCOMPARE(shown.value(QTest::currentDataTag()), text);
    }

    void initialStateOfEveryElement() {
        frmMain& main = load();
        QCOMPARE(main.ProgressBar1->max(), 100.0f);
        QCOMPARE(main.ProgressBar1->value(), 0.0f);
        QCOMPARE(main.tbToolBar->actions(), QList<QAction*>({main.btnOpen, main.btnDownload}));
        QVERIFY(main.btnOpen->isEnabled());
        QVERIFY(!main.btnDownload->icon().isNull());
        QVERIFY(!main.btnDownload->isEnabled());
        QVERIFY(!main.mnuDownload->isEnabled());
        QVERIFY(main.mnuFileOpen->isEnabled());
        QCOMPARE(main.tbToolBar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        for (QAction* item : {main.mniCom1, main.mniCom2, main.mniCom3, main.mniCom4}) {
            QVERIFY(item->isCheckable());
            QVERIFY(item->isEnabled());
        }
    }

    void windowHasAFixedBorderAndOnlyACloseBox() {
        frmMain& main = load();
        QCOMPARE(main.minimumSize(), main.maximumSize());
        QVERIFY(!(main.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(main.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(main.windowFlags() & Qt::WindowCloseButtonHint);
    }

    // Facts of the layout that hold at any DPI; the places it prints are compared between
    // 96 and 192 DPI below.
    void layoutFacts() {
        frmMain& main = load();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        const QRect client = main.client->rect();
        const ScreenTwips px(main);
        QVERIFY(client.width() >= px(5895) - 1 && client.height() >= px(3240) - 1);
        const QList<const QWidget*> placed = {main.Frame1, main.ProgressBar1, main.lblHelp,
                                              main.Action};
        for (const QWidget* control :
             placed + QList<const QWidget*>{main.tbToolBar, main.sbStatusBar})
            QVERIFY2(client.contains(control->geometry()), control->metaObject()->className());
        QVERIFY(main.Frame1->rect().contains(main.Label1->geometry()));
        // Nothing covers another control but the bar, which lies over the caption's lower part
        // and leaves its first line visible.
        for (const QWidget* control :
             QList<const QWidget*>{main.Frame1, main.lblHelp, main.sbStatusBar})
            QVERIFY(!control->geometry().intersects(main.Action->geometry()) &&
                    !control->geometry().intersects(main.ProgressBar1->geometry()));
        QVERIFY(!main.lblHelp->geometry().intersects(main.Frame1->geometry()));
        QVERIFY(!main.sbStatusBar->geometry().intersects(main.Frame1->geometry()));
        QVERIFY(main.tbToolBar->geometry().bottom() < main.Action->y());
        const QRect bar = main.ProgressBar1->geometry();
        QVERIFY(bar.intersects(main.Action->geometry()));
        QVERIFY(bar.top() - main.Action->y() >= main.Action->fontMetrics().height());
        QCOMPARE(main.client->childAt(bar.center()), main.ProgressBar1);
        // The file's name sits inside the frame's border, below its caption.
        QVERIFY(main.Frame1->contentsRect().contains(main.Label1->geometry()));
        // Each help text the window shows fits its label whole, in a legible font.
        for (const QString& help : {main.lblHelp->text(), RestTexts::of(Rest::Loaded).help,
                                    RestTexts::of(Rest::AfterDownload).help}) {
            main.setHelpText(help);
            QVERIFY2(main.lblHelp->heightForWidth(main.lblHelp->width()) <= main.lblHelp->height(),
                     qPrintable(help));
            QVERIFY(main.lblHelp->font().pointSizeF() >= 7);
        }
        printLayoutInTwips(placed);
    }

    void layoutKeepsItsProportionsAt192Dpi() {
        const QString difference = layoutDifferenceAt192Dpi("layoutFacts", 4);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void aLongPathKeepsTheFileNameInView() {
        frmMain& main = load();
        const QString folder = QString(60, 'd') + "/" + QString(60, 'e');
        QVERIFY(QDir(rig->dir.path()).mkpath(folder));
        const QString path = rig->writeFile(folder + "/Serial plate 2026.plt", "PU;");
        rig->open(path);
        const QString shown = main.Label1->text();
        QVERIFY2(shown.contains(QChar(0x2026)) && shown.endsWith("/Serial plate 2026.plt"),
                 qPrintable(shown));
        QVERIFY(main.Label1->fontMetrics().horizontalAdvance(shown) <= main.Label1->width());
        QCOMPARE(main.Label1->toolTip(), path);
        QCOMPARE(QAccessible::queryAccessibleInterface(main.Label1)->text(QAccessible::Name), path);
    }

    void storedPortMarks_data() {
        QTest::addColumn<StoredValues>("stored");
        QTest::addColumn<QList<bool>>("marks");
        QTest::addColumn<int>("opened");
        const QString absent;
        const auto row = [](const char* name, const QStringList& texts, QList<bool> marks,
                            int opened) {
            StoredValues stored; // the texts of Com1 on; a null text stands for an absent key
            for (int port = 1; port <= texts.size(); ++port) {
                if (!texts[port - 1].isNull())
                    stored.insert(com(port), texts[port - 1]);
            }
            QTest::newRow(name) << stored << marks << opened;
        };
        row("com3 only", {"False", "False", "True", "False"}, {false, false, true, false}, 3);
        row("com1 absent, com4 true", {absent, absent, absent, "True"}, {1, 0, 0, 1}, 4);
        row("small letters", {absent, "true"}, {true, true, false, false}, 2);
        row("capitals", {absent, "TRUE"}, {true, true, false, false}, 2);
        row("zero", {absent, "0"}, {true, false, false, false}, 1);
        row("one", {absent, "1"}, {true, true, false, false}, 2);
        row("minus one", {absent, "-1"}, {true, true, false, false}, 2);
        row("garbage falls back", {"maybe", "\x01\x02junk", ""}, {true, false, false, false}, 1);
        row("none marked opens com1", {"False", "False", "False", "False"}, {1, 0, 0, 0}, 1);
    }

    void storedPortMarks() {
        QFETCH(StoredValues, stored);
        QFETCH(QList<bool>, marks);
        QFETCH(int, opened);
        rig->fakes.settings.values = stored;
        load();
        QCOMPARE(rig->portsChecked(), marks);
        QCOMPARE(rig->fakes.serial.calls, startUpCalls(opened));
        QCOMPARE(rig->fakes.ports.LastGoodPort, opened);
        QCOMPARE(rig->form->sbStatusBar->panelText(2), QStringLiteral("COM %1 : ").arg(opened));
    }

    // The offscreen screen is 800 x 800 pixels at 96 DPI, 15 twips to a pixel.
    void storedGeometryIsUsedWhereUsableAndHealed_data() {
        QTest::addColumn<StoredValues>("stored");
        QTest::addColumn<QRect>("expected");
        const QRect fallback(67, 67, 400, 261);
        QTest::newRow("whole twips")
            << StoredValues{{Left, "1500"}, {Top, "300"}, {Width, "7500"}, {Height, "4500"}}
            << QRect(100, 20, 500, 300);
        QTest::newRow("off centre, title bar on screen")
            << StoredValues{{Left, "9000"}, {Top, "10500"}} << QRect(600, 700, 400, 261);
        QTest::newRow("left from a second monitor")
            << StoredValues{{Left, "30000"}, {Top, "1500"}} << fallback;
        QTest::newRow("far off the screen")
            << StoredValues{{Left, "-30000"}, {Top, "90000"}} << fallback;
        QTest::newRow("width 1e9") << StoredValues{{Width, "1e9"}} << fallback;
        QTest::newRow("width -5") << StoredValues{{Width, "-5"}} << fallback;
        QTest::newRow("height 0") << StoredValues{{Height, "0"}} << fallback;
        QTest::newRow("garbage") << StoredValues{{Left, "left"}, {Top, "1e999"}, {Width, ""}}
                                 << fallback;
    }

    void storedGeometryIsUsedWhereUsableAndHealed() {
        QFETCH(StoredValues, stored);
        QFETCH(QRect, expected);
        rig->fakes.settings.values = stored;
        frmMain& main = load();
        QCOMPARE(QRect(main.pos(), main.size()), expected);
        // What was used is written back, so a broken file heals at the first close.
        QVERIFY(main.close());
        const int used[] = {expected.x(), expected.y(), expected.width(), expected.height()};
        const SettingKey keys[] = {Left, Top, Width, Height};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(rig->fakes.settings.value(keys[i]).toInt(), used[i] * 15);
    }

    void closingWritesEveryKeyAndClosesThePort() {
        frmMain& main = load();
        main.mniCom3->setEnabled(false);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        rig->fakes.serial.calls.clear();
        QVERIFY(main.close());
        QCOMPARE(rig->fakes.settings.written, AllKeys);
        QCOMPARE(rig->fakes.settings.value(Left), QStringLiteral("1005"));
        QCOMPARE(rig->fakes.settings.value(Width), QStringLiteral("6000"));
        QCOMPARE(rig->fakes.settings.value(Height), QStringLiteral("3915"));
        QCOMPARE(rig->fakes.settings.value(com(1)), QStringLiteral("True"));
        QCOMPARE(rig->fakes.settings.value(com(2)), QStringLiteral("False"));
        QCOMPARE(rig->fakes.settings.value(enabled(3)), QStringLiteral("False"));
        QCOMPARE(rig->fakes.settings.value(enabled(4)), QStringLiteral("True"));
        QCOMPARE(rig->fakes.serial.calls, QStringList{"PortOpen=False"});
        QVERIFY(!rig->fakes.serial.portOpen());
        QVERIFY(main.isUnloaded());
    }

    void closingWhileMinimizedKeepsTheWindowKeys() {
        rig->fakes.settings.values = {{Left, "42"}, {Top, "43"}};
        frmMain& main = load();
        main.showMinimized();
        QVERIFY(main.isMinimized());
        QVERIFY(main.close());
        QCOMPARE(rig->fakes.settings.written, AllKeys.mid(4));
        QCOMPARE(rig->fakes.settings.value(Left), QStringLiteral("42"));
        QCOMPARE(rig->fakes.settings.value(Top), QStringLiteral("43"));
    }

    void exitClosesThePortThenUnloads_data() {
        QTest::addColumn<bool>("portOpenBefore");
        QTest::newRow("port open") << true;
        QTest::newRow("port already closed") << false;
    }

    void exitClosesThePortThenUnloads() {
        QFETCH(bool, portOpenBefore);
        frmMain& main = load();
        if (!portOpenBefore)
            QVERIFY(rig->fakes.serial.setPortOpen(false));
        rig->fakes.serial.calls.clear();
        main.mnuFileExit->trigger();
        QCOMPARE(rig->fakes.serial.calls, QStringList({"PortOpen=False", "PortOpen=False"}));
        QCOMPARE(rig->fakes.settings.written, AllKeys);
        QVERIFY(main.isUnloaded());
        QVERIFY(!main.isVisible());
    }

    void otherWindowsCloseBeforeAnySettingIsWritten() {
        frmMain& main = load();
        QWidget other;
        other.show();
        bool otherOpenAtFirstWrite = true;
        rig->fakes.settings.beforeWrite = [&] {
            if (rig->fakes.settings.written.isEmpty())
                otherOpenAtFirstWrite = other.isVisible();
        };
        QVERIFY(main.close());
        QVERIFY(!otherOpenAtFirstWrite);
        QVERIFY(!other.isVisible());
    }

    void aStartUpPortThatFailsLeavesTheWindowUp() {
        rig->fakes.settings.values = {{com(1), "False"}, {com(2), "True"}};
        rig->fakes.serial.portsThatFail = {2};
        frmMain& main = load();
        QCOMPARE(rig->fakes.ports.LastGoodPort, 0);
        QVERIFY(!rig->fakes.serial.portOpen());
        QCOMPARE(main.sbStatusBar->simpleText(), QStringLiteral("Waiting for command"));
        QCOMPARE(main.lblHelp->text(),
                 QStringLiteral("Click Open and Browse for HPGL\\1 file to download."));
        QVERIFY(rig->fakes.messages.shown.empty()); // not before the window is up
        main.reportStartUpProblems();
        main.reportStartUpProblems();
        QCOMPARE(rig->fakes.messages.shown.size(), std::size_t(1));
        QVERIFY(rig->fakes.messages.shown[0].text.contains(QStringLiteral("COM2")));
        QVERIFY(rig->fakes.messages.shown[0].text.contains(QStringLiteral("Settings > Com Ports")));
    }

    void toolbarDispatchesOnTheExactKey_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<bool>("downloads");
        QTest::newRow("Open") << "Open" << true << false;
        QTest::newRow("Downloader") << "Downloader" << false << true;
        QTest::newRow("open") << "open" << false << false;
        QTest::newRow("OPEN") << "OPEN" << false << false;
        QTest::newRow("downloader") << "downloader" << false << false;
        QTest::newRow("Download") << "Download" << false << false;
        QTest::newRow("empty") << "" << false << false;
    }

    void toolbarDispatchesOnTheExactKey() {
        QFETCH(QString, key);
        QFETCH(bool, opens);
        QFETCH(bool, downloads);
        frmMain& main = load();
        ToolbarButton button(*main.tbToolBar, nullptr);
        button.setKey(key);
        main.tbToolBar_ButtonClick(button);
        QCOMPARE(rig->fakes.fileDialog.setups.size(), std::size_t(opens ? 1 : 0));
        QCOMPARE(main.sbStatusBar->simpleText(), downloads ? QStringLiteral("Waiting for Command")
                                                           : QStringLiteral("Waiting for command"));
    }

    void openButtonAndMenuRunTheSameHandler() {
        frmMain& main = load();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QTest::mouseClick(main.tbToolBar->widgetForAction(main.btnOpen), Qt::LeftButton);
        main.mnuFileOpen->trigger();
        QCOMPARE(rig->fakes.fileDialog.setups.size(), std::size_t(2));
        QCOMPARE(rig->fakes.fileDialog.setups[0].title, rig->fakes.fileDialog.setups[1].title);
        QCOMPARE(main.sbStatusBar->simpleText(), QStringLiteral("Waiting for command"));
        QCOMPARE(main.Label1->text(), QStringLiteral("No File Selected"));
    }

    void greyedDownloadButtonDoesNothing() {
        frmMain& main = load();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QTest::mouseClick(main.tbToolBar->widgetForAction(main.btnDownload), Qt::LeftButton);
        QCOMPARE(main.sbStatusBar->simpleText(), QStringLiteral("Waiting for command"));
        QVERIFY(rig->fakes.serial.sent.empty());
    }

    void aFailureInAHandlerIsReportedAndTheWindowStays() {
        frmMain& main = load();
        rig->fakes.fileDialog.throwsWhenShown = true;
        main.mnuFileOpen->trigger();
        QCOMPARE(rig->fakes.messages.shown.size(), std::size_t(1));
        QCOMPARE(rig->fakes.messages.shown[0].icon, MessageBoxes::Icon::Critical);
        QVERIFY(!rig->fakes.messages.shown[0].text.contains(QStringLiteral("dialog failed")));
        QVERIFY(main.isVisible());
        QVERIFY(!main.isUnloaded());
    }

    void progressTakesAnyLogoLength() {
        frmMain& main = load();
        ProgressBar& bar = *main.ProgressBar1;
        const float longest = 2147483647.0f; // the largest LogoLength, to the nearest float
        bar.setMax(longest);
        bar.setValue(longest / 2);
        QCOMPARE(bar.value(), longest / 2);
        QCOMPARE(bar.QProgressBar::value(), (bar.maximum() - bar.minimum()) / 2);
        bar.setValue(longest);
        QCOMPARE(bar.QProgressBar::value(), bar.maximum());
        // After a failed load the bar may be asked for more than its Max: it shows a full bar.
        bar.setMax(10);
        bar.setValue(25);
        QCOMPARE(bar.value(), 25.0f);
        QCOMPARE(bar.QProgressBar::value(), bar.maximum());
        bar.setMax(0);
        QCOMPARE(bar.QProgressBar::value(), bar.minimum());
    }

    void panelTextsAreHeldButNeverShown() {
        frmMain& main = load();
        for (const QLabel* label : main.sbStatusBar->findChildren<QLabel*>()) {
            QVERIFY(!label->text().contains(QStringLiteral("COM 1")));
            QVERIFY(!label->text().contains(QStringLiteral("Status")));
        }
        QCOMPARE(main.sbStatusBar->panelText(2), QStringLiteral("COM 1 : "));
    }

    // A hand-over during the settle wait is refused, and the download goes on to its end.
    void aHandOverWhileBusyIsRefused() {
        frmMain& main = rig->startFake();
        QString answer;
        rig->fakes.clock.onPause = [&] {
            if (answer.isEmpty())
                answer = main.openFromOutside(rig->writeFile("other.plt", "PU;"));
        };
        rig->loadAndSend("PD;");
        QVERIFY2(answer.contains("being downloaded"), qPrintable(answer));
        QCOMPARE(main.statusText(), QStringLiteral("Waiting for Command"));
        QCOMPARE(rig->fakes.serial.sentBytes(), QByteArray("PD;"));
        QVERIFY(main.openFromOutside(QString()).isEmpty()); // raising is never refused
    }
};

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
