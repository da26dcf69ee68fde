// Line and fill types: where the dashes of a pattern fall, and where hatching lines run.
#include "hpgl/LineTypes.h"

#include <QTest>

using namespace markast::hpgl;

namespace {

// Each dash as "from-to" along x, a dot as one number.
QString along(const std::vector<QList<QPointF>>& dashes) {
    QStringList parts;
    for (const QList<QPointF>& dash : dashes) {
        QString part = QString::number(dash.front().x(), 'g', 4);
        if (dash.size() > 1)
            part += "-" + QString::number(dash.back().x(), 'g', 4);
        parts.append(part);
    }
    return parts.join(' ');
}

} // namespace

class TestLineTypes : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void patternsRepeatAtTheirLength_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("adaptive");
        QTest::addColumn<QList<double>>("ends"); // along x: one line, or two after each other
        QTest::addColumn<QString>("dashes");
        QTest::newRow("half dashes")
            << 2 << false << QList<double>{0, 300} << "0-50 100-150 200-250";
        QTest::newRow("dots") << 1 << false << QList<double>{0, 250} << "0 100 200";
        QTest::newRow("dash and dot")
            << 4 << false << QList<double>{0, 200} << "0-80 90 100-180 190";
        QTest::newRow("going on into the next line")
            << 2 << false << QList<double>{0, 75, 300} << "0-50 100-150 200-250";
        QTest::newRow("adaptive, stretched to whole patterns")
            << 2 << true << QList<double>{0, 260} << "0-43.33 86.67-130 173.3-216.7";
        QTest::newRow("adaptive, each line afresh")
            << 2 << true << QList<double>{0, 100, 150} << "0-50 100-125";
    }

    void patternsRepeatAtTheirLength() {
        QFETCH(int, type);
        QFETCH(bool, adaptive);
        QFETCH(QList<double>, ends);
        QFETCH(QString, dashes);
        Dasher dasher(defaultLinePattern(type), 100, adaptive);
        std::vector<QList<QPointF>> drawn;
        for (qsizetype i = 1; i < ends.size(); ++i)
            QVERIFY(dasher.dash({{ends[i - 1], 0}, {ends[i], 0}}, drawn, 1000));
        // A dash cut at a line's end and going on in the next is one dash on the sheet.
        for (std::size_t i = 1; i < drawn.size(); ++i) {
            if (drawn[i - 1].size() > 1 && drawn[i].front() == drawn[i - 1].back()) {
                drawn[i - 1].append(drawn[i].back());
                drawn.erase(drawn.begin() + qsizetype(i--));
            }
        }
        QCOMPARE(along(drawn), dashes);
    }

    void aDashTurnsCorners() {
        Dasher dasher(defaultLinePattern(3), 100, false);
        std::vector<QList<QPointF>> drawn;
        QVERIFY(dasher.dash({{0, 0}, {50, 0}, {50, 100}}, drawn, 10));
        QCOMPARE(drawn.front(), QList<QPointF>({{0, 0}, {50, 0}, {50, 20}}));
    }

    void aFinePatternOnALongLineStopsAtItsLimit() {
        Dasher dasher(defaultLinePattern(2), 1e-3, false);
        std::vector<QList<QPointF>> drawn;
        QVERIFY(!dasher.dash({{0, 0}, {1e9, 0}}, drawn, 1000));
        QCOMPARE(drawn.size(), std::size_t(1000));
    }

    void hatchingRunsAtItsSpacingAndAngle_data() {
        QTest::addColumn<double>("angle");
        QTest::addColumn<bool>("cross");
        QTest::addColumn<bool>("nonZero");
        QTest::addColumn<int>("lines");
        QTest::addColumn<double>("inked"); // the lines' length together
        QTest::newRow("along x") << 0.0 << false << false << 10 << 1000.0;
        QTest::newRow("upright") << 90.0 << false << false << 10 << 1000.0;
        QTest::newRow("crossed") << 0.0 << true << false << 20 << 2000.0;
        // the inner square, wound the same way, is a hole by the even-odd rule only
        QTest::newRow("even-odd") << 0.0 << false << false << 12 << 968.0;
        QTest::newRow("non-zero") << 0.0 << false << true << 10 << 1000.0;
    }

    void hatchingRunsAtItsSpacingAndAngle() {
        QFETCH(double, angle);
        QFETCH(bool, cross);
        QFETCH(bool, nonZero);
        QFETCH(int, lines);
        QFETCH(double, inked);
        std::vector<QList<QPointF>> outlines{{{0, 0}, {100, 0}, {100, 100}, {0, 100}}};
        const QByteArrayView tag(QTest::currentDataTag());
        if (tag == "even-odd" || tag == "non-zero")
            outlines.push_back({{42, 42}, {58, 42}, {58, 58}, {42, 58}});
        std::vector<QList<QPointF>> drawn;
        QVERIFY(hatch(outlines, 10, angle, cross, nonZero, {0, 5}, drawn, 1000));
        QCOMPARE(int(drawn.size()), lines);
        double length = 0;
        for (const QList<QPointF>& line : drawn)
            length += QLineF(line.front(), line.back()).length();
        QCOMPARE(qRound(length), qRound(inked));
        // through the anchor, spacing apart
        const QPointF first = drawn.front().front();
        QCOMPARE(qRound(std::fmod(angle == 90 ? first.x() : first.y() - 5, 10)), 0);
    }
};

QTEST_GUILESS_MAIN(TestLineTypes)
#include "tst_linetypes.moc"
