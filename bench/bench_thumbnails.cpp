// Thumbnails a second: markast-render --size 128, as a file manager's thumbnailing service runs
// it, over a folder of 100 real logo files of mixed sizes: charts, symbols and font tables that
// GNU plotutils writes, and, where Inkscape is installed, drawings that Inkscape exports as
// HP-GL. Median of a few passes. Run: build/bench/bench_thumbnails
#include "Median.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace markast::bench;

namespace {

constexpr int Logos = 100;
constexpr int InkscapeLogos = 20;

// What program writes on its standard output when fed input.
QByteArray
outputOf(const QString& program, const QStringList& arguments, const QByteArray& input = {},
         const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    return process.readAllStandardOutput();
}

void save(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// A chart of count random points, in one of graph's line and symbol styles.
QByteArray plotutilsChart(QRandomGenerator& random, int count) {
    QByteArray data;
    for (int i = 0; i < count; ++i)
        data += QByteArray::number(i) + ' ' + QByteArray::number(random.bounded(1000)) + '\n';
    const QStringList styles[] = {{}, {"-m", "2"}, {"-S", "3", "0.03"}, {"-g", "0"}, {"-g", "3"}};
    return outputOf("graph", QStringList{"-T", "hpgl"} + styles[random.bounded(5)], data);
}

// An Inkscape drawing of shapes and paths, size millimetres wide, exported as HP-GL.
QByteArray inkscapeDrawing(QRandomGenerator& random, const QDir& folder, int size) {
    QByteArray shapes;
    for (int i = 0; i < 3 + random.bounded(12); ++i) {
        const auto at = [&] {
            return QByteArray::number(random.bounded(size));
        };
        shapes += random.bounded(2)
                      ? "<circle cx=\"" + at() + "\" cy=\"" + at() + "\" r=\"" +
                            QByteArray::number(1 + random.bounded(size / 4)) + "\"/>"
                      : "<path d=\"M" + at() + " " + at() + " C" + at() + " " + at() + " " + at() +
                            " " + at() + " " + at() + " " + at() + " Z\"/>";
    }
    const QString svg = folder.filePath("drawing.svg");
    save(svg, "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + QByteArray::number(size) +
                  "mm\" height=\"" + QByteArray::number(size) + "mm\" viewBox=\"0 0 " +
                  QByteArray::number(size) + " " + QByteArray::number(size) +
                  "\"><g fill=\"none\" stroke=\"black\">" + shapes + "</g></svg>");
    // Inkscape's HP-GL export runs on the system's Python, and keeps its state in HOME.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PATH", "/usr/bin:/bin");
    environment.insert("HOME", folder.path());
    const QString hpgl = folder.filePath("drawing.hpgl");
    outputOf("inkscape", {"--export-type=hpgl", "--export-filename=" + hpgl, svg}, {}, environment);
    QFile exported(hpgl);
    return exported.open(QIODevice::ReadOnly) ? exported.readAll() : QByteArray();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (QStandardPaths::findExecutable("graph").isEmpty())
        qFatal("GNU plotutils is not installed (apt install plotutils)");
    const bool inkscape = !QStandardPaths::findExecutable("inkscape").isEmpty();
    QTemporaryDir work;
    QDir folder(work.path());
    folder.mkdir("logos");
    QRandomGenerator random(2026);
    const QStringList fonts = {"HersheySerif", "HersheySans", "HersheyScript",
                               "HersheyGothicEnglish", "HersheyCyrillic"};
    qsizetype smallest = -1;
    qsizetype largest = 0;
    int fromInkscape = 0;
    for (int i = 0; i < Logos; ++i) {
        QByteArray hpgl;
        if (inkscape && fromInkscape < InkscapeLogos && i % 5 == 0) {
            hpgl = inkscapeDrawing(random, folder, 20 + random.bounded(180));
            fromInkscape += !hpgl.isEmpty();
        }
        if (hpgl.isEmpty() && i % 10 == 1)
            hpgl = outputOf("plotfont", {"-T", "hpgl", fonts[random.bounded(fonts.size())]});
        if (hpgl.isEmpty())
            hpgl = plotutilsChart(random, 5 + random.bounded(i % 4 == 0 ? 2000 : 400));
        save(folder.filePath(QStringLiteral("logos/logo %1.plt").arg(i)), hpgl);
        smallest = smallest < 0 ? hpgl.size() : std::min(smallest, hpgl.size());
        largest = std::max(largest, hpgl.size());
    }

    std::vector<double> rates;
    for (int pass = 0; pass < Runs; ++pass) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < Logos; ++i) {
            QProcess render;
            render.setStandardErrorFile(QProcess::nullDevice());
            render.start(QStringLiteral(MARKAST_RENDER),
                         {"--size", "128",
                          folder.filePath(QStringLiteral("logos/logo %1.plt").arg(i)),
                          folder.filePath(QStringLiteral("thumbnail %1.png").arg(i))});
            render.waitForFinished(60000);
            if (render.exitCode() != 0)
                std::printf("  logo %d: markast-render ended with %d\n", i, render.exitCode());
        }
        rates.push_back(Logos / (timer.nsecsElapsed() / 1e9));
    }
    std::printf("%d logos (%d from Inkscape%s, the rest from GNU plotutils; %lld to %lld bytes): "
                "%.1f thumbnails a second at 128 px (median of %d passes)\n",
                Logos, fromInkscape, inkscape ? "" : ", which is not installed",
                static_cast<long long>(smallest), static_cast<long long>(largest), median(rates),
                Runs);
    return 0;
}
