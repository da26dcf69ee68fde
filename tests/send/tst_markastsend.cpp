// markast-send run as a script runs it: its exit status, its last line, and the bytes at the
// far end of the line.
#include "support/Pty.h"
#include "support/TestData.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <pty.h>
#include <unistd.h>

using namespace markast::test;
using namespace std::chrono_literals;

namespace {

Finished runSend(const QStringList& arguments,
                 const std::function<void(QProcess&)>& whileRunning = {}) {
    return runProgram(QStringLiteral(MARKAST_SEND), arguments, whileRunning);
}

} // namespace

class TestMarkastSend : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString logo(const QByteArray& bytes) { return writeFile(dir.filePath("logo.plt"), bytes); }

private Q_SLOTS:
    void theFarEndReceivesExactlyTheFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("every byte value") << allByteValues();
        QTest::newRow("1 byte") << QByteArray("\x00", 1);
        QTest::newRow("1 MiB") << patternedBytes(1 << 20);
    }

    void theFarEndReceivesExactlyTheFile() {
        QFETCH(QByteArray, bytes);
        SocatPair pair;
        MARKAST_VERIFY_PAIR(pair);
        FarEndReader reader(pair.openFarEnd());
        const Finished sent = runSend({"--device", pair.programEnd(), logo(bytes)});
        QCOMPARE(sent.status, 0);
        QVERIFY(reader.waitForBytes(bytes.size(), 10s));
        QCOMPARE(reader.bytesAfterQuiet(300ms), bytes);
        // Without a terminal, the last line is all there is.
        QVERIFY2(QRegularExpression(QStringLiteral("^Sent %1 bytes to %2 in [0-9.]+ s\\n$")
                                        .arg(bytes.size())
                                        .arg(QRegularExpression::escape(pair.programEnd())))
                     .match(sent.log)
                     .hasMatch(),
                 qPrintable(sent.log));
    }

    void aHeldLineFailsAtTheStallTime() {
        HeldLine line;
        QVERIFY(line.isReady());
        FarEndReader reader(line.takeMaster());
        line.hold();
        const QByteArray bytes = patternedBytes(100'000);
        const Finished sent =
            runSend({"--stall-time", "2", "--device", line.programEnd(), logo(bytes)});
        QCOMPARE(sent.status, 1);
        QVERIFY2(sent.log.contains("took no byte for 2 s"), qPrintable(sent.log));
        line.release();
        const QByteArray received = reader.bytesAfterQuiet(300ms);
        QVERIFY(received.size() < bytes.size());
        QCOMPARE(received, bytes.left(received.size()));
    }

    void anInterruptStopsTheSendAtOnce() {
        SocatPair pair;
        MARKAST_VERIFY_PAIR(pair);
        FarEndReader reader(pair.openFarEnd(), 9600);
        const QByteArray bytes = patternedBytes(300'000);
        const Finished sent =
            runSend({"--device", pair.programEnd(), logo(bytes)}, [&](QProcess& send) {
                QVERIFY(reader.waitForBytes(1, 10s));
                ::kill(pid_t(send.processId()), SIGINT);
            });
        QCOMPARE(sent.status, 130);
        QVERIFY2(sent.log.contains(QRegularExpression("^Interrupted: \\d+ of 300000 bytes sent")),
                 qPrintable(sent.log));
        const QByteArray received = reader.bytesAfterQuiet(500ms);
        QVERIFY(received.size() < bytes.size());
        QCOMPARE(received, bytes.left(received.size()));
    }

    void whatCannotBeSentSaysWhy_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        QTest::newRow("missing device") << QStringList{"--device", "/nonexistent/ttyUSB9", "logo"}
                                        << 3 << "/nonexistent/ttyUSB9 could not be opened";
        QTest::newRow("empty file")
            << QStringList{"--device", "/dev/null", "empty"} << 2 << "is empty";
        QTest::newRow("folder") << QStringList{"--device", "/dev/null", "folder"} << 2
                                << "is not a file";
        QTest::newRow("no file") << QStringList{"--port", "1"} << 2 << "Usage:";
        QTest::newRow("port 5") << QStringList{"--port", "5", "logo"} << 2 << "Usage:";
        QTest::newRow("port and device")
            << QStringList{"--port", "1", "--device", "/dev/null", "logo"} << 2 << "Usage:";
        QTest::newRow("stall time 0") << QStringList{"--stall-time", "0", "logo"} << 2 << "Usage:";
        QTest::newRow("unknown option") << QStringList{"--fast", "logo"} << 2 << "Usage:";
        // In German the words change; the statuses a script acts on do not.
        QTest::newRow("missing device, German")
            << QStringList{"de_DE.UTF-8", "--device", "/nonexistent/ttyUSB9", "logo"} << 3
            << "/nonexistent/ttyUSB9 konnte nicht geöffnet werden";
        QTest::newRow("empty file, German")
            << QStringList{"de_DE.UTF-8", "--device", "/dev/null", "empty"} << 2 << "ist leer";
        QTest::newRow("port 5, German")
            << QStringList{"de_DE.UTF-8", "--port", "5", "logo"} << 2 << "--port erwartet 1 bis 4";
    }

    void whatCannotBeSentSaysWhy() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, says);
        arguments.replaceInStrings(QRegularExpression("^logo$"), logo("PU;"));
        arguments.replaceInStrings(QRegularExpression("^empty$"), writeFile(dir.filePath("e"), {}));
        arguments.replaceInStrings(QRegularExpression("^folder$"), dir.path());
        if (arguments.first().endsWith(".UTF-8"))
            qputenv("LC_ALL", arguments.takeFirst().toLatin1());
        const Finished sent = runSend(arguments);
        qputenv("LC_ALL", "C.UTF-8");
        QCOMPARE(sent.status, status);
        QVERIFY2(sent.log.contains(says), qPrintable(sent.log));
    }

    void listPortsKeepsItsLayoutInEveryLanguage() {
        const QRegularExpression portLine("^  COM[1-4]  \\S+  \\(.+; .+\\)$");
        for (const char* language : {"C.UTF-8", "de_DE.UTF-8", "zh_CN.UTF-8"}) {
            qputenv("LC_ALL", language);
            const Finished listed = runSend({"--list-ports"});
            QCOMPARE(listed.status, 0);
            const QStringList lines = listed.output.split('\n', Qt::SkipEmptyParts);
            QCOMPARE(lines.filter(portLine).size(), 4);
        }
        qputenv("LC_ALL", "C.UTF-8");
    }

    void progressIsShownOnATerminalOnly() {
        SocatPair pair;
        MARKAST_VERIFY_PAIR(pair);
        FarEndReader reader(pair.openFarEnd());
        int terminal = -1;
        int childEnd = -1;
        QVERIFY(::openpty(&terminal, &childEnd, nullptr, nullptr, nullptr) == 0);
        QProcess send;
        send.setChildProcessModifier([childEnd] { ::dup2(childEnd, STDERR_FILENO); });
        send.start(QStringLiteral(MARKAST_SEND),
                   {"--device", pair.programEnd(), logo(patternedBytes(200'000))});
        QVERIFY(send.waitForFinished(60000));
        ::close(childEnd);
        QByteArray shown(65536, '\0');
        shown.truncate(std::max<ssize_t>(0, ::read(terminal, shown.data(), shown.size())));
        ::close(terminal);
        QCOMPARE(send.exitCode(), 0);
        QVERIFY2(shown.startsWith("\r") && shown.contains(" of 200000 bytes ") &&
                     shown.contains("\r\nSent 200000 bytes"),
                 shown.constData());
    }
};

QTEST_GUILESS_MAIN(TestMarkastSend)
#include "tst_markastsend.moc"
