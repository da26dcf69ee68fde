// Choosing the COM port from the menu, and recovering from a port that fails.
#include "Fakes.h"
#include "MSComm.h"
#include "Module1.h"
#include "Pty.h"
#include "StatusBar.h"
#include "frmMain.h"

#include <QFile>
#include <QTemporaryDir>
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

    QTemporaryDir dir;
    std::unique_ptr<FakeServices> fakes;
    std::unique_ptr<MSComm> comm;
    std::unique_ptr<frmMain> form;

    frmMain& start(SerialControl& serial) {
        form = std::make_unique<frmMain>(fakes->services(serial));
        form->Form_Load();
        form->show();
        return *form;
    }
    frmMain& startFake() { return start(fakes->serial); }
    frmMain& startReal() {
        comm = std::make_unique<MSComm>();
        return start(*comm);
    }

    QList<bool> checked() const {
        return {form->mniCom1->isChecked(), form->mniCom2->isChecked(), form->mniCom3->isChecked(),
                form->mniCom4->isChecked()};
    }
    QList<bool> enabled() const {
        return {form->mniCom1->isEnabled(), form->mniCom2->isEnabled(), form->mniCom3->isEnabled(),
                form->mniCom4->isEnabled()};
    }

    void verifyInvalidPortMessage(std::size_t count = 1) {
        QCOMPARE(fakes->messages.shown.size(), count);
        const ShownMessage& message = fakes->messages.shown.back();
        QCOMPARE(message.text, QStringLiteral("Invalid Comunication port please try again"));
        QCOMPARE(message.title, QStringLiteral("Incorect Com Port Setting"));
        QCOMPARE(message.icon, MessageBoxes::Icon::Information);
    }

    void sendLogo(const QByteArray& bytes) {
        const QString path = dir.filePath("logo.plt");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        fakes->fileDialog.answers = {path};
        form->mnuFileOpen->trigger();
        form->mnuDownload->trigger();
    }

