// Choosing the COM port from the menu, and recovering from a port that fails.
#include "app/StatusBar.h"
#include "app/frmMain.h"
#include "support/WindowRig.h"

#include <QTest>

#include <memory>

using namespace markast;
using namespace markast::test;
using namespace std::chrono_literals;

namespace {

QStringList switchCalls(int port) {
    return {"PortOpen=False",  QStringLiteral("CommPort=%1").arg(port),
            "Settings=\"\"",   "RTSEnable=True",
            "Handshaking=2",   "PortOpen=True",
            "OutBufferCount=0"};
}

} // namespace

class TestPortSelection : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowRig> rig;

    frmMain& startFake() { return rig->startFake(); }

    void verifyInvalidPortMessage(std::size_t count = 1) {
        QCOMPARE(rig->fakes.messages.shown.size(), count);
        const ShownMessage& message = rig->fakes.messages.shown.back();
        QCOMPARE(message.text, QStringLiteral("Invalid Comunication port please try again"));
        QCOMPARE(message.title, QStringLiteral("Incorect Com Port Setting"));
        QCOMPARE(message.icon, MessageBoxes::Icon::Information);
    }

private Q_SLOTS:
    void init() { rig = std::make_unique<WindowRig>(); }

    void cleanup() { rig.reset(); }

    void choosingAPortThatOpensMovesTheLogoThere() {
        MARKAST_VERIFY_PAIR(rig->startOnPair());
        MARKAST_VERIFY_PAIR(rig->addPairAs(2));
        frmMain& main = *rig->form;

        main.mniCom2->trigger();
        QVERIFY(rig->fakes.messages.shown.empty());
        QCOMPARE(rig->portsChecked(), QList<bool>({false, true, false, false}));
        QCOMPARE(main.sbStatusBar->panelText(2), QStringLiteral("COM 2 : "));
        QCOMPARE(rig->comm->commPort(), 2);
        QVERIFY(rig->comm->portOpen());

        rig->loadAndSend("PA100,100;");
        QVERIFY(rig->secondReader->waitForBytes(10, 10s));
        QCOMPARE(rig->secondReader->bytesAfterQuiet(200ms), QByteArray("PA100,100;"));
        QVERIFY(rig->reader->bytes().isEmpty());
    }

    void choosingThePortInUseReopensIt() {
        frmMain& main = startFake();
        rig->fakes.serial.calls.clear();
        main.mniCom1->trigger();
        QCOMPARE(rig->fakes.serial.calls, switchCalls(1));
        QCOMPARE(rig->portsChecked(), QList<bool>({true, false, false, false}));
        QCOMPARE(rig->portsEnabled(), QList<bool>({true, true, true, true}));
        QVERIFY(rig->fakes.serial.portOpen());
        QVERIFY(rig->fakes.messages.shown.empty());
    }

    void aPortThatFailsIsDisabledAndTheLastGoodPortComesBack() {
        MARKAST_VERIFY_PAIR(rig->startOnPair());
        qputenv("MARKAST_COM3", "/nonexistent/markast-com3");
        frmMain& main = *rig->form;
        QCOMPARE(rig->fakes.ports.LastGoodPort, 1);

        bool menuChangedWhileBoxOpen = false;
        rig->fakes.messages.whileOpen = [&] {
            menuChangedWhileBoxOpen = !main.mniCom3->isEnabled();
        };
        main.mniCom3->trigger();
        verifyInvalidPortMessage();
        QVERIFY(!menuChangedWhileBoxOpen);
        QCOMPARE(rig->portsChecked(), QList<bool>({true, false, false, false}));
        QCOMPARE(rig->portsEnabled(), QList<bool>({true, true, false, true}));
        QCOMPARE(main.sbStatusBar->panelText(2), QStringLiteral("COM 3 : "));
        QCOMPARE(rig->fakes.ports.LastGoodPort, 1);
        // Our recovery: the port the menu shows checked is the one that is open.
        QVERIFY(rig->comm->portOpen());
        QCOMPARE(rig->comm->commPort(), 1);
        rig->loadAndSend("SP1;");
        QVERIFY(rig->reader->waitForBytes(4, 10s));
        QCOMPARE(rig->reader->bytesAfterQuiet(200ms), QByteArray("SP1;"));

        // A disabled item cannot be chosen.
        main.mniCom3->trigger();
        QCOMPARE(rig->fakes.messages.shown.size(), std::size_t(1));
    }

    void theFailedPortIsTheLastGoodPortItself() {
        Settings stored(rig->fakes.settings);
        QVERIFY(stored.setPortChecked(1, false) && stored.setPortChecked(2, true));
        frmMain& main = startFake();
        QCOMPARE(rig->fakes.ports.LastGoodPort, 2);
        rig->fakes.serial.portsThatFail = {2};
        main.mniCom2->trigger();
        verifyInvalidPortMessage();
        QCOMPARE(rig->portsChecked(), QList<bool>({false, true, false, false}));
        QCOMPARE(rig->portsEnabled(), QList<bool>({true, true, true, true}));
        QVERIFY(!rig->fakes.serial.portOpen());
    }

    void withNoLastGoodPortTheFailedItemStaysCheckedAndDisabled() {
        rig->fakes.serial.portsThatFail = {1, 3};
        frmMain& main = startFake();
        QCOMPARE(rig->fakes.ports.LastGoodPort, 0);
        main.mniCom3->trigger();
        verifyInvalidPortMessage();
        QCOMPARE(rig->portsChecked(), QList<bool>({false, false, true, false}));
        QCOMPARE(rig->portsEnabled(), QList<bool>({true, true, false, true}));
        QVERIFY(!rig->fakes.serial.portOpen());
    }

    void noItemCheckedOnEntryFailsWithPortZero() {
        frmMain& main = startFake();
        for (QAction* item : {main.mniCom1, main.mniCom2, main.mniCom3, main.mniCom4})
            item->setChecked(false);
        rig->fakes.serial.calls.clear();
        main.SetComPort();
        verifyInvalidPortMessage();
        QCOMPARE(main.sbStatusBar->panelText(2), QStringLiteral("COM 0 : "));
        QVERIFY(rig->fakes.serial.calls.contains("CommPort=0"));
        QCOMPARE(rig->portsEnabled(), QList<bool>({true, true, true, true}));
        QCOMPARE(rig->portsChecked(), QList<bool>({true, false, false, false}));
        QVERIFY(rig->fakes.serial.portOpen());
        QCOMPARE(rig->fakes.serial.commPort(), 1);
    }

    void severalItemsCheckedOnEntryUseTheHighest() {
        frmMain& main = startFake();
        main.mniCom2->setChecked(true);
        main.mniCom4->setChecked(true);
        rig->fakes.serial.calls.clear();
        main.SetComPort();
        QCOMPARE(rig->fakes.serial.calls, switchCalls(4));
        QCOMPARE(main.sbStatusBar->panelText(2), QStringLiteral("COM 4 : "));
        QVERIFY(rig->fakes.messages.shown.empty());
    }

    void aFailureAtAnyStepLeadsToTheSameRecovery_data() {
        QTest::addColumn<QString>("step");
        for (const char* step : {"PortOpen=False", "CommPort", "Settings", "RTSEnable",
                                 "Handshaking", "PortOpen=True", "OutBufferCount"})
            QTest::newRow(step) << QString::fromLatin1(step);
    }

    void aFailureAtAnyStepLeadsToTheSameRecovery() {
        QFETCH(QString, step);
        frmMain& main = startFake();
        rig->fakes.serial.failingSteps = {step};
        rig->fakes.serial.calls.clear();
        main.mniCom3->trigger();
        verifyInvalidPortMessage();
        // Every step of the sequence ran although one failed.
        QCOMPARE(rig->fakes.serial.calls.mid(0, 7), switchCalls(3));
        QCOMPARE(rig->portsChecked(), QList<bool>({true, false, false, false}));
        QCOMPARE(rig->portsEnabled(), QList<bool>({true, true, false, true}));
    }

    void afterAFailureTheNextChoiceWorksAndTheDisabledStateLastsOneRun() {
        frmMain& main = startFake();
        rig->fakes.serial.portsThatFail = {3};
        main.mniCom3->trigger();
        verifyInvalidPortMessage();
        main.mniCom4->trigger();
        QCOMPARE(rig->fakes.messages.shown.size(), std::size_t(1));
        QCOMPARE(rig->portsChecked(), QList<bool>({false, false, false, true}));
        QVERIFY(rig->fakes.serial.portOpen());
        QCOMPARE(rig->fakes.serial.commPort(), 4);

        QVERIFY(main.close());
        QCOMPARE(rig->fakes.settings.value(Settings::portEnabledKey(3)), QStringLiteral("False"));
        QVERIFY(Settings(rig->fakes.settings).portChecked(4));
        rig->form.reset();

        rig->fakes.serial = FakeSerialControl();
        rig->fakes.ports = PortSelection();
        startFake();
        QCOMPARE(rig->portsEnabled(), QList<bool>({true, true, true, true}));
        QCOMPARE(rig->portsChecked(), QList<bool>({false, false, false, true}));
        QCOMPARE(rig->fakes.ports.LastGoodPort, 4);
    }

    void aSwitchDuringTheSettleWaitLosesNoBytes() {
        MARKAST_VERIFY_PAIR(rig->startOnPair());
        MARKAST_VERIFY_PAIR(rig->addPairAs(2));
        frmMain& main = *rig->form;
        const QByteArray bytes = patternedBytes(50'000);
        rig->fakes.clock.onPause = [&] {
            if (rig->fakes.clock.readings.size() == 2)
                main.mniCom2->trigger();
        };
        rig->loadAndSend(bytes);
        QCOMPARE(rig->comm->commPort(), 2);
        QVERIFY(rig->reader->waitForBytes(bytes.size(), 10s));
        QCOMPARE(rig->reader->bytesAfterQuiet(200ms), bytes);
        QCOMPARE(main.sbStatusBar->simpleText(), QStringLiteral("Waiting for Command"));
    }
};

QTEST_MAIN(TestPortSelection)
#include "tst_portselection.moc"
