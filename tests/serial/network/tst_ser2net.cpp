// A marker behind a real serial device server: Debian's ser2net, reached through both address
// forms, from markast-send and from the window.
#include "support/ScriptedServer.h"
#include "support/Ser2net.h"
#include "support/TestData.h"
#include "support/WindowRig.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <csignal>

using namespace markast;
using namespace markast::test;
using namespace std::chrono_literals;

namespace {

// The seconds a 960 B/s line takes for count bytes, and how much sooner a sender may be done:
// the line-time lead it keeps, and a moment.
double lineSeconds(qsizetype count) {
    return double(count) / 960;
}
constexpr double LeadAllowance = 2.5;

} // namespace

class TestSer2net : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<Ser2net> server;
    std::unique_ptr<FarEndReader> reader;

    Finished send(const QString& scheme, const QByteArray& bytes, QStringList options = {},
                  const std::function<void(QProcess&)>& whileRunning = {}) {
        options << "--device" << server->address(scheme)
                << writeFile(dir.filePath("logo.plt"), bytes);
        return runProgram(QStringLiteral(MARKAST_SEND), options, whileRunning);
    }

    static void bothForms() {
        QTest::addColumn<QString>("scheme");
        QTest::newRow("rfc2217") << "rfc2217";
        QTest::newRow("socket") << "socket";
    }

private Q_SLOTS:
    void init() {
        server = std::make_unique<Ser2net>();
        if (server->isReady())
            reader = std::make_unique<FarEndReader>(server->openFarEnd());
    }
    void cleanup() {
        reader.reset();
        server.reset();
    }

    // From markast-send and from the window, to a far end that reads as fast as it can and to
    // one at marker speed. Either way the bytes go at the line's 960 B/s, never more than a
    // moment ahead: the run cannot end much before the line could have carried them all.
    void bytesArriveExactly_data() {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<bool>("fromTheWindow");
        QTest::addColumn<int>("bytesPerSecond");
        for (const char* scheme : {"rfc2217", "socket"}) {
            QTest::addRow("%s, markast-send", scheme) << scheme << false << 0;
            QTest::addRow("%s, window", scheme) << scheme << true << 0;
            QTest::addRow("%s, 960 B/s", scheme) << scheme << false << 960;
        }
    }

    void bytesArriveExactly() {
        QFETCH(QString, scheme);
        QFETCH(bool, fromTheWindow);
        QFETCH(int, bytesPerSecond);
        MARKAST_VERIFY_SER2NET(*server);
        reader->setBytesPerSecond(bytesPerSecond);
        const QByteArray bytes = awkwardBytes();
        QElapsedTimer took;
        took.start();
        if (fromTheWindow) {
            WindowRig rig;
            rig.startReal(server->address(scheme));
            rig.loadAndSend(bytes);
            QCOMPARE(rig.form->statusText(), QStringLiteral("Waiting for Command"));
        } else {
            const Finished sent = send(scheme, bytes);
            QVERIFY2(sent.status == 0, qPrintable(sent.log));
        }
        QVERIFY2(took.elapsed() / 1000.0 >= lineSeconds(bytes.size()) - LeadAllowance,
                 qPrintable(QStringLiteral("done after %1 ms").arg(took.elapsed())));
        QVERIFY2(reader->waitForBytes(bytes.size(), 30s), qPrintable(reader->bytes().toHex()));
        QCOMPARE(reader->bytesAfterQuiet(300ms), bytes);
    }

    // The message, and after the server is back, Download delivers the whole logo again.
    void aServerKilledMidSend_data() { bothForms(); }

    void aServerKilledMidSend() {
        QFETCH(QString, scheme);
        MARKAST_VERIFY_SER2NET(*server);
        WindowRig rig;
        rig.startReal(server->address(scheme));
        reader->setBytesPerSecond(960);
        QTimer::singleShot(1500, rig.form.get(), [this] { server->kill(); });
        const QByteArray bytes = patternedBytes(9600);
        rig.loadAndSend(bytes);
        QCOMPARE(rig.fakes.messages.shown.size(), std::size_t(1));
        QVERIFY(rig.fakes.messages.shown[0].text.contains("did not take the logo"));
        reader->setBytesPerSecond(0);
        QVERIFY(server->restart());
        rig.form->mnuDownload->trigger();
        QCOMPARE(rig.form->statusText(), QStringLiteral("Waiting for Command"));
        QVERIFY(reader->waitForBytes(bytes.size(), 20s));
        QVERIFY(reader->bytesAfterQuiet(300ms).endsWith(bytes));
    }

    // Ctrl-C stops at once: what still reaches the marker is about what a local line leaves,
    // and an RFC 2217 server is asked to drop what it holds, and confirms it.
    void anInterruptStopsAtOnce_data() {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<bool>("purges");
        QTest::newRow("rfc2217") << "rfc2217" << true;
        QTest::newRow("socket") << "socket" << false;
    }

    void anInterruptStopsAtOnce() {
        QFETCH(QString, scheme);
        QFETCH(bool, purges);
        MARKAST_VERIFY_SER2NET(*server);
        reader->setBytesPerSecond(960);
        qsizetype atInterrupt = 0;
        const Finished sent = send(scheme, patternedBytes(1 << 20), {}, [&](QProcess& run) {
            QTest::qWait(3000);
            atInterrupt = reader->bytes().size();
            ::kill(pid_t(run.processId()), SIGINT);
        });
        QCOMPARE(sent.status, 130);
        const qsizetype afterwards = reader->bytesAfterQuiet(500ms).size() - atInterrupt;
        QVERIFY2(afterwards <= 8192, qPrintable(QString::number(afterwards)));
        QCOMPARE(sent.log.contains(QRegularExpression("confirmed .*PURGE-DATA 2")), purges);
    }

    // A clear message naming the address and the reason, within the connection time-out.
    void unreachableAddresses_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("reason");
        QTest::newRow("refused") << "rfc2217://127.0.0.1:1"
                                 << "the connection was refused";
        QTest::newRow("unknown host") << "socket://no-such-host.invalid:7000"
                                      << "the name was not found";
        QTest::newRow("black-holed") << ""
                                     << "no answer within 5 s";
    }

    void unreachableAddresses() {
        QFETCH(QString, device);
        QFETCH(QString, reason);
        const BlackHole hole;
        if (device.isEmpty())
            device = QStringLiteral("socket://127.0.0.1:%1").arg(hole.listener.serverPort());
        QElapsedTimer took;
        took.start();
        const Finished sent = runProgram(QStringLiteral(MARKAST_SEND),
                                         {"--device", device, writeFile(dir.filePath("x"), "x")});
        QCOMPARE(sent.status, 3);
        QVERIFY2(sent.log.contains(device + " could not be opened: " + reason),
                 qPrintable(sent.log));
        QVERIFY(took.elapsed() < 8000);
    }

    void anUnreachableAddressAtStartUp() {
        const BlackHole hole;
        const QString device =
            QStringLiteral("rfc2217://127.0.0.1:%1").arg(hole.listener.serverPort());
        WindowRig rig;
        QElapsedTimer took;
        took.start();
        frmMain& main = rig.startReal(device);
        main.reportStartUpProblems();
        qInfo("the window reported %s after %lld ms", qPrintable(device), took.elapsed());
        QCOMPARE(rig.fakes.messages.shown.size(), std::size_t(1));
        QVERIFY(rig.fakes.messages.shown[0].text.startsWith("COM1 could not be opened.\n\n" +
                                                            device + ": no answer within 5 s."));
    }
};

QTEST_MAIN(TestSer2net)
#include "tst_ser2net.moc"