private Q_SLOTS:
    void init() {
        fakes = std::make_unique<FakeServices>();
        Module1::LastGoodPort = 0;
        for (int port = 1; port <= 4; ++port)
            qunsetenv(qPrintable(QStringLiteral("MARKAST_COM%1").arg(port)));
    }

    void cleanup() {
        form.reset();
        comm.reset();
        fakes.reset();
    }

    void choosingAPortThatOpensMovesTheLogoThere() {
        SocatPair first;
        SocatPair second;
        QVERIFY(first.isReady() && second.isReady());
        FarEndReader firstReader(first.openFarEnd());
        FarEndReader secondReader(second.openFarEnd());
        qputenv("MARKAST_COM1", first.programEnd().toLocal8Bit());
        qputenv("MARKAST_COM2", second.programEnd().toLocal8Bit());
        frmMain& main = startReal();

        main.mniCom2->trigger();
        QVERIFY(fakes->messages.shown.empty());
        QCOMPARE(checked(), QList<bool>({false, true, false, false}));
        QCOMPARE(main.sbStatusBar->panelText(2), QStringLiteral("COM 2 : "));
        QCOMPARE(comm->commPort(), 2);
        QVERIFY(comm->portOpen());

        sendLogo("PA100,100;");
        QVERIFY(secondReader.waitForBytes(10, 10s));
        QCOMPARE(secondReader.bytesAfterQuiet(200ms), QByteArray("PA100,100;"));
        QVERIFY(firstReader.bytes().isEmpty());
    }

    void choosingThePortInUseReopensIt() {
        frmMain& main = startFake();
        fakes->serial.calls.clear();
        main.mniCom1->trigger();
        QCOMPARE(fakes->serial.calls, switchCalls(1));
        QCOMPARE(checked(), QList<bool>({true, false, false, false}));
        QCOMPARE(enabled(), QList<bool>({true, true, true, true}));
        QVERIFY(fakes->serial.portOpen());
        QVERIFY(fakes->messages.shown.empty());
    }

    void aPortThatFailsIsDisabledAndTheLastGoodPortComesBack() {
        SocatPair first;
        QVERIFY(first.isReady());
        FarEndReader reader(first.openFarEnd());
        qputenv("MARKAST_COM1", first.programEnd().toLocal8Bit());
        qputenv("MARKAST_COM3", "/nonexistent/markast-com3");
        frmMain& main = startReal();
        QCOMPARE(Module1::LastGoodPort, 1);

        bool menuChangedWhileBoxOpen = false;
        fakes->messages.whileOpen = [&] {
            menuChangedWhileBoxOpen = !main.mniCom3->isEnabled();
        };
        main.mniCom3->trigger();
        verifyInvalidPortMessage();
        QVERIFY(!menuChangedWhileBoxOpen);
        QCOMPARE(checked(), QList<bool>({true, false, false, false}));
        QCOMPARE(enabled(), QList<bool>({true, true, false, true}));
        QCOMPARE(main.sbStatusBar->panelText(2), QStringLiteral("COM 3 : "));
        QCOMPARE(Module1::LastGoodPort, 1);
        // Our recovery: the port the menu shows checked is the one that is open.
        QVERIFY(comm->portOpen());
        QCOMPARE(comm->commPort(), 1);
        sendLogo("SP1;");
        QVERIFY(reader.waitForBytes(4, 10s));
        QCOMPARE(reader.bytesAfterQuiet(200ms), QByteArray("SP1;"));

        // A disabled item cannot be chosen.
        main.mniCom3->trigger();
        QCOMPARE(fakes->messages.shown.size(), std::size_t(1));
    }

    void theFailedPortIsTheLastGoodPortItself() {
        fakes->settings.values = {{"Com1", "False"}, {"Com2", "True"}};
        frmMain& main = startFake();
        QCOMPARE(Module1::LastGoodPort, 2);
        fakes->serial.portsThatFail = {2};
        main.mniCom2->trigger();
        verifyInvalidPortMessage();
        QCOMPARE(checked(), QList<bool>({false, true, false, false}));
        QCOMPARE(enabled(), QList<bool>({true, true, true, true}));
        QVERIFY(!fakes->serial.portOpen());
    }

    void withNoLastGoodPortTheFailedItemStaysCheckedAndDisabled() {
        fakes->serial.portsThatFail = {1, 3};
        frmMain& main = startFake();
        QCOMPARE(Module1::LastGoodPort, 0);
        main.mniCom3->trigger();
        verifyInvalidPortMessage();
        QCOMPARE(checked(), QList<bool>({false, false, true, false}));
        QCOMPARE(enabled(), QList<bool>({true, true, false, true}));
        QVERIFY(!fakes->serial.portOpen());
    }

    void noItemCheckedOnEntryFailsWithPortZero() {
        frmMain& main = startFake();
        for (QAction* item : {main.mniCom1, main.mniCom2, main.mniCom3, main.mniCom4})
            item->setChecked(false);
        fakes->serial.calls.clear();
        main.SetComPort();
        verifyInvalidPortMessage();
        QCOMPARE(main.sbStatusBar->panelText(2), QStringLiteral("COM 0 : "));
        QVERIFY(fakes->serial.calls.contains("CommPort=0"));
        QCOMPARE(enabled(), QList<bool>({true, true, true, true}));
        QCOMPARE(checked(), QList<bool>({true, false, false, false}));
        QVERIFY(fakes->serial.portOpen());
        QCOMPARE(fakes->serial.commPort(), 1);
    }

    void severalItemsCheckedOnEntryUseTheHighest() {
        frmMain& main = startFake();
        main.mniCom2->setChecked(true);
        main.mniCom4->setChecked(true);
        fakes->serial.calls.clear();
        main.SetComPort();
        QCOMPARE(fakes->serial.calls, switchCalls(4));
        QCOMPARE(main.sbStatusBar->panelText(2), QStringLiteral("COM 4 : "));
        QVERIFY(fakes->messages.shown.empty());
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
        fakes->serial.failingSteps = {step};
        fakes->serial.calls.clear();
        main.mniCom3->trigger();
        verifyInvalidPortMessage();
        // Every step of the sequence ran although one failed.
        QCOMPARE(fakes->serial.calls.mid(0, 7), switchCalls(3));
        QCOMPARE(checked(), QList<bool>({true, false, false, false}));
        QCOMPARE(enabled(), QList<bool>({true, true, false, true}));
    }

    void afterAFailureTheNextChoiceWorksAndTheDisabledStateLastsOneRun() {
        frmMain& main = startFake();
        fakes->serial.portsThatFail = {3};
        main.mniCom3->trigger();
        verifyInvalidPortMessage();
        main.mniCom4->trigger();
        QCOMPARE(fakes->messages.shown.size(), std::size_t(1));
        QCOMPARE(checked(), QList<bool>({false, false, false, true}));
        QVERIFY(fakes->serial.portOpen());
        QCOMPARE(fakes->serial.commPort(), 4);

        QVERIFY(main.close());
        QCOMPARE(fakes->settings.value("Com3Enabled"), QStringLiteral("False"));
        QCOMPARE(fakes->settings.value("Com4"), QStringLiteral("True"));
        form.reset();

        fakes->serial = FakeSerialControl();
        Module1::LastGoodPort = 0;
        startFake();
        QCOMPARE(enabled(), QList<bool>({true, true, true, true}));
        QCOMPARE(checked(), QList<bool>({false, false, false, true}));
        QCOMPARE(Module1::LastGoodPort, 4);
    }

    void aSwitchDuringTheSettleWaitLosesNoBytes() {
        SocatPair first;
        SocatPair second;
        QVERIFY(first.isReady() && second.isReady());
        FarEndReader firstReader(first.openFarEnd());
        qputenv("MARKAST_COM1", first.programEnd().toLocal8Bit());
        qputenv("MARKAST_COM2", second.programEnd().toLocal8Bit());
        frmMain& main = startReal();
        QByteArray bytes(50'000, '\0');
        for (int i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<char>(i % 253);
        fakes->clock.onPause = [&] {
            if (fakes->clock.readings.size() == 2)
                main.mniCom2->trigger();
        };
        sendLogo(bytes);
        QCOMPARE(comm->commPort(), 2);
        QVERIFY(firstReader.waitForBytes(bytes.size(), 10s));
        QCOMPARE(firstReader.bytesAfterQuiet(200ms), bytes);
        QCOMPARE(main.sbStatusBar->simpleText(), QStringLiteral("Waiting for Command"));
    }
};

QTEST_MAIN(TestPortSelection)
#include "tst_portselection.moc"
