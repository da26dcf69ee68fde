// ink-compare, the measure scripts/check-hp2xx judges markast-render by: the same drawing at
// another size, margin, line width or background agrees; a turned, mirrored, incomplete or
// blank one does not.
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

enum class Variant { Same, Larger, Thick, Transparent, Mirrored, Turned, HalfMissing, Blank };

// An L and a ring in a frame, in a picture of size x size pixels with margin pixels around.
QImage drawing(int size, int margin, Variant variant) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(variant == Variant::Transparent ? Qt::transparent : Qt::white);
    if (variant == Variant::Blank)
        return image;
    QPainter painter(&image);
    const double unit = (size - 2.0 * margin) / 100;
    painter.translate(margin, margin);
    painter.scale(unit, unit);
    if (variant == Variant::Mirrored)
        painter.setTransform(QTransform(-1, 0, 0, 1, 100, 0), true);
    if (variant == Variant::Turned)
        painter.setTransform(QTransform(0, 1, -1, 0, 100, 0), true);
    painter.setPen(QPen(Qt::black, (variant == Variant::Thick ? 4 : 1) / unit));
    painter.drawRect(QRectF(0, 0, 100, 100));
    painter.drawPolyline(QPolygonF({{10, 10}, {10, 90}, {50, 90}}));
    if (variant != Variant::HalfMissing)
        painter.drawEllipse(QPointF(70, 30), 20, 20);
    return image;
}

} // namespace

class TestInkCompare : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void measure_data();
    void measure();
};

void TestInkCompare::measure_data() {
    QTest::addColumn<Variant>("variant");
    QTest::addColumn<bool>("agrees");
    QTest::newRow("the same") << Variant::Same << true;
    QTest::newRow("three times larger, wider margin") << Variant::Larger << true;
    QTest::newRow("lines four pixels wide") << Variant::Thick << true;
    QTest::newRow("transparent, not white") << Variant::Transparent << true;
    QTest::newRow("mirrored") << Variant::Mirrored << false;
    QTest::newRow("turned by 90 degrees") << Variant::Turned << false;
    QTest::newRow("the ring missing") << Variant::HalfMissing << false;
    QTest::newRow("blank") << Variant::Blank << false;
}

void TestInkCompare::measure() {
    QFETCH(Variant, variant);
    QFETCH(bool, agrees);
    QTemporaryDir dir;
    QVERIFY(drawing(400, 20, Variant::Same).save(dir.filePath("first.png")));
    const bool larger = variant == Variant::Larger;
    QVERIFY(
        drawing(larger ? 1200 : 400, larger ? 300 : 20, variant).save(dir.filePath("second.png")));

    QProcess compare;
    compare.start(INK_COMPARE, {"256", "3", dir.path()});
    compare.write(
        ("case\t" + dir.filePath("first.png") + "\t" + dir.filePath("second.png") + "\n").toUtf8());
    compare.closeWriteChannel();
    QVERIFY(compare.waitForFinished(30000));
    QCOMPARE(compare.exitCode(), 0);
    const QStringList said =
        QString::fromUtf8(compare.readAllStandardOutput()).trimmed().split('\t');
    QCOMPARE(said.size(), 5);
    QCOMPARE(said[0], QStringLiteral("case"));
    QVERIFY(said[1].toLong() > 0);
    QCOMPARE(said[2].toLong() > 0, variant != Variant::Blank);
    const double similarity = std::min(said[3].toDouble(), said[4].toDouble());
    QVERIFY2(agrees ? similarity >= 0.95 : similarity < 0.9, qPrintable(said.join(' ')));
    QVERIFY(!QImage(dir.filePath("case.png")).isNull());
}

QTEST_GUILESS_MAIN(TestInkCompare)
#include "tst_ink-compare.moc"
