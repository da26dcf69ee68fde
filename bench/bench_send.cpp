// markast-send against cat, writing the same 64 MiB to the same kind of socat pair in the same
// run: throughput of each, their ratio, and markast-send's processor time per MiB. Each figure
// is the median of a few runs. Run: build/bench/bench_send
#include "ChildRun.h"
#include "Median.h"
#include "support/Pty.h"
#include "support/TestData.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

using namespace markast::test;
using namespace std::chrono_literals;
using namespace markast::bench;

namespace {

constexpr qint64 Size = 64ll << 20;

double childCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Run {
    double megabytesPerSecond;
    double cpuSecondsPerMiB;
};

// Runs program with arguments, where "DEVICE" stands for the program end of a fresh pair, and
// times it until the far end has every byte.
Run sendToPair(const QString& program, QStringList arguments) {
    SocatPair pair;
    FarEndReader reader(pair.openFarEnd());
    arguments.replaceInStrings(QStringLiteral("DEVICE"), pair.programEnd());
    const double cpuBefore = childCpuSeconds();
    const double seconds = secondsUntilArrived(program, arguments, reader, Size, 600s);
    return {Size / 1e6 / seconds, (childCpuSeconds() - cpuBefore) / (Size >> 20)};
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString logo = writeFile(dir.filePath("logo.plt"), patternedBytes(Size));
    std::vector<double> send;
    std::vector<double> cat;
    std::vector<double> sendCpu;
    for (int run = 0; run < Runs; ++run) {
        const Run sent = sendToPair(QStringLiteral(MARKAST_SEND),
                                    {QStringLiteral("--quiet"), QStringLiteral("--device"),
                                     QStringLiteral("DEVICE"), logo});
        send.push_back(sent.megabytesPerSecond);
        sendCpu.push_back(sent.cpuSecondsPerMiB);
        cat.push_back(sendToPair(QStringLiteral("sh"),
                                 {QStringLiteral("-c"), QStringLiteral("cat \"$0\" > \"$1\""), logo,
                                  QStringLiteral("DEVICE")})
                          .megabytesPerSecond);
    }
    std::printf("64 MiB to a pty pair: markast-send %.1f MB/s, cat %.1f MB/s, ratio %.2f; "
                "markast-send %.4f s of processor time per MiB (medians of %d)\n",
                median(send), median(cat), median(send) / median(cat), median(sendCpu), Runs);
    return 0;
}
