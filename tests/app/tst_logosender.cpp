// Sending the logo: the bytes, the texts in order, a refused byte, and the settle wait.
#include "app/LogoSender.h"
#include "app/RestTexts.h"
#include "support/Fakes.h"
#include "support/TestData.h"
#include "support/TransferFakes.h"

#include <QTest>

using namespace markast;
using namespace markast::test;

namespace {

const QStringList AfterTheWait = {
    "phase: idle",
    "open enabled",
    "status: Waiting for Command",
    "file: No file loaded",
    "download disabled",
    "value: 0",
    "help: " + RestTexts::of(Rest::AfterDownload).help,
};

} // namespace

class TestLogoSender : public QObject {
    Q_OBJECT

    FakeSerialControl serial;
    RecordingView view;
    FakeClock clock;

private Q_SLOTS:
    void init() {
        serial = FakeSerialControl();
        QVERIFY(serial.setPortOpen(true));
        view = RecordingView();
        clock = FakeClock(1000.0);
    }

    void exactlyTheFileBytesGoOutInOrder() {
        const QByteArray bytes = allByteValues() + "\r\n\x1a\x00\xff";
        QCOMPARE(downloadLogo(logoOf(bytes), serial, view, clock), SendOutcome::Completed);
        QCOMPARE(serial.sentBytes(), bytes);
    }

    void aOneByteLogoShowsEveryStepInOrder() {
        QCOMPARE(downloadLogo(logoOf("Z"), serial, view, clock), SendOutcome::Completed);
        QCOMPARE(serial.sentBytes(), QByteArray("Z"));
        const QStringList expectedStart = {
            "phase: sending", "status: Downloading HPGL file (1 bytes)",
            "refresh",        "value: 0",
            "value: 1",       "status: Download Complete",
            "refresh",        "phase: settling",
        };
        QCOMPARE(view.log.mid(0, expectedStart.size()), expectedStart);
        QCOMPARE(view.log.mid(view.log.size() - AfterTheWait.size()), AfterTheWait);
        QCOMPARE(view.log.size(), expectedStart.size() + AfterTheWait.size());
    }

    void anEmptyLogoSendsNothingAndStillCompletes() {
        QCOMPARE(downloadLogo(logoOf(QByteArray()), serial, view, clock), SendOutcome::Completed);
        QVERIFY(serial.sent.empty());
        QVERIFY(view.log.contains("status: Downloading HPGL file (0 bytes)"));
        QVERIFY(view.log.contains("status: Download Complete"));
        QCOMPARE(view.log.mid(view.log.size() - AfterTheWait.size()), AfterTheWait);
    }

    void aRefusedByteEndsTheDownloadWhereItStood() {
        serial.refuseAt = 3;
        QCOMPARE(downloadLogo(logoOf("ABCDEFG"), serial, view, clock), SendOutcome::Refused);
        QCOMPARE(serial.sentBytes(), QByteArray("ABC"));
        QCOMPARE(view.values.back(), 4.0f); // the progress stays at the refused byte
        QVERIFY(!view.log.contains("status: Download Complete"));
        QVERIFY(!view.log.contains("download disabled"));
        QVERIFY(!view.log.contains("file: No file loaded"));
        QCOMPARE(view.processEventsCalls, 0);
    }

    void aClosedPortRefusesTheFirstByte() {
        QVERIFY(serial.setPortOpen(false));
        QCOMPARE(downloadLogo(logoOf("AB"), serial, view, clock), SendOutcome::Refused);
        QVERIFY(serial.sent.empty());
    }

    void completeIsShownOnlyOnceTheBytesHaveDrained() {
        serial.drainFails = true;
        QCOMPARE(downloadLogo(logoOf("ABC"), serial, view, clock), SendOutcome::Refused);
        QCOMPARE(serial.sentBytes(), QByteArray("ABC"));
        QVERIFY(!view.log.contains("status: Download Complete"));
    }

    void aLongSendKeepsTheWindowPainted() {
        view.logEveryValue = false;
        QCOMPARE(downloadLogo(logoOf(QByteArray(100'000, 'q')), serial, view, clock),
                 SendOutcome::Completed);
        QVERIFY(view.keepResponsiveCalls >= 100'000 / 4096);
    }

    void settleWaitRoundsItsStartHalfToEven_data() {
        QTest::addColumn<double>("clockAtStart");
        QTest::addColumn<double>("lastReading");
        QTest::newRow("100.4 starts at 100") << 100.4 << 103.0;
        QTest::newRow("100.5 starts at 100") << 100.5 << 103.0;
        QTest::newRow("101.5 starts at 102") << 101.5 << 105.0;
        QTest::newRow("100.6 starts at 101") << 100.6 << 104.0;
    }

    void settleWaitRoundsItsStartHalfToEven() {
        QFETCH(double, clockAtStart);
        QFETCH(double, lastReading);
        clock.now = clockAtStart;
        QCOMPARE(downloadLogo(logoOf("x"), serial, view, clock), SendOutcome::Completed);
        // The wait ends at the first reading at or past start + 3, give or take one pause.
        QVERIFY2(clock.readings.back() >= lastReading &&
                     clock.readings.back() < lastReading + 0.021,
                 qPrintable(QString::number(clock.readings.back(), 'f', 3)));
        QVERIFY(clock.readings.size() > 2);
        // Events are processed before every reading after the first, with a pause in between.
        QCOMPARE(view.processEventsCalls, int(clock.readings.size()) - 1);
    }

    void settleWaitStartAndEnd() {
        QCOMPARE(settleStart(86399.5), 86400.0);
        // Past midnight the clock starts from 0 again.
        QVERIFY(!settleTimeUp(86400, 0.5));
        QVERIFY(!settleTimeUp(86399, 1.9));
        QVERIFY(settleTimeUp(86399, 2.0));
    }

    void settleWaitLastsAboutThreeSecondsAcrossMidnight() {
        clock.now = 86398.7;
        clock.onPause = [&] {
            if (clock.now >= 86400)
                clock.now -= 86400;
        };
        QCOMPARE(downloadLogo(logoOf("x"), serial, view, clock), SendOutcome::Completed);
        // Start 86399, so the wait ends at the first reading of 2.0 or more on the new day.
        QVERIFY(clock.readings.back() >= 2.0 && clock.readings.back() < 2.021);
    }

    void closingTheWindowDuringTheWaitEndsIt() {
        view.onProcessEvents = [&] {
            if (view.processEventsCalls == 5)
                view.unloaded = true;
        };
        QCOMPARE(downloadLogo(logoOf("abc"), serial, view, clock), SendOutcome::WindowClosed);
        QCOMPARE(view.processEventsCalls, 5);
        QCOMPARE(serial.sentBytes(), QByteArray("abc"));
        QVERIFY(!view.log.contains("status: Waiting for Command"));
        QVERIFY(!view.log.contains("open enabled"));
    }
};

QTEST_GUILESS_MAIN(TestLogoSender)
#include "tst_logosender.moc"
