// Device servers that misbehave, on purpose or by mistake: Markast says what went wrong, sends
// the marker nothing it should not, never calls a failure a success, and keeps its memory
// bounded whatever the server sends.
#include "serial/PortConfiguration.h"
#include "support/ScriptedServer.h"
#include "support/TestData.h"
#include "support/WindowRig.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <csignal>

using namespace markast;
using namespace markast::test;
using namespace std::chrono_literals;

namespace {

QByteArray comPortCommand(const QByteArray& payload) {
    return "\xff\xfa\x2c" + payload + "\xff\xf0";
}

// ser2net's first words: the options it wants, binary transmission and the COM port option
// among them.
const QByteArray Negotiation = QByteArray::fromHex("fffb03fffd03fffd00fffb00");
const QByteArray AgreeToComPort = QByteArray::fromHex("fffd2c");
const QByteArray Greeting = Negotiation + AgreeToComPort;
// Our SET-BAUDRATE and SET-PARITY, and our offer to send in binary.
const QByteArray SetBaudRate = QByteArray::fromHex("fffa2c01");
const QByteArray SetParity = QByteArray::fromHex("fffa2c03");
const QByteArray WillBinary = QByteArray::fromHex("fffb00");
constexpr double MemoryLimitMegabytes = 100;
// AddressSanitizer keeps freed memory in quarantine, so there memory says nothing of what is
// held; the bounds are checked in the other builds.
#ifdef __SANITIZE_ADDRESS__
constexpr bool MemoryTellsWhatIsHeld = false;
#else
constexpr bool MemoryTellsWhatIsHeld = true;
#endif

// Whether the process has a handler of its own for signal, by the kernel's word: a signal
// sent before that ends it as the default action does.
bool catches(qint64 pid, int signal) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    const QRegularExpression caught(QStringLiteral("SigCgt:\\s+([0-9a-f]+)"));
    const QString mask = caught.match(QString::fromLatin1(status.readAll())).captured(1);
    return (mask.toULongLong(nullptr, 16) >> (signal - 1)) & 1;
}

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
        QTest::newRow("sets 1200 baud")
            << "rfc2217"
            << ScriptedServer::Script{.greeting = Greeting,
                                      .replies = {{SetBaudRate, comPortCommand(QByteArray::fromHex(
                                                                    "65000004b0"))}}}
            << 3 << "the server answered SET-BAUDRATE 9600 with 1200"
            << "no logo byte";
        QTest::newRow("sets even parity")
            << "rfc2217"
            << ScriptedServer::Script{.greeting = Greeting,
                                      .replies = {{SetParity, comPortCommand("\x67\x03")}}}
            << 3 << "the server answered SET-PARITY 1 (NONE) with 3 (EVEN)"
            << "no logo byte";
        QTest::newRow("refuses binary transmission")
            << "rfc2217"
            << ScriptedServer::Script{.greeting =
                                          QByteArray::fromHex("fffb03fffd03") + AgreeToComPort,
                                      .replies = {{WillBinary, QByteArray::fromHex("fffe00")}}}
            << 3
            << "refused binary transmission, without which the logo's bytes do not pass "
               "unchanged; for a raw TCP port on the server, use socket://127.0.0.1:"
            << "no logo byte";
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
        // Whether its socket buffers fill with our answers before they take the logo is a race
        // between the two programs' speeds: either the send is acknowledged or the stall rule
        // ends it (status -1 takes both). Either way it ends, within its memory bound.
        QTest::newRow("offers options without end and never reads")
            << "rfc2217" << ScriptedServer::Script{.repeated = "\xff\xfb\x99", .reads = false} << -1
            << ""
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
        if (status < 0) {
            const bool acknowledged = sent.status == 0 && sent.log.contains("Sent 1920 bytes");
            const bool stalled = sent.status == 1 && sent.log.contains("took no byte for 2 s");
            QVERIFY2(acknowledged || stalled, qPrintable(sent.log));
        } else {
            QCOMPARE(sent.status, status);
            QVERIFY2(sent.log.contains(said), qPrintable(sent.log));
        }
        QVERIFY2(!MemoryTellsWhatIsHeld || peak < MemoryLimitMegabytes,
                 qPrintable(QString::number(peak)));
        if (serverGets == "nothing")
            QCOMPARE(server.received(), QByteArray());
        else if (serverGets == "no logo byte")
            QVERIFY(!server.received().contains("IN;"));
        else if (serverGets == "the logo")
            QCOMPARE(server.received(), logo);
    }

    // The line settings go before the first data byte or not at all: a server that agrees to
    // the COM port option once the logo is under way gets none, and the logo goes on.
    void aLateAgreementChangesNoSetting() {
        ScriptedServer server({.greeting = Negotiation, .replies = {{"", AgreeToComPort, 3000}}});
        QVERIFY(server.isReady());
        const QByteArray logo = QByteArray("IN;PU0,0;PD40,0;").repeated(300); // 5 s of line
        const Finished sent =
            runProgram(QStringLiteral(MARKAST_SEND), {"--device", server.address("rfc2217"),
                                                      writeFile(dir.filePath("logo.plt"), logo)});
        QCOMPARE(sent.status, 0);
        QVERIFY2(sent.log.contains("agreed to COM-PORT-OPTION only after the data had begun"),
                 qPrintable(sent.log));
        QVERIFY(server.received().contains(logo.last(1000)));
        QVERIFY2(!server.received().contains("\xff\xfa"), server.received().toHex().constData());
    }

    // A stop ends the program at once at every moment before the first byte, and a name
    // lookup takes no longer than a connection may. A name under .slow.test takes 20 s to look
    // up, through a C library lookup replaced for the program (SlowLookup.cpp).
    void anOpenEndsInTime_data() {
        QTest::addColumn<QString>("device"); // "scripted", "black hole" or an address
        QTest::addColumn<ScriptedServer::Script>("script");
        QTest::addColumn<int>("signal"); // sent while it opens; 0 sends none
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        QTest::addColumn<int>("withinMs"); // from the signal, or from the start
        const QString slowName = "rfc2217://marker.slow.test:7017";
        QTest::newRow("Ctrl-C in a slow connection")
            << "black hole" << ScriptedServer::Script{} << SIGINT << 130 << "Interrupted: 0 of"
            << 1000;
        QTest::newRow("SIGTERM in a slow name lookup")
            << slowName << ScriptedServer::Script{} << SIGTERM << 130 << "Interrupted: 0 of"
            << 1000;
        QTest::newRow("Ctrl-C while the server says nothing")
            << "scripted" << ScriptedServer::Script{} << SIGINT << 130 << "Interrupted: 0 of"
            << 1000;
        QTest::newRow("Ctrl-C while the server does not agree")
            << "scripted" << ScriptedServer::Script{.greeting = Negotiation} << SIGINT << 130
            << "Interrupted: 0 of" << 1000;
        QTest::newRow("a slow name lookup") << slowName << ScriptedServer::Script{} << 0 << 3
                                            << slowName + " could not be opened: no answer "
                                                          "within 5 s"
                                            << 6000;
    }

    void anOpenEndsInTime() {
        QFETCH(QString, device);
        QFETCH(ScriptedServer::Script, script);
        QFETCH(int, signal);
        QFETCH(int, status);
        QFETCH(QString, said);
        QFETCH(int, withinMs);
        ScriptedServer server(script);
        const BlackHole hole;
        QVERIFY(server.isReady() && hole.listener.isListening());
        if (device == "scripted")
            device = server.address("rfc2217");
        else if (device == "black hole")
            device = hole.address("rfc2217");
        // For the program only; AddressSanitizer must let the library come before it.
        const QByteArray sanitizerOptions = qgetenv("ASAN_OPTIONS");
        qputenv("LD_PRELOAD", SLOW_LOOKUP);
        qputenv("ASAN_OPTIONS", sanitizerOptions + ":verify_asan_link_order=0");
        QElapsedTimer took;
        const Finished sent = runProgram(
            QStringLiteral(MARKAST_SEND),
            {"--device", device, writeFile(dir.filePath("logo.plt"), "IN;PU0,0;PD40,0;")},
            [&](QProcess& run) {
                took.start();
                if (signal) {
                    // Once it catches the signal, and a moment into the open.
                    QTRY_VERIFY(catches(run.processId(), signal));
                    QTest::qWait(300);
                    QTRY_VERIFY(device != server.address("rfc2217") || server.connections() > 0);
                    ::kill(pid_t(run.processId()), signal);
                    took.restart();
                }
                run.waitForFinished(30000);
            });
        const qint64 elapsed = took.elapsed();
        qunsetenv("LD_PRELOAD");
        qputenv("ASAN_OPTIONS", sanitizerOptions);
        QCOMPARE(sent.status, status);
        QVERIFY2(sent.log.contains(said), qPrintable(sent.log));
        QVERIFY2(elapsed < withinMs, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
        QVERIFY(!server.received().contains("IN;"));
    }

    // The window's Download opens a lost connection again before its first byte; a close
    // meanwhile gives that connection up and closes the window at once, as Ctrl-C does
    // markast-send, instead of waiting for the connection to fail and telling of it.
    void aCloseGivesUpTheWindowsConnection() {
        ScriptedServer server({.closeAfter = 1});
        QVERIFY(server.isReady());
        WindowRig rig;
        rig.startReal(server.address("socket"));
        QVERIFY(rig.form->isVisible());
        rig.loadAndSend(patternedBytes(3000)); // the server hangs up: the connection is lost
        QCOMPARE(rig.fakes.messages.shown.size(), std::size_t(1));
        const BlackHole hole;
        QVERIFY(Settings(rig.fakes.settings).setDevice(1, hole.address("socket")));
        QTimer::singleShot(500, rig.form.get(), [&] { rig.form->close(); });
        QElapsedTimer took;
        took.start();
        rig.form->mnuDownload->trigger();
        QVERIFY2(took.elapsed() < 1500, qPrintable(QString::number(took.elapsed())));
        QVERIFY(!rig.form->isVisible());
        QCOMPARE(rig.fakes.messages.shown.size(), std::size_t(1));
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
