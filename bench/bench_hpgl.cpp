// How fast the preview reads and draws a logo, and what a hostile one costs it: a megabyte of
// tiny circles cut into half-degree chords, one polygon edged 72,000 times, huge circles in
// polygon mode (1 and 4 MB), 15.6 MB of one-letter labels, 16 MiB of dotted lines in one
// instruction, alternating filled rectangles (5 MB, and 100 KB drawn on 8192 x 8192), then 10 MB of
// HP-GL (lines, polygons as plotutils writes them, circles and arcs), each parsed into a display
// list and drawn on a 1000 x 800 sheet unless said otherwise, with the memory the process has held
// at most. Medians of a few runs. Run: build/bench/bench_hpgl
#include "Median.h"
#include "hpgl/DisplayListPainter.h"
#include "hpgl/HpglReader.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

using namespace markast::hpgl;
using namespace markast::bench;

namespace {

QByteArray logoOfAbout(qsizetype size) {
    QRandomGenerator random(7);
    const auto at = [&] {
        return random.bounded(20000);
    };
    QByteArray hpgl = "IN;IP0,0,8128,8128;SC0,20000,0,20000;SP1;";
    while (hpgl.size() < size) {
        hpgl += QStringLiteral("PU%1,%2;PD%3,%4,%5,%6;PA%7,%8;PM0;PD;PA%9,%10;PU;PM2;EP;")
                    .arg(at())
                    .arg(at())
                    .arg(at())
                    .arg(at())
                    .arg(at())
                    .arg(at())
                    .arg(at())
                    .arg(at())
                    .arg(at())
                    .arg(at())
                    .toLatin1();
        if (random.bounded(20) == 0)
            hpgl +=
                QStringLiteral("CI%1;AA%2,%3,90;PU;").arg(at() / 20).arg(at()).arg(at()).toLatin1();
    }
    return hpgl;
}

QByteArray polygonEdgedAgainAndAgain() {
    QByteArray hpgl = "IN;PU0,0;PM0;PD";
    for (int i = 1; i <= 6000; ++i)
        hpgl += QByteArray::number(i % 100) + "," + QByteArray::number(i / 100) + ",";
    return hpgl + "0,0;PM2;" + QByteArray("EP;").repeated(72'000);
}

// The head, then unit again and again up to size bytes.
QByteArray repeatedTo(const QByteArray& head, const QByteArray& unit, qsizetype size) {
    return head + unit.repeated((size - head.size()) / unit.size());
}

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

void measure(const char* name, const QByteArray& hpgl, QSize size = {1000, 800}) {
    std::vector<double> parse;
    std::vector<double> draw;
    qsizetype strokes = 0;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const DisplayList list = readHpgl(hpgl);
        parse.push_back(timer.nsecsElapsed() / 1e9);
        strokes = list.markCount();
        QImage sheet(size, QImage::Format_RGB32);
        sheet.fill(Qt::white);
        QPainter painter(&sheet);
        DisplayListPainter drawing(list, QRectF(sheet.rect()), false);
        timer.restart();
        while (!drawing.paintSome(painter, QDeadlineTimer(std::chrono::milliseconds(15)))) {
        }
        draw.push_back(timer.nsecsElapsed() / 1e9);
    }
    std::printf("%s, %.2f MB (%lld strokes): parse %.2f s, %.1f MB/s; draw on %d x %d %.2f s, "
                "in slices of 15 ms; %.0f MB held at most so far (medians of %d)\n",
                name, hpgl.size() / 1e6, static_cast<long long>(strokes), median(parse),
                hpgl.size() / 1e6 / median(parse), size.width(), size.height(), median(draw),
                peakMegabytes(), Runs);
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    measure("tiny circles", "IN;PU0,0;" + QByteArray("CI1,.5;").repeated(142'857));
    measure("one polygon edged 72,000 times", polygonEdgedAgainAndAgain());
    for (const qsizetype megabytes : {1, 4})
        measure("huge circles in polygon mode",
                repeatedTo("IN;PM0;", "CI99999,.5;", megabytes << 20) + "PM2;FP;");
    measure("one-letter labels", repeatedTo("IN;", "LBx\x03", 15'600'000));
    measure("dotted lines in one instruction",
            repeatedTo("IN;PU0,0;LT1,1;PD", "8000,0,0,997,", 16 << 20) + "0,0;");
    const QByteArray rectangles = "RA10000,10000;RA9999,9999;";
    measure("alternating filled rectangles", repeatedTo("IN;PU0,0;", rectangles, 5 << 20));
    measure("alternating filled rectangles", repeatedTo("IN;PU0,0;", rectangles, 100 << 10),
            {8192, 8192});
    measure("a logo", logoOfAbout(10'000'000));
    return 0;
}
