// The main window: its layout, its start-up from the settings, its close, and the dispatch of
// its commands.
#include "app/PathLabel.h"
#include "app/ProgressBar.h"
#include "app/StatusBar.h"
#include "app/frmMain.h"
#include "platform/ScreenTwips.h"
#include "support/Layout.h"
#include "support/WindowRig.h"
#include "transfer/TransferView.h"

#include <QAccessible>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

#include <functional>
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
SettingKey com(int port) {
    return Settings::portCheckedKey(port);
}
SettingKey enabled(int port) {
    return Settings::portEnabledKey(port);
}
// What every close writes, in order.
const QList<SettingKey> AllKeys = {Left,   Top,    Width,      Height,     com(1),     com(2),
                                   com(3), com(4), enabled(1), enabled(2), enabled(3), enabled(4)};

using TextOf = std::function<QString(const frmMain&)>;

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
        QTest::addColumn<TextOf>("textOf");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, const TextOf& textOf, const char* text) {
            QTest::newRow(name) << textOf << QString::fromUtf8(text);
        };
        row(
            "caption", [](const frmMain& m) { return m.windowTitle(); },
            "Veltrom Marking Technology - Logo Download Utility");
        row(
            "status", [](const frmMain& m) { return m.sbStatusBar->simpleText(); },
            "Waiting for command");
        row(
            "panel 1", [](const frmMain& m) { return m.sbStatusBar->panelText(1); }, "Status");
        row(
            "Label1", [](const frmMain& m) { return m.Label1->text(); }, "No File Selected");
        row(
            "lblHelp", [](const frmMain& m) { return m.lblHelp->text(); },
            "Click Open and Browse for HPGL\\1 file to download.");
        row(
            "Action", [](const frmMain& m) { return m.Action->text(); }, "Progress");
        row(
            "Frame1", [](const frmMain& m) { return m.Frame1->title(); }, "File");
        row(
            "btnOpen", [](const frmMain& m) { return buttonText(*m.btnOpen); },
            "Open|Open|Open Logo File|Open");
        row(
            "btnDownload", [](const frmMain& m) { return buttonText(*m.btnDownload); },
            "Downloader|Download|Download Logo File|Download");
        row(
            "menu bar", [](const frmMain& m) { return actionTexts(m.menuBar()->actions()); },
            "&File|&Actions|&Settings|&Help");
        row(
            "mnuFileOpen", [](const frmMain& m) { return m.mnuFileOpen->text(); }, "&Open...");
        row(
            "mnuFileExit", [](const frmMain& m) { return m.mnuFileExit->text(); }, "E&xit");
        row(
            "mnuDownload", [](const frmMain& m) { return m.mnuDownload->text(); },
            "&Download Logo");
        row(
            "mnuComPorts", [](const frmMain& m) { return m.mnuComPorts->title(); }, "&Com Ports");
        row(
            "mniCom1 to 4",
            [](const frmMain& m) {
                return actionTexts({m.mniCom1, m.mniCom2, m.mniCom3, m.mniCom4});
            },
            "Com &1|Com &2|Com &3|Com &4");
        row(
            "mnuHelpAbout", [](const frmMain& m) { return m.mnuHelpAbout->text(); }, "&About ");
    }

    void specifiedTextsAsLaidOut() {
        QFETCH(TextOf, textOf);
        QFETCH(QString, text);
        QCOMPARE(textOf(load()), text);
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
        for (const QString& help :
             {main.lblHelp->text(), texts::LoadedHelp, texts::DownloadedHelp}) {
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
        QTest::newRow("com3 only") << StoredValues{{com(1), "False"},
                                                   {com(2), "False"},
                                                   {com(3), "True"},
                                                   {com(4), "False"}}
                                   << QList<bool>{false, false, true, false} << 3;
        QTest::newRow("com1 absent, com4 true")
            << StoredValues{{com(4), "True"}} << QList<bool>{true, false, false, true} << 4;
        QTest::newRow("small letters")
            << StoredValues{{com(2), "true"}} << QList<bool>{true, true, false, false} << 2;
        QTest::newRow("capitals") << StoredValues{{com(2), "TRUE"}}
                                  << QList<bool>{true, true, false, false} << 2;
        QTest::newRow("zero") << StoredValues{{com(2), "0"}}
                              << QList<bool>{true, false, false, false} << 1;
        QTest::newRow("one") << StoredValues{{com(2), "1"}} << QList<bool>{true, true, false, false}
                             << 2;
        QTest::newRow("minus one")
            << StoredValues{{com(2), "-1"}} << QList<bool>{true, true, false, false} << 2;
        QTest::newRow("garbage falls back")
            << StoredValues{{com(1), "maybe"}, {com(2), "\x01\x02junk"}, {com(3), ""}}
            << QList<bool>{true, false, false, false} << 1;
        QTest::newRow("none marked opens com1") << StoredValues{{com(1), "False"},
                                                                {com(2), "False"},
                                                                {com(3), "False"},
                                                                {com(4), "False"}}
                                                << QList<bool>{true, false, false, false} << 1;
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
};

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
