// Device servers that misbehave, on purpose or by mistake: Markast says what went wrong, sends
// the marker nothing it should not, never calls a failure a success, and keeps its memory
// bounded whatever the server sends.
#include "serial/PortConfiguration.h"
#include "support/ScriptedServer.h"
#include "support/TestData.h"
#include "support/WindowRig.h"

#include <QElapsedTimer>
#include <QTest>

using namespace markast;
using namespace markast::test;
using namespace std::chrono_literals;

namespace {

QByteArray comPortCommand(const QByteArray& payload) {
    return "\xff\xfa\x2c" + payload + "\xff\xf0";
}

// ser2net's first words: the options it wants, the COM port option among them.
const QByteArray Greeting = QByteArray::fromHex("fffb03fffd03fffd00fffb00fffd2c");
constexpr double MemoryLimitMegabytes = 100;
// AddressSanitizer keeps freed memory in quarantine, so there memory says nothing of what is
// held; the bounds are checked in the other builds.
#ifdef __SANITIZE_ADDRESS__
constexpr bool MemoryTellsWhatIsHeld = false;
#else
constexpr bool MemoryTellsWhatIsHeld = true;
#endif

} // namespace

Q_DECLARE_METATYPE(ScriptedServer::Script)

class TestHostileServers : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    void markastSend_data() {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<ScriptedServer::Script>("script");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QString>("serverGets"); // "nothing", "no logo byte", "the logo" or "any"
        QTest::newRow("a raw server behind rfc2217://")
            << "rfc2217" << ScriptedServer::Script{} << 3
            << "does not speak RFC 2217; for a raw "
               "TCP server, use socket://127.0.0.1:"
            << "nothing";
        QTest::newRow("hangs up mid-send") << "socket" << ScriptedServer::Script{.closeAfter = 1000}
                                           << 1 << "the connection was closed by the server"
                                           << "any";
        QTest::newRow("suspends the line")
            << "rfc2217" << ScriptedServer::Script{.greeting = Greeting + comPortCommand("\x6c")}
            << 1 << "took no byte for 2 s"
            << "no logo byte";
        QTest::newRow("reports CTS high, then low")
            << "rfc2217"
            << ScriptedServer::Script{.greeting = Greeting + comPortCommand("\x6b\x10") +
                                                  comPortCommand(QByteArray("\x6b\x00", 2))}
            << 1 << "took no byte for 2 s"
            << "no logo byte";
        QTest::newRow("offers options without end and never reads")
            << "rfc2217" << ScriptedServer::Script{.repeated = "\xff\xfb\x99", .reads = false} << 1
            << "took no byte for 2 s"
            << "any";
        QTest::newRow("talks without end")
            << "socket" << ScriptedServer::Script{.repeated = patternedBytes(65536)} << 0
            << "Sent 1920 bytes"
            << "the logo";
    }

    void markastSend() {
        QFETCH(QString, scheme);
        QFETCH(ScriptedServer::Script, script);
        QFETCH(int, status);
        QFETCH(QString, said);
        QFETCH(QString, serverGets);
        ScriptedServer server(script);
        QVERIFY(server.isReady());
        const QByteArray logo = QByteArray("IN;PU0,0;PD40,0;").repeated(120);
        double peak = 0;
        const Finished sent = runProgram(QStringLiteral(MARKAST_SEND),
                                         {"--stall-time", "2", "--device", server.address(scheme),
                                          writeFile(dir.filePath("logo.plt"), logo)},
                                         [&](QProcess& run) {
                                             while (!run.waitForFinished(50))
                                                 peak =
                                                     std::max(peak, peakMegabytes(run.processId()));
                                         });
        QCOMPARE(sent.status, status);
        QVERIFY2(sent.log.contains(said), qPrintable(sent.log));
        QVERIFY2(!MemoryTellsWhatIsHeld || peak < MemoryLimitMegabytes,
                 qPrintable(QString::number(peak)));
        if (serverGets == "nothing")
            QCOMPARE(server.received(), QByteArray());
        else if (serverGets == "no logo byte")
            QVERIFY(!server.received().contains("IN;"));
        else if (serverGets == "the logo")
            QCOMPARE(server.received(), logo);
    }

    // A raw server cannot be asked to drop what it holds: a send stopped midway resets the
    // connection, so that the server drops what TCP holds rather than hand the marker the rest
    // of an old logo before the next one; the next bytes connect again.
    void aStoppedSendResetsARawConnection() {
        ScriptedServer server({});
        QVERIFY(server.isReady());
        const QString device = server.address("socket");
        MSComm comm([&device](int) { return device; });
        QVERIFY(configurePort(comm, 1, QString(), SequenceForm::StartUp));
        QVERIFY(comm.output(QByteArray(3000, 'a')));
        QVERIFY(comm.setOutBufferCount(0));
        QTRY_COMPARE(server.resets(), 1);
        QVERIFY(comm.output(QByteArray(100, 'b')) && comm.drain());
        QCOMPARE(server.connections(), 2);
        QVERIFY(server.received().endsWith(QByteArray(100, 'b')));
        QVERIFY(comm.setOutBufferCount(0)); // nothing of ours is held any more: no reset
        QTest::qWait(200);
        QCOMPARE(server.resets(), 1);
    }

    // A window that holds a port on a server that never stops talking reads and drops it all.
    void anIdleWindowStaysSmall() {
        if (!MemoryTellsWhatIsHeld)
            QSKIP("AddressSanitizer holds freed memory: the bound is checked in the other builds");
        ScriptedServer server({.repeated = patternedBytes(65536), .reads = false});
        QVERIFY(server.isReady());
        WindowRig rig;
        rig.startReal(server.address("socket"));
        QVERIFY(rig.form->MSComm1.portOpen());
        const double before = peakMegabytes(QCoreApplication::applicationPid());
        QElapsedTimer took;
        took.start();
        while (server.sentCount() < (256 << 20) && took.elapsed() < 30000)
            QTest::qWait(10);
        const double after = peakMegabytes(QCoreApplication::applicationPid());
        QVERIFY2(server.sentCount() >= (256 << 20),
                 qPrintable(QString::number(server.sentCount())));
        QVERIFY2(after - before < 32, qPrintable(QStringLiteral("%1 MB").arg(after - before)));
    }
};

QTEST_MAIN(TestHostileServers)
#include "tst_hostileservers.moc"
