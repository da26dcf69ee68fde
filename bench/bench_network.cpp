// Line efficiency through a serial device server: markast-send sends a 45,376-byte logo to a
// far end read at a marker's 960 bytes a second (one pseudo-terminal, nothing in between),
// through ser2net's RFC 2217 and raw accepters, and straight to the terminal for comparison.
// For each it prints the ideal time N/960 s against the time until the far end had the last
// byte, how long before that last byte markast-send said it was done, whether every byte
// arrived unchanged, and how many bytes still reached the far end after a Ctrl-C.
// Run: build/bench/bench_network [runs [pty|rfc2217|socket...]]
#include "support/Ser2net.h"
#include "support/TestData.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <cstdio>

using namespace markast::test;
using namespace std::chrono_literals;

namespace {

constexpr int BytesPerSecond = 960;
constexpr auto InterruptAfter = 10s;

// One far end and what stands in front of it: ser2net, or nothing for the terminal itself.
struct FarEnd {
    explicit FarEnd(const QString& scheme) : scheme(scheme) {
        if (scheme == QLatin1String("pty")) {
            line = std::make_unique<HeldLine>();
            reader = std::make_unique<FarEndReader>(line->takeMaster(), BytesPerSecond);
            return;
        }
        server = std::make_unique<Ser2net>();
        if (!server->isReady())
            qFatal("ser2net did not start (apt install ser2net)");
        reader = std::make_unique<FarEndReader>(server->openFarEnd(), BytesPerSecond);
    }
    QString device() const { return line ? line->deviceName() : server->address(scheme); }

    QString scheme;
    std::unique_ptr<HeldLine> line;
    std::unique_ptr<Ser2net> server;
    std::unique_ptr<FarEndReader> reader;
};

double secondsSince(std::chrono::steady_clock::time_point start,
                    std::chrono::steady_clock::time_point then) {
    return std::chrono::duration<double>(then - start).count();
}

struct Delivery {
    int status = -1;
    double exitSeconds = 0;
    double lastByteSeconds = 0; // until the far end had its last byte
    qsizetype arrived = 0;
    bool intact = false;
};

Delivery deliver(const QString& scheme, const QString& logo, const QByteArray& bytes) {
    FarEnd far(scheme);
    const auto start = std::chrono::steady_clock::now();
    QProcess send;
    send.setStandardErrorFile(QProcess::nullDevice());
    send.start(QStringLiteral(MARKAST_SEND), {"--quiet", "--device", far.device(), logo});
    send.waitForFinished(-1);
    Delivery delivery;
    delivery.status = send.exitCode();
    delivery.exitSeconds = secondsSince(start, std::chrono::steady_clock::now());
    far.reader->waitForBytes(bytes.size(), 120s);
    const QByteArray arrived = far.reader->bytesAfterQuiet(1s);
    delivery.arrived = arrived.size();
    delivery.intact = arrived == bytes;
    delivery.lastByteSeconds = secondsSince(start, far.reader->lastByteAt());
    return delivery;
}

// Bytes that reach the far end after a Ctrl-C in the middle of the logo.
qsizetype bytesAfterInterrupt(const QString& scheme, const QString& logo) {
    FarEnd far(scheme);
    QProcess send;
    send.setStandardErrorFile(QProcess::nullDevice());
    send.start(QStringLiteral(MARKAST_SEND), {"--quiet", "--device", far.device(), logo});
    QThread::sleep(static_cast<unsigned long>(InterruptAfter.count()));
    const qsizetype before = far.reader->bytes().size();
    ::kill(pid_t(send.processId()), SIGINT);
    send.waitForFinished(-1);
    return far.reader->bytesAfterQuiet(3s).size() - before;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    const int runs = arguments.isEmpty() ? 1 : std::max(1, arguments[0].toInt());
    const QStringList forms =
        arguments.size() > 1 ? arguments.mid(1) : QStringList{"pty", "rfc2217", "socket"};
    QTemporaryDir dir;
    const QByteArray bytes = awkwardBytes().repeated(7).first(45'376);
    const QString logo = writeFile(dir.filePath("logo.plt"), bytes);
    const double ideal = double(bytes.size()) / BytesPerSecond;
    std::printf("%lld bytes to a far end read at %d B/s; ideal %.1f s\n",
                static_cast<long long>(bytes.size()), BytesPerSecond, ideal);
    for (const QString& scheme : forms) {
        for (int run = 1; run <= runs; ++run) {
            const Delivery d = deliver(scheme, logo, bytes);
            std::printf("%-8s run %d: exit %d after %.1f s, last byte after %.1f s: efficiency "
                        "%.3f, done %.1f s before the last byte, %lld bytes arrived%s\n",
                        qPrintable(scheme), run, d.status, d.exitSeconds, d.lastByteSeconds,
                        ideal / d.lastByteSeconds, d.lastByteSeconds - d.exitSeconds,
                        static_cast<long long>(d.arrived), d.intact ? ", intact" : ", NOT INTACT");
            std::fflush(stdout);
        }
        std::printf("%-8s Ctrl-C after %llds: %lld bytes reached the far end afterwards\n",
                    qPrintable(scheme), static_cast<long long>(InterruptAfter.count()),
                    static_cast<long long>(bytesAfterInterrupt(scheme, logo)));
        std::fflush(stdout);
    }
    return 0;
}
