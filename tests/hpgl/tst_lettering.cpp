// Lettering in the stroke font: where each character stands, what the label origin and the
// control characters do, and which character a byte is in each set.
#include "hpgl/CharacterSets.h"
#include "hpgl/Lettering.h"
#include "hpgl/StrokeFont.h"

#include <QTest>

using namespace markast::hpgl;

namespace {

// An upright capital I is one line from its foot on the baseline to its top, through the middle
// of its cell: where a label's I lines stand shows where the label is.
std::vector<QList<QPointF>> lettered(LabelStyle& style, QByteArrayView text,
                                     QPointF* pen = nullptr) {
    std::vector<QList<QPointF>> lines;
    LabelWriter writer(style, {0, 0}, {0, 0});
    writer.write(text, [&lines](QList<QPointF> line) {
        lines.push_back(std::move(line));
        return true;
    });
    if (pen)
        *pen = writer.pen();
    return lines;
}

bool near(const QPointF& one, const QPointF& other) {
    return std::abs(one.x() - other.x()) < 1e-6 && std::abs(one.y() - other.y()) < 1e-6;
}

} // namespace

class TestLettering : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theFontIsTheHersheySimplex() {
        // The capital I is the one line from the top of a capital to its foot.
        const GlyphLines* capitalI = strokefont::glyph(U'I');
        QVERIFY(capitalI);
        QCOMPARE(*capitalI, GlyphLines({{{0, strokefont::CapHeight}, {0, 0}}}));
        QVERIFY(strokefont::glyph(U' ') && strokefont::glyph(U' ')->empty());
        QVERIFY(!strokefont::glyph(U'\u20AC'));
    }

    void accentsStandOverTheirLetters_data() {
        QTest::addColumn<char32_t>("character");
        QTest::addColumn<char32_t>("letter");
        QTest::addColumn<int>("linesMore");
        QTest::addColumn<double>("lowestAbove"); // of the added lines; below 0 for a cedilla
        QTest::newRow("é") << U'\u00E9' << U'e' << 1 << 14.0;
        QTest::newRow("Ä") << U'\u00C4' << U'A' << 2 << strokefont::CapHeight;
        QTest::newRow("ç") << U'\u00E7' << U'c' << 1 << -5.0;
        // the dot of the i gives way to the accent
        QTest::newRow("î") << U'\u00EE' << U'i' << 0 << 14.0;
    }

    void accentsStandOverTheirLetters() {
        QFETCH(char32_t, character);
        QFETCH(char32_t, letter);
        QFETCH(int, linesMore);
        QFETCH(double, lowestAbove);
        const GlyphLines* accented = strokefont::glyph(character);
        const GlyphLines* plain = strokefont::glyph(letter);
        QVERIFY(accented && plain);
        QCOMPARE(int(accented->size()), int(plain->size()) + linesMore);
        double lowest = 1e9;
        for (const QPointF& point : accented->back())
            lowest = std::min(lowest, point.y());
        QVERIFY2(lowestAbove < 0 ? lowest <= lowestAbove : lowest > lowestAbove,
                 qPrintable(QString::number(lowest)));
    }

    void bytesAreCharactersOfTheSet_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("set");
        QTest::addColumn<char32_t>("character");
        QTest::newRow("ASCII") << 0x41 << 0 << U'A';
        QTest::newRow("Roman-8 above 0x80") << 0xC5 << 0 << U'\u00E9';
        QTest::newRow("Roman-8 set 277") << 0xDE << 277 << U'\u00DF';
        QTest::newRow("Latin-1 set 14") << 0xE9 << 14 << U'\u00E9';
        QTest::newRow("Roman extensions") << 0x45 << 7 << U'\u00E9';
        QTest::newRow("German [") << 0x5B << 33 << U'\u00C4';
        QTest::newRow("German A") << 0x41 << 33 << U'A';
        QTest::newRow("British #") << 0x23 << 35 << U'\u00A3';
        QTest::newRow("a control byte") << 0x07 << 0 << char32_t(0);
    }

    void bytesAreCharactersOfTheSet() {
        QFETCH(int, byte);
        QFETCH(int, set);
        QFETCH(char32_t, character);
        QCOMPARE(characterOf(quint8(byte), set), character);
    }

    // The foot and the top of each I: size, direction and slant place them.
    void glyphsStandOnTheBaseline_data() {
        QTest::addColumn<QPointF>("direction");
        QTest::addColumn<double>("slant");
        QTest::addColumn<QPointF>("top");
        QTest::addColumn<QPointF>("foot");
        QTest::newRow("upright") << QPointF(1, 0) << 0.0 << QPointF(50, 200) << QPointF(50, 0);
        QTest::newRow("slanted") << QPointF(1, 0) << 0.5 << QPointF(150, 200) << QPointF(50, 0);
        QTest::newRow("upwards") << QPointF(0, 3) << 0.0 << QPointF(-200, 50) << QPointF(0, 50);
        QTest::newRow("backwards")
            << QPointF(-2, 0) << 0.0 << QPointF(-50, -200) << QPointF(-50, 0);
    }

    void glyphsStandOnTheBaseline() {
        QFETCH(QPointF, direction);
        QFETCH(double, slant);
        QFETCH(QPointF, top);
        QFETCH(QPointF, foot);
        LabelStyle style{{100, 200}, direction, slant};
        const std::vector<QList<QPointF>> lines = lettered(style, "I");
        QCOMPARE(lines.size(), std::size_t(1));
        QVERIFY2(near(lines[0].front(), top) && near(lines[0].back(), foot),
                 qPrintable(QStringLiteral("%1,%2 %3,%4")
                                .arg(lines[0].front().x())
                                .arg(lines[0].front().y())
                                .arg(lines[0].back().x())
                                .arg(lines[0].back().y())));
    }

    // "II" is 250 wide (two cells of 150, less the last's spacing) and 200 high; the foot of the
    // first I stands half a width into it.
    void theOriginPlacesTheLabel_data() {
        QTest::addColumn<int>("origin");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QPointF>("firstFoot");
        QTest::addColumn<QPointF>("penAfter");
        QTest::newRow("1, left bottom")
            << 1 << QByteArray("II") << QPointF(50, 0) << QPointF(300, 0);
        QTest::newRow("5, centre")
            << 5 << QByteArray("II") << QPointF(-75, -100) << QPointF(175, -100);
        QTest::newRow("9, right top")
            << 9 << QByteArray("II") << QPointF(-200, -200) << QPointF(50, -200);
        QTest::newRow("11, offset")
            << 11 << QByteArray("II") << QPointF(100, 100) << QPointF(350, 100);
        QTest::newRow("19, offset")
            << 19 << QByteArray("II") << QPointF(-250, -300) << QPointF(0, -300);
        QTest::newRow("extra space") << 1 << QByteArray("I") << QPointF(50, 0) << QPointF(300, 0);
        QTest::newRow("backspace") << 1 << QByteArray("I\bI") << QPointF(50, 0) << QPointF(150, 0);
        QTest::newRow("carriage return, line feed")
            << 1 << QByteArray("II\r\nI") << QPointF(50, 0) << QPointF(150, -400);
        QTest::newRow("centred line by line")
            << 4 << QByteArray("III\r\nI") << QPointF(-150, 0) << QPointF(100, -400);
    }

    void theOriginPlacesTheLabel() {
        QFETCH(int, origin);
        QFETCH(QByteArray, text);
        QFETCH(QPointF, firstFoot);
        QFETCH(QPointF, penAfter);
        LabelStyle style{{100, 200}};
        style.origin = origin;
        if (QByteArrayView(QTest::currentDataTag()) == "extra space")
            style.extraSpace = 1;
        QPointF pen;
        const std::vector<QList<QPointF>> lines = lettered(style, text, &pen);
        QVERIFY(!lines.empty());
        QVERIFY2(near(lines.front().back(), firstFoot),
                 qPrintable(QStringLiteral("%1,%2")
                                .arg(lines.front().back().x())
                                .arg(lines.front().back().y())));
        QVERIFY2(near(pen, penAfter),
                 qPrintable(QStringLiteral("%1,%2").arg(pen.x()).arg(pen.y())));
    }

    // DV: each character goes on right of, below, left of or above the last; a line feed a
    // cell to the side of the path, a carriage return back along it. The origin places the box
    // the text fills: a column stands on the pen at origin 1, hangs from it at 9.
    void thePathStacksTheCharacters_data() {
        QTest::addColumn<int>("path");
        QTest::addColumn<bool>("reverse");
        QTest::addColumn<int>("origin");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QPointF>("firstFoot");
        QTest::addColumn<QPointF>("penAfter");
        QTest::newRow("down, new column to the left")
            << 1 << false << 1 << QByteArray("II\r\nI") << QPointF(50, 400) << QPointF(-150, -400);
        QTest::newRow("left, reverse line feed below")
            << 2 << true << 1 << QByteArray("I\nI") << QPointF(50, 0) << QPointF(-300, -400);
        QTest::newRow("up, backspace down")
            << 3 << false << 1 << QByteArray("I\bI") << QPointF(50, 0) << QPointF(0, 400);
        QTest::newRow("down, right top")
            << 1 << false << 9 << QByteArray("II") << QPointF(-50, -200) << QPointF(-100, -1000);
    }

    void thePathStacksTheCharacters() {
        QFETCH(int, path);
        QFETCH(bool, reverse);
        QFETCH(int, origin);
        QFETCH(QByteArray, text);
        QFETCH(QPointF, firstFoot);
        QFETCH(QPointF, penAfter);
        LabelStyle style{{100, 200}};
        style.path = path;
        style.reverseLineFeed = reverse;
        style.origin = origin;
        QPointF pen;
        const std::vector<QList<QPointF>> lines = lettered(style, text, &pen);
        QVERIFY(!lines.empty());
        QVERIFY(near(lines.front().back(), firstFoot));
        QVERIFY2(near(pen, penAfter),
                 qPrintable(QStringLiteral("%1,%2").arg(pen.x()).arg(pen.y())));
    }

    // A label leaves the pen after it only where the origin is on the side its path starts from.
    void labelsGoOnFromTheStartSide_data() {
        QTest::addColumn<int>("path");
        QTest::addColumn<int>("origin");
        QTest::addColumn<bool>("concatenate");
        QTest::newRow("right, left top") << 0 << 13 << true;
        QTest::newRow("right, centre") << 0 << 5 << false;
        QTest::newRow("down, right top") << 1 << 9 << true;
        QTest::newRow("down, left bottom") << 1 << 1 << false;
        QTest::newRow("left, right middle") << 2 << 18 << true;
        QTest::newRow("up, centre bottom") << 3 << 4 << true;
    }

    void labelsGoOnFromTheStartSide() {
        QFETCH(int, path);
        QFETCH(int, origin);
        QFETCH(bool, concatenate);
        LabelStyle style{{100, 200}};
        style.path = path;
        style.origin = origin;
        QCOMPARE(labelsConcatenate(style), concatenate);
    }

    void aSymbolIsCentredOnThePen() {
        LabelStyle style{{100, 200}};
        LabelWriter writer(style, {1000, 1000}, {0, 0});
        QList<QPointF> drawn;
        QVERIFY(writer.symbol('I', [&drawn](QList<QPointF> line) {
            drawn += line;
            return true;
        }));
        QCOMPARE(drawn, (QList<QPointF>{{1000, 1100}, {1000, 900}}));
        QCOMPARE(writer.pen(), QPointF(1000, 1000));
    }

    void shiftOutTakesTheAlternateSet() {
        LabelStyle style{{100, 200}};
        style.alternateSet = 33;
        // "[" is Ä in the German set: the A and its two dots.
        QCOMPARE(lettered(style, "\x0e[").size(), strokefont::glyph(U'A')->size() + 2);
        QVERIFY(style.alternate);
        QCOMPARE(lettered(style, "\x0f[").size(), strokefont::glyph(U'[')->size());
    }

    void everyRoman8AndLatin1CharacterHasAGlyph() {
        for (const int set : {277, 14}) {
            for (int byte = 0xA1; byte < 0xFF; ++byte) {
                const char32_t character = characterOf(quint8(byte), set);
                QVERIFY2(strokefont::glyph(character) && !strokefont::glyph(character)->empty(),
                         qPrintable(QStringLiteral("set %1, byte %2").arg(set).arg(byte, 0, 16)));
            }
        }
    }

    void aSetNotKnownIsApproximate() {
        LabelStyle style{{100, 200}};
        style.standardSet = 99;
        LabelWriter writer(style, {0, 0}, {0, 0});
        writer.write("AB", [](QList<QPointF>) { return true; });
        QCOMPARE(writer.characters(), 2);
        QVERIFY(writer.approximate());
    }
};

QTEST_GUILESS_MAIN(TestLettering)
#include "tst_lettering.moc"
