// The serial-port component against real pseudo-terminals.
#include "serial/MSComm.h"
#include "serial/PortConfiguration.h"
#include "support/Pty.h"
#include "support/TestData.h"

#include <QElapsedTimer>
#include <QTemporaryFile>
#include <QTest>

using namespace markast;
using namespace markast::test;
using namespace std::chrono_literals;

class TestMSComm : public QObject {
    Q_OBJECT

private:
    // Maps COM1 to path and opens it the way start-up does.
    static bool openOn(MSComm& comm, const QString& path) {
        qputenv("MARKAST_COM1", path.toLocal8Bit());
        return configurePort(comm, 1, QString(), SequenceForm::StartUp);
    }

    // A control open on a line the test holds from the start, as a marker holding CTS low
    // would; reader takes what the line lets through once released.
    struct HeldControl {
        HeldLine line;
        MSComm comm;
        std::unique_ptr<FarEndReader> reader;

        explicit HeldControl(std::chrono::milliseconds stallTime) {
            comm.setStallTime(stallTime);
            if (!line.isReady() || !openOn(comm, line.programEnd()))
                return;
            line.hold();
            reader = std::make_unique<FarEndReader>(line.takeMaster());
        }
    };

private Q_SLOTS:
    void everyByteValueArrivesInOrderAndUnchanged() {
        SocatPair pair;
        MARKAST_VERIFY_PAIR(pair);
        FarEndReader reader(pair.openFarEnd());
        MSComm comm;
        QVERIFY(openOn(comm, pair.programEnd()));

        const QByteArray expected = allByteValues().repeated(4);
        for (const char byte : expected)
            QVERIFY(comm.output(static_cast<std::uint8_t>(byte)));
        QVERIFY(comm.drain());
        QVERIFY(reader.waitForBytes(expected.size(), 10s));
        QCOMPARE(reader.bytesAfterQuiet(200ms), expected);
    }

    void stalledLineFailsAfterStallTimeWithoutSpinning() {
        HeldControl held(2s);
        QVERIFY(held.reader);
        auto& [line, comm, reader] = held;

        int maxPending = 0;
        qint64 accepted = 0;
        QElapsedTimer timer;
        timer.start();
        const auto cpuBefore = processCpuTime();
        while (accepted < 10'000'000 && comm.output(static_cast<std::uint8_t>(accepted))) {
            ++accepted;
            maxPending = std::max(maxPending, comm.outBufferCount());
        }
        const auto wall = std::chrono::milliseconds(timer.elapsed());
        const auto cpu =
            std::chrono::duration_cast<std::chrono::milliseconds>(processCpuTime() - cpuBefore);

        QVERIFY2(accepted < 10'000'000, "a held line must make output fail");
        QVERIFY(maxPending <= MSComm::OutBufferSize);
        QVERIFY2(wall >= 2s, "output gave up before the stall time");
        QVERIFY2(wall < 30s, "output did not give up on a held line");
        QVERIFY2(cpu < wall / 2, qPrintable(QStringLiteral("%1 ms of processor time in %2 ms")
                                                .arg(cpu.count())
                                                .arg(wall.count())));
        // Nothing after the refused byte is sent: what was pending is gone.
        QCOMPARE(comm.outBufferCount(), 0);
        line.release();
        QVERIFY(reader->bytesAfterQuiet(300ms).size() <= accepted);
    }

    void heldLineResumesWithoutLosingBytes() {
        HeldControl held(20s);
        QVERIFY(held.reader);
        auto& [line, comm, reader] = held;
        int released = 0;
        comm.setWaitHook([&] {
            if (++released == 10)
                held.line.release(); // the marker raises CTS again after half a second
        });
        QByteArray expected;
        for (int i = 0; i < 100'000; ++i) {
            const auto byte = static_cast<std::uint8_t>(i * 7);
            QVERIFY(comm.output(byte));
            expected.append(static_cast<char>(byte));
        }
        QVERIFY(comm.drain());
        QVERIFY(released >= 10);
        QVERIFY(reader->waitForBytes(expected.size(), 20s));
        QCOMPARE(reader->bytesAfterQuiet(200ms), expected);
    }

