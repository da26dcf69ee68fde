// markast-render and the drawing it shares with the preview: what it says and returns for each
// kind of input, PNG thumbnails that keep the logo's aspect, and SVG and PDF at true size.
#include "hpgl/HpglReader.h"
#include "render/LogoRender.h"
#include "support/TestData.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <sys/resource.h>
#include <sys/stat.h>

using namespace markast;
using namespace markast::render;
using namespace markast::test;

namespace {

// A frame of 50 x 25 mm: 2,000 x 1,000 plotter units.
const QByteArray Frame = "IN;PU0,0;PD2000,0,2000,1000,0,1000,0,0;PU;";

// Two numbers of text as millimetres, where the pattern finds them.
QSizeF measured(const QString& text, const QString& pattern, double toMillimetres) {
    const QRegularExpressionMatch match = QRegularExpression(pattern).match(text);
    return QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()) * toMillimetres;
}

// The box of what is drawn in image, in pixels.
QRect inked(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

} // namespace

class TestRender : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    // Exit 0 drawn, 1 nothing to draw, 2 a usage error or a file that cannot be read or written;
    // what went wrong is said, and nothing is ever waited for.
    void whatItSaysAndReturns_data() {
        QTest::addColumn<QStringList>("arguments"); // IN is dir/in.plt unless it names another
        QTest::addColumn<QByteArray>("in");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        const QString in = dir.filePath("in.plt");
        const QString out = dir.filePath("out.png");
        QTest::newRow("drawn") << QStringList{in, out} << Frame << 0 << "";
        QTest::newRow("drawn, with lettering")
            << QStringList{in, out} << Frame + "SI0.5,0.7;LBACME\x03;" << 0 << "";
        QTest::newRow("no drawing")
            << QStringList{in, out} << allByteValues() << 1 << "has no HPGL drawing in it";
        QTest::newRow("empty") << QStringList{in, out} << QByteArray() << 1 << "is empty";
        QTest::newRow("missing") << QStringList{dir.filePath("none.plt"), out} << Frame << 2
                                 << "does not exist";
        QTest::newRow("a FIFO") << QStringList{dir.filePath("fifo"), out} << Frame << 2
                                << "is not a file";
        QTest::newRow("no OUT") << QStringList{in} << Frame << 2 << "give one IN and one OUT";
        QTest::newRow("another suffix") << QStringList{in, dir.filePath("out.gif")} << Frame << 2
                                        << "ends in neither .png, .svg nor .pdf";
        QTest::newRow("size 0") << QStringList{"--size", "0", in, out} << Frame << 2
                                << "--size takes 1 to 8192 pixels, not \"0\"";
        QTest::newRow("OUT a FIFO") << QStringList{in, dir.filePath("fifo.png")} << Frame << 2
                                    << "fifo.png: it is not an ordinary file";
        QTest::newRow("OUT cannot be written")
            << QStringList{in, dir.filePath("no/such/folder/out.pdf")} << Frame << 2
            << "Not written: ";
    }

    void whatItSaysAndReturns() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, in);
        QFETCH(int, status);
        QFETCH(QString, said);
        writeFile(dir.filePath("in.plt"), in);
        for (const QString name : {"fifo", "fifo.png"}) {
            if (!QFile::exists(dir.filePath(name)))
                QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(name)).constData(), 0600), 0);
        }
        const Finished drawn = runProgram(QStringLiteral(MARKAST_RENDER), arguments);
        QCOMPARE(drawn.status, status);
        QVERIFY2(drawn.log.contains(said), qPrintable(drawn.log));
    }

    // Fitted into the square with its aspect kept: a frame twice as wide as high fills the width
    // and half the height, in the middle, and around it all is transparent.
    void aThumbnailKeepsTheAspect_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("128") << 128;
        QTest::newRow("256") << 256;
    }

    void aThumbnailKeepsTheAspect() {
        QFETCH(int, size);
        const QString out = dir.filePath("thumbnail.png");
        const Finished drawn = runProgram(
            QStringLiteral(MARKAST_RENDER),
            {"--size", QString::number(size), writeFile(dir.filePath("frame.plt"), Frame), out});
        QCOMPARE(drawn.status, 0);
        const QImage image(out);
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(image.hasAlphaChannel());
        const QRect box = inked(image);
        QVERIFY2(std::abs(box.width() - 2 * box.height()) <= 3,
                 qPrintable(QStringLiteral("%1 x %2").arg(box.width()).arg(box.height())));
        QVERIFY(box.left() > 0 && box.right() < size - 1);
        QVERIFY(std::abs(box.center().y() - size / 2) <= 1);
    }

    // A thumbnailing service makes OUT empty and reads the image back through the handle it
    // keeps: the image must reach that very file, not a new one put in its place.
    void anEmptyOutIsFilledInPlace() {
        const QString out = writeFile(dir.filePath("handed.png"), {});
        QFile held(out);
        QVERIFY(held.open(QIODevice::ReadOnly));
        const QString in = writeFile(dir.filePath("frame.plt"), Frame);
        QCOMPARE(runProgram(QStringLiteral(MARKAST_RENDER), {"--size", "64", in, out}).status, 0);
        QVERIFY(held.readAll().startsWith("\x89PNG"));
    }

    // OUT is whole or as it was: a run killed while it writes leaves the old thumbnail, not an
    // empty or half-written file, and nothing beside it. A file size limit kills the run
    // (SIGXFSZ) at the very write that crosses it, wherever that write goes.
    void killedMidWriteLeavesOutAsItWas() {
        QTemporaryDir folder;
        const QString out = folder.filePath("out.png");
        writeFile(out, "the thumbnail before");
        const QString in = writeFile(folder.filePath("frame.plt"), Frame);
        QProcess run;
        run.setChildProcessModifier([] {
            const rlimit small{64, 64};
            const rlimit none{0, 0};
            ::setrlimit(RLIMIT_FSIZE, &small);
            ::setrlimit(RLIMIT_CORE, &none);
        });
        run.start(QStringLiteral(MARKAST_RENDER), {"--size", "256", in, out});
        QVERIFY(run.waitForFinished(60000));
        QVERIFY(run.exitStatus() == QProcess::CrashExit || run.exitCode() != 0);
        QFile after(out);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), QByteArray("the thumbnail before"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 2);
    }

    // An SVG's title is its file's name, escaped where XML needs it: a reader takes the file
    // and reads the name back as it was.
    void anSvgTitleIsTheNameAsItIs() {
        const QString out = dir.filePath("Logo A&B <\"1\">.svg");
        QString error;
        QVERIFY2(writeLogo(hpgl::readHpgl(Frame), out, Format::Svg, 0, error), qPrintable(error));
        QFile written(out);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&written);
        QString title;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"title")
                title = xml.readElementText();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(title, QStringLiteral("Logo A&B <\"1\">"));
    }

    // SVG and PDF at true size: the frame's 50 x 25 mm, within 0.2 mm; an SVG with room for
    // half the widest pen around it.
    void trueSize_data() {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<double>("toMillimetres");
        QTest::addColumn<QByteArray>("pen");
        QTest::addColumn<QSizeF>("millimetres");
        const QString svg = "<svg width=\"([0-9.]+)mm\" height=\"([0-9.]+)mm\"";
        QTest::newRow("SVG") << "svg" << svg << 1.0 << QByteArray() << QSizeF(50, 25);
        QTest::newRow("PDF") << "pdf"
                             << "/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]" << 25.4 / 72
                             << QByteArray() << QSizeF(50, 25);
        QTest::newRow("SVG, a 2 mm pen")
            << "svg" << svg << 1.0 << QByteArray("PW2;") << QSizeF(52, 27);
    }

    void trueSize() {
        QFETCH(QString, suffix);
        QFETCH(QString, pattern);
        QFETCH(double, toMillimetres);
        QFETCH(QByteArray, pen);
        QFETCH(QSizeF, millimetres);
        const QString out = dir.filePath("frame." + suffix);
        QString error;
        QVERIFY2(
            writeLogo(hpgl::readHpgl("IN;" + pen + Frame.mid(3)), out, *formatOf(out), 0, error),
            qPrintable(error));
        QFile written(out);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QSizeF size =
            measured(QString::fromLatin1(written.readAll()), pattern, toMillimetres);
        QVERIFY2(std::abs(size.width() - millimetres.width()) <= 0.2 &&
                     std::abs(size.height() - millimetres.height()) <= 0.2,
                 qPrintable(QStringLiteral("%1 x %2 mm").arg(size.width()).arg(size.height())));
    }
};

QTEST_GUILESS_MAIN(TestRender)
#include "tst_render.moc"
