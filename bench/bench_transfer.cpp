// Figures for loading and sending logos through the real main window and serial control.
// Each figure is the median of a few runs. Run: build/bench/bench_transfer [section...]
// with sections load, send, throttled, memory, settle (all by default, each in a process of
// its own).
#include "Median.h"
#include "support/WindowRig.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

using namespace markast;
using namespace markast::test;
using namespace std::chrono_literals;
using namespace markast::bench;

namespace {

QString makeFile(const QTemporaryDir& dir, const QString& name, qint64 size) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    QByteArray block(1 << 20, Qt::Uninitialized);
    for (int i = 0; i < block.size(); ++i)
        block[i] = static_cast<char>(i * 31 + 7);
    for (qint64 left = size; left > 0; left -= block.size())
        file.write(block.constData(), std::min<qint64>(left, block.size()));
    return path;
}

double peakResidentMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

// Loads path through the window's open dialog; seconds taken.
double timedLoad(WindowRig& rig, const QString& path) {
    QElapsedTimer timer;
    timer.start();
    rig.open(path);
    return timer.nsecsElapsed() / 1e9;
}

void benchLoad(const QTemporaryDir& dir) {
    const qint64 size = 64ll << 20;
    const QString path = makeFile(dir, "load.plt", size);
    std::vector<double> rates;
    for (int run = 0; run < Runs; ++run) {
        WindowRig rig;
        rig.startFake();
        rates.push_back(size / 1e6 / timedLoad(rig, path));
    }
    std::printf("load 64 MiB, per-byte progress: %.1f MB/s (median of %d)\n", median(rates), Runs);
}

// Sends path to a fresh pty pair read as fast as possible; seconds until the last byte
// arrived.
double sendToPair(const QString& path, qint64 size, std::chrono::milliseconds stall,
                  int readerBytesPerSecond) {
    WindowRig rig;
    rig.startOnPair(stall, readerBytesPerSecond);
    timedLoad(rig, path);
    QElapsedTimer timer;
    timer.start();
    // The settle wait runs on the fake clock, so it takes no time here.
    rig.form->SendLogo();
    rig.reader->waitForBytes(size, 600s);
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (rig.reader->bytes().size() != size)
        std::printf("  warning: %lld of %lld bytes arrived\n",
                    static_cast<long long>(rig.reader->bytes().size()),
                    static_cast<long long>(size));
    return seconds;
}

double catToPair(const QString& path, qint64 size) {
    SocatPair pair;
    FarEndReader reader(pair.openFarEnd());
    QElapsedTimer timer;
    timer.start();
    QProcess::execute(
        QStringLiteral("sh"),
        {QStringLiteral("-c"), QStringLiteral("cat \"$0\" > \"$1\""), path, pair.programEnd()});
    reader.waitForBytes(size, 600s);
    return timer.nsecsElapsed() / 1e9;
}

void benchSend(const QTemporaryDir& dir) {
    const qint64 size = 64ll << 20;
    const QString path = makeFile(dir, "send.plt", size);
    std::vector<double> markast;
    std::vector<double> cat;
    for (int run = 0; run < Runs; ++run) {
        markast.push_back(size / 1e6 / sendToPair(path, size, 30s, 0));
        cat.push_back(size / 1e6 / catToPair(path, size));
    }
    std::printf("send 64 MiB to a pty pair: markast %.1f MB/s, cat %.1f MB/s (medians of %d)\n",
                median(markast), median(cat), Runs);
}

void benchThrottled(const QTemporaryDir& dir) {
    const qint64 size = 20'000;
    const QString path = makeFile(dir, "throttled.plt", size);
    // One run: each takes about 21 s. The pty wakes a waiting writer late, so the stall
    // time must allow for that.
    const double seconds = sendToPair(path, size, 60s, 960);
    std::printf("send 20 KB to a reader taking 960 bytes/s: %.1f s, efficiency %.2f\n", seconds,
                size / 960.0 / seconds);
}

void benchMemory(const QTemporaryDir& dir) {
    const qint64 size = 256ll << 20;
    const QString path = makeFile(dir, "big.plt", size);
    const double before = peakResidentMiB();
    WindowRig rig;
    rig.startFake();
    timedLoad(rig, path);
    std::printf("load 256 MiB: peak resident %.0f MiB (%.0f MiB before the load)\n",
                peakResidentMiB(), before);
}

void benchSettle(const QTemporaryDir& dir) {
    const QString path = makeFile(dir, "settle.plt", 1);
    std::vector<double> cpu;
    std::vector<double> wall;
    for (int run = 0; run < Runs; ++run) {
        SystemClock clock;
        WindowRig rig;
        rig.clock = &clock;
        rig.startFake();
        timedLoad(rig, path);
        const auto cpuBefore = processCpuTime();
        QElapsedTimer timer;
        timer.start();
        rig.form->SendLogo();
        wall.push_back(timer.nsecsElapsed() / 1e9);
        cpu.push_back(std::chrono::duration<double>(processCpuTime() - cpuBefore).count());
    }
    std::printf("settle wait: %.2f s long, %.3f s of processor time (medians of %d)\n",
                median(wall), median(cpu), Runs);
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList sections = app.arguments().mid(1);
    if (sections.isEmpty()) {
        // Each section in a process of its own, so that no figure carries another's memory.
        for (const char* section : {"load", "send", "throttled", "memory", "settle"})
            QProcess::execute(app.applicationFilePath(), {QString::fromLatin1(section)});
        return 0;
    }
    QTemporaryDir dir;
    for (const QString& section : sections) {
        if (section == "load")
            benchLoad(dir);
        else if (section == "send")
            benchSend(dir);
        else if (section == "throttled")
            benchThrottled(dir);
        else if (section == "memory")
            benchMemory(dir);
        else if (section == "settle")
            benchSettle(dir);
        else
            std::printf("unknown section %s\n", qPrintable(section));
        std::fflush(stdout);
    }
    return 0;
}