    void farEndGoneMidSendFailsOutput() {
        SocatPair pair;
        MARKAST_VERIFY_PAIR(pair);
        MSComm comm;
        comm.setStallTime(60s);
        QVERIFY(openOn(comm, pair.programEnd()));
        // Nobody reads the far end, so the line fills and output has to wait; then the far
        // end goes away.
        comm.setWaitHook([&] { pair.kill(); });
        QElapsedTimer timer;
        timer.start();
        bool refused = false;
        for (int i = 0; i < 10'000'000 && !refused; ++i)
            refused = !comm.output(0x55);
        QVERIFY(refused);
        QVERIFY2(timer.elapsed() < 30'000, "the failure must come from the device, not a stall");
        QVERIFY(comm.setPortOpen(false));
    }

    void drainWaitsUntilTheDriverHoldsNothing_data() {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<bool>("drained");
        QTest::newRow("1200 bytes drain at 960 bytes/s") << "slow" << true;
        QTest::newRow("never drains") << "stuck" << false;
        QTest::newRow("cannot say") << "unknown" << true;
    }

    // A pseudo-terminal's driver always holds nothing, so the driver's queue is played here.
    void drainWaitsUntilTheDriverHoldsNothing() {
        QFETCH(QString, queue);
        QFETCH(bool, drained);
        SocatPair pair;
        MARKAST_VERIFY_PAIR(pair);
        FarEndReader reader(pair.openFarEnd());
        MSComm comm;
        comm.setStallTime(1s);
        QVERIFY(openOn(comm, pair.programEnd()));
        QElapsedTimer sinceQtEmpty; // the first question comes when Qt's buffer is empty
        std::optional<qint64> last;
        comm.setQueueQuery([&] {
            if (!sinceQtEmpty.isValid())
                sinceQtEmpty.start();
            if (queue == "slow")
                last = std::max<qint64>(0, 1200 - sinceQtEmpty.elapsed() * 960 / 1000);
            else if (queue == "stuck")
                last = 4095;
            return last;
        });
        QVERIFY(comm.output('x'));
        QCOMPARE(comm.drain(), drained);
        qInfo("the last byte left Qt %lld ms before drain() returned", sinceQtEmpty.elapsed());
        if (queue == "slow")
            QCOMPARE(last, 0); // it waited for the queue to empty
        if (!drained)
            QVERIFY(comm.lastError().reason.contains("took no byte"));
    }

    void discardingPendingOutputSendsNothing() {
        HeldControl held(MSComm::DefaultStallTime);
        QVERIFY(held.reader);
        auto& [line, comm, reader] = held;
        for (int i = 0; i < 300; ++i)
            QVERIFY(comm.output(0xAA));
        QCOMPARE(comm.outBufferCount(), 300);
        QVERIFY(comm.setOutBufferCount(0));
        QCOMPARE(comm.outBufferCount(), 0);
        QVERIFY(comm.drain());
        QVERIFY(reader->bytesAfterQuiet(300ms).isEmpty());
    }

    void opensOnlyWhatCanBeOpened() {
        MSComm comm;
        qputenv("MARKAST_COM2", "/nonexistent/markast-tty");
        QVERIFY(comm.setCommPort(2));
        QVERIFY(!comm.setPortOpen(true));
        QVERIFY(!comm.portOpen());
        QVERIFY(!comm.output(1));

        // Port 0 selects nothing, so no earlier port is opened in its stead.
        QVERIFY(!comm.setCommPort(0));
        QVERIFY(!comm.setPortOpen(true));
        QVERIFY(!configurePort(comm, 0, QString(), SequenceForm::Switch));
        QVERIFY(!comm.portOpen());
    }

    void anOpenThatFailsSaysWhy_data() {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing device") << false << "No such file or directory";
        QTest::newRow("device without permission") << true << "Permission denied";
    }

    void anOpenThatFailsSaysWhy() {
        QFETCH(bool, present);
        QFETCH(QString, reason);
        HeldLine line;
        QVERIFY(line.isReady());
        const QString device = present ? line.deviceName() : "/nonexistent/ttyMARKAST";
        // An ordinary user is not in the group that may write a terminal root opened.
        const int result = asOrdinaryUser([&] {
            MSComm comm;
            if (openOn(comm, device))
                return 1;
            const SerialError error = comm.lastError();
            qInfo("%s", qPrintable(error.text()));
            return error.text() == device + ": " + reason && error.noPermission == present ? 0 : 2;
        });
        QCOMPARE(result, 0);
    }

    void devicesThatAreNoSerialPortFailToOpen_data() {
        QTest::addColumn<QString>("device");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks") << "   ";
        QTest::newRow("a folder") << "/tmp";
        QTest::newRow("an ordinary file") << "file";
        QTest::newRow("4000 characters") << "/dev/" + QString(3995, 'x');
    }

    void devicesThatAreNoSerialPortFailToOpen() {
        QFETCH(QString, device);
        QTemporaryFile file;
        if (device == "file") {
            QVERIFY(file.open());
            device = file.fileName();
        }
        MSComm comm([&](int) { return device; });
        QVERIFY(!configurePort(comm, 1, QString(), SequenceForm::StartUp));
        QVERIFY(!comm.portOpen());
        QVERIFY(!comm.lastError().reason.isEmpty());
    }

    void aPortHeldByAnotherProgramFailsToOpen() {
        SocatPair pair;
        MARKAST_VERIFY_PAIR(pair);
        MSComm first;
        MSComm second;
        QVERIFY(openOn(first, pair.programEnd()));
        QVERIFY(!openOn(second, pair.programEnd()));
        QVERIFY(!second.portOpen());
        QVERIFY(first.portOpen());
    }

    void closingTwiceAndSwitchingAreHarmless() {
        SocatPair pair;
        MARKAST_VERIFY_PAIR(pair);
        MSComm comm;
        QVERIFY(openOn(comm, pair.programEnd()));
        QVERIFY(!comm.setCommPort(2)); // only while closed
        QCOMPARE(comm.commPort(), 1);
        QVERIFY(comm.setPortOpen(false));
        QVERIFY(comm.setPortOpen(false));
        QVERIFY(configurePort(comm, 1, QString(), SequenceForm::Switch));
        QVERIFY(configurePort(comm, 1, QString(), SequenceForm::Switch));
        QVERIFY(comm.portOpen());
    }

    void lineSettingsText() {
        MSComm comm;
        QVERIFY(comm.setSettings(QString()));
        QVERIFY(comm.setSettings(QStringLiteral("9600,N,8,1")));
        QVERIFY(comm.setSettings(QStringLiteral("19200,e,7,2")));
        QVERIFY(!comm.setSettings(QStringLiteral("9600,X,8,1")));
        QVERIFY(!comm.setSettings(QStringLiteral("fast")));
        QVERIFY(!comm.setSettings(QStringLiteral("9600,N,9,1")));
        QVERIFY(!comm.setHandshaking(4));
        QVERIFY(!comm.setOutBufferCount(0)); // needs an open port
    }
};

QTEST_GUILESS_MAIN(TestMSComm)
#include "tst_mscomm.moc"
