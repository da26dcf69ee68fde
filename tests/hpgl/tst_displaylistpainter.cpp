// Drawing a display list: a mark that does not move is a round dot of the pen's width.
#include "hpgl/DisplayListPainter.h"
#include "hpgl/HpglReader.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace markast::hpgl;

class TestDisplayListPainter : public QObject {
    Q_OBJECT

    // The logo drawn on a 100-pixel square, ten plotter units to the pixel, y growing upwards.
    static QImage drawn(const QByteArray& hpgl, PaintStyle style) {
        const DisplayList list = readHpgl(hpgl);
        QImage image(100, 100, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        DisplayListPainter(list, QTransform(0.1, 0, 0, -0.1, 0, 100), style).paintAll(painter);
        return image;
    }
    static bool inked(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

private Q_SLOTS:
    void aMarkThatDoesNotMoveIsADot_data() {
        QTest::addColumn<QByteArray>("hpgl");
        QTest::newRow("PD with no coordinates") << QByteArray("IN;PU500,500;PD;PU;");
        QTest::newRow("PD to its own place") << QByteArray("IN;PU500,500;PD500,500;PU;");
        QTest::newRow("PA to its own place") << QByteArray("IN;PA500,500;PD;PA500,500;PU;");
        QTest::newRow("PR of nothing") << QByteArray("IN;PU500,500;PD;PR0,0;PU;");
        QTest::newRow("all points the same")
            << QByteArray("IN;PU500,500;PD500,500,500,500,500,500;PU;");
        QTest::newRow("a filled rectangle of no size") << QByteArray("IN;PU500,500;RR0,0;");
    }

    void aMarkThatDoesNotMoveIsADot() {
        QFETCH(QByteArray, hpgl);
        const QImage image = drawn(hpgl, {10, false});
        // Centred on (50, 50), five pixels across each way.
        for (const QPoint& in : {QPoint(50, 50), QPoint(53, 50), QPoint(50, 46)})
            QVERIFY2(inked(image, in.x(), in.y()), qPrintable(QString::number(in.x())));
        for (const QPoint& out : {QPoint(57, 50), QPoint(43, 50), QPoint(50, 57), QPoint(54, 54)})
            QVERIFY2(!inked(image, out.x(), out.y()), qPrintable(QString::number(out.x())));
    }

    void theWindowClipsTheMarks() {
        const QImage image = drawn("IN;IW0,0,500,1000;PU0,500;PD1000,500;", {4, false});
        QVERIFY(inked(image, 20, 50));
        QVERIFY(!inked(image, 80, 50));
    }

    // A square in a square, one polygon: FP fills the ring, and the middle by its rule.
    void overlappingOutlinesFollowTheFillRule_data() {
        QTest::addColumn<QByteArray>("inner"); // the inner square, and the fill
        QTest::addColumn<bool>("middleInked");
        QTest::newRow("even-odd") << QByteArray("PD600,400,600,600,400,600,400,400;PM2;FP;")
                                  << false;
        QTest::newRow("winding, the same way round")
            << QByteArray("PD600,400,600,600,400,600,400,400;PM2;FP1;") << true;
        QTest::newRow("winding, the other way round")
            << QByteArray("PD400,600,600,600,600,400,400,400;PM2;FP1;") << false;
    }

    void overlappingOutlinesFollowTheFillRule() {
        QFETCH(QByteArray, inner);
        QFETCH(bool, middleInked);
        const QImage image =
            drawn("IN;PU200,200;PM0;PD800,200,800,800,200,800,200,200;PM1;PU400,400;" + inner,
                  {1, false});
        QVERIFY(inked(image, 30, 50));
        QCOMPARE(inked(image, 50, 50), middleInked);
    }

    // A drawing of many dots is drawn thin to be quick: each dot is still a pixel.
    void dotsOfALargeDrawingStayVisible() {
        QByteArray hpgl = "IN;";
        for (int i = 0; i < 30'000; ++i)
            hpgl += "PA" + QByteArray::number(50 + (i % 2) * 900) + ",500;PD;PA" +
                    QByteArray::number(50 + (i % 2) * 900) + ",500;PU;";
        const QImage image = drawn(hpgl, {10, true});
        QVERIFY(inked(image, 5, 50));
        QVERIFY(inked(image, 95, 50));
        QVERIFY(!inked(image, 50, 50));
    }
};

QTEST_MAIN(TestDisplayListPainter)
#include "tst_displaylistpainter.moc"
