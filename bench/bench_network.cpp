// markast-send through socket:// against socat -u FILE TCP:..., each sending the same 8 MiB to
// the same kind of ser2net (raw TCP, in front of a socat pair read as fast as it goes) in the
// same run, timed until the far end has every byte. Medians of a few runs.
// Run: build/bench/bench_network
#include "ChildRun.h"
#include "Median.h"
#include "support/Ser2net.h"
#include "support/TestData.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>

using namespace markast::test;
using namespace std::chrono_literals;
using namespace markast::bench;

namespace {

constexpr qint64 Size = 8ll << 20;

// Runs program with arguments, where "HOST:PORT" and "ADDRESS" stand for a fresh server's raw
// accepter, and gives the megabytes a second until the far end has every byte.
double sendThroughSer2net(const QString& program, QStringList arguments) {
    Ser2net server;
    if (!server.isReady())
        qFatal("ser2net did not start (apt install ser2net socat)");
    FarEndReader reader(server.openFarEnd());
    const QString address = server.address(QStringLiteral("socket"));
    arguments.replaceInStrings(QStringLiteral("ADDRESS"), address);
    arguments.replaceInStrings(QStringLiteral("HOST:PORT"), address.mid(9));
    return Size / 1e6 / secondsUntilArrived(program, arguments, reader, Size, 120s);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString logo = writeFile(dir.filePath("logo.plt"), patternedBytes(Size));
    std::vector<double> send;
    std::vector<double> socat;
    for (int run = 0; run < Runs; ++run) {
        send.push_back(sendThroughSer2net(QStringLiteral(MARKAST_SEND),
                                          {"--quiet", "--device", "ADDRESS", logo}));
        socat.push_back(
            sendThroughSer2net(QStringLiteral("socat"), {"-u", "FILE:" + logo, "TCP:HOST:PORT"}));
    }
    std::printf("8 MiB through ser2net: markast-send (socket://) %.1f MB/s, socat %.1f MB/s, "
                "ratio %.2f (medians of %d)\n",
                median(send), median(socat), median(send) / median(socat), Runs);
    return 0;
}
