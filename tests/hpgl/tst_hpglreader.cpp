// Reading HP-GL: the size of what the pen marks, the strokes, and what was not drawn.
#include "hpgl/HpglReader.h"
#include "hpgl/PreviewTexts.h"
#include "support/TestData.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace markast::hpgl;
using namespace markast::test;

class TestHpglReader : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sizeStrokesAndNotes_data() {
        QTest::addColumn<QByteArray>("hpgl");
        QTest::addColumn<QSizeF>("size"); // plotter units
        QTest::addColumn<int>("strokes");
        QTest::addColumn<QString>("notes");
        const QString all = "Everything in the file was drawn";
        QTest::newRow("lines") << QByteArray("IN;PU0,0;PD100,0,100,50;PU;") << QSizeF(100, 50) << 1
                               << all;
        QTest::newRow("small letters, no terminators")
            << QByteArray("in;pu0,0pd100 0 100 50pu") << QSizeF(100, 50) << 1 << all;
        QTest::newRow("newlines end instructions")
            << QByteArray("IN\nPU0,0\nPD100,0\nPU\n") << QSizeF(100, 0) << 1 << all;
        QTest::newRow("a comma carries the numbers over a newline")
            << QByteArray("IN;PU0,0;PD10,0\n,10,10,\n20,10\nPU99,99;") << QSizeF(20, 10) << 1
            << all;
        QTest::newRow("relative") << QByteArray("IN;PU10,10;PR;PD40,0,0,30;") << QSizeF(40, 30) << 1
                                  << all;
        QTest::newRow("pen-up moves do not count")
            << QByteArray("IN;PU-500,-500;PU0,0;PD10,10;PU900,900;") << QSizeF(10, 10) << 1 << all;
        QTest::newRow("a dot") << QByteArray("IN;PU5,5;PD;PU;") << QSizeF(0, 0) << 1 << all;
        QTest::newRow("dots count in the size and the strokes")
            << QByteArray("IN;PA100,100;PD;PA100,100;PU;PA300,200;PD300,200;PU;")
            << QSizeF(200, 100) << 2 << all;
        QTest::newRow("IP and SC") << QByteArray("IN;IP0,0,8128,8128;SC0,10000,0,10000;"
                                                 "PU2000,2000;PD8000,8000;")
                                   << QSizeF(4876.8, 4876.8) << 1 << all;
        QTest::newRow("SC isotropic")
            << QByteArray("IN;IP0,0,2000,1000;SC0,10,0,10,1;PU0,0;PD10,10;") << QSizeF(1000, 1000)
            << 1 << all;
        QTest::newRow("SC point factor")
            << QByteArray("IN;SC0,2,0,3,2;PU0,0;PD10,10;") << QSizeF(20, 30) << 1 << all;
        QTest::newRow("circle") << QByteArray("IN;PU100,100;CI50;") << QSizeF(100, 100) << 1 << all;
        QTest::newRow("arc") << QByteArray("IN;PU100,0;PD;AA0,0,90;") << QSizeF(100, 100) << 1
                             << all;
        // AT and RT: the arc goes round through the middle point, the long way if need be.
        QTest::newRow("AT over the top")
            << QByteArray("IN;PU0,0;PD;AT100,100,200,0;") << QSizeF(200, 100) << 1 << all;
        QTest::newRow("AT the long way round")
            << QByteArray("IN;PU0,0;PD;AT100,241.421,200,0;") << QSizeF(282.84, 241.42) << 1 << all;
        QTest::newRow("RT, clockwise")
            << QByteArray("IN;PU50,50;PD;RT100,-100,200,0;") << QSizeF(200, 100) << 1 << all;
        QTest::newRow("AT back to the pen: a circle")
            << QByteArray("IN;PU0,0;PD;AT100,0,0,0;") << QSizeF(100, 100) << 1 << all;
        QTest::newRow("AT on one line")
            << QByteArray("IN;PU0,0;PD;AT50,0,100,0;") << QSizeF(100, 0) << 1 << all;
        QTest::newRow("AT under unequal scaling: an ellipse")
            << QByteArray("IN;IP0,0,200,100;SC0,100,0,100;PU0,50;PD;AT50,100,100,50;")
            << QSizeF(200, 50) << 1 << all;
        QTest::newRow("edge rectangle")
            << QByteArray("IN;PU10,10;EA60,40;") << QSizeF(50, 30) << 1 << all;
        QTest::newRow("filled rectangle")
            << QByteArray("IN;PU0,0;RR20,10;") << QSizeF(20, 10) << 1 << all;
        QTest::newRow("wedge") << QByteArray("IN;PU0,0;EW100,0,90;") << QSizeF(100, 100) << 1
                               << all;
        QTest::newRow("polygon edged")
            << QByteArray("IN;PU0,0;PM0;PD50,0,50,50;PU;PM2;EP;") << QSizeF(50, 50) << 1 << all;
        QTest::newRow("polygon never edged")
            << QByteArray("IN;PU0,0;PM0;PD50,0,50,50;PM2;") << QSizeF(0, 0) << 0
            << "30 bytes, with no HPGL drawing";
        QTest::newRow("a shape wholly outside the window is not counted")
            << QByteArray("IN;IW0,0,50,50;PU100,100;EA200,200;PU10,10;PD20,20;") << QSizeF(10, 10)
            << 1 << all;
        QTest::newRow("an arc in polygon mode stays an arc")
            << QByteArray("IN;PU100,0;PM0;PD;AA0,0,180;PU;PM2;EP;") << QSizeF(200, 100) << 1 << all;
        QTest::newRow("a relative arc in a filled polygon")
            << QByteArray("IN;PU100,0;PM0;PD;AR-100,0,180;PM2;FP;") << QSizeF(200, 100) << 1 << all;
        QTest::newRow("Béziers")
            << QByteArray("IN;PU0,0;PD;BZ0,100,100,100,100,0,100,-100,200,-100,200,0;")
            << QSizeF(200, 150) << 1 << all;
        QTest::newRow("a relative Bézier in polygon mode")
            << QByteArray("IN;PU10,10;PM0;PD;BR0,100,100,100,100,0;PM2;EP;") << QSizeF(100, 75) << 1
            << all;
        QTest::newRow("an arc turns the way the user's axes do")
            << QByteArray("IN;IP0,0,1000,-1000;SC0,1000,0,1000;PU100,0;PD;AA0,0,90;PD0,150;")
            << QSizeF(100, 150) << 1 << all;
        QTest::newRow("encoded polyline") << QByteArray("IN;PE<=\xbf\xbfG\xc2"
                                                        "c\xc0;")
                                          << QSizeF(100, 50) << 1 << all;
        // The ink of A to C in the stroke font: three cells of 1.5 widths, less the spaces
        // around the letters.
        QTest::newRow("label") << QByteArray("IN;SI0.2,0.3;PU0,0;LBABC\x03;") << QSizeF(320, 120)
                               << 7 << all;
        QTest::newRow("BL buffers a label, PB letters it")
            << QByteArray("IN;SI0.2,0.3;PU0,0;BLABC\x03;PB;") << QSizeF(320, 120) << 7 << all;
        QTest::newRow("a centred label leaves the pen where it was")
            << QByteArray("IN;SI0.25,0.5;LO4;PU0,0;LBII\x03PD0,-1000;") << QSizeF(150, 1200) << 3
            << all;
        QTest::newRow("SM centres its character on each point, SM alone ends it")
            << QByteArray("IN;SI0.25,0.5;SMI;PU1000,1000,2000,1000;SM;PU3000,1000;")
            << QSizeF(1000, 200) << 2 << all;
        QTest::newRow("SM at the points of PE")
            << QByteArray("IN;SI0.25,0.5;SMI;PE<=\xbf\xbf<=O\xdeO\xde;") << QSizeF(1000, 1200) << 2
            << all;
        QTest::newRow("DV1 stacks the characters")
            << QByteArray("IN;SI0.25,0.5;DV1;LBII\x03") << QSizeF(0, 600) << 2 << all;
        QTest::newRow("a DV path out of range changes nothing")
            << QByteArray("IN;SI0.25,0.5;DV4;LBII\x03") << QSizeF(150, 200) << 2 << all;
        QTest::newRow("tick marks")
            << QByteArray("IN;TL2,1;PU500,500;XT;YT;") << QSizeF(300, 225) << 2 << all;
        QTest::newRow("line type, 1 mm")
            << QByteArray("IN;LT2,1,1;PU0,0;PD400,0;") << QSizeF(380, 0) << 10 << all;
        QTest::newRow("user line type")
            << QByteArray("IN;UL2,25,75;LT2,1,1;PU0,0;PD400,0;") << QSizeF(370, 0) << 10 << all;
        QTest::newRow("line type on a circle")
            << QByteArray("IN;LT2,1,1;PU0,0;CI100;") << QSizeF(199.8, 199.5) << 16 << all;
        QTest::newRow("hatching") << QByteArray("IN;FT3,100,0;PU0,0;RA1000,500;")
                                  << QSizeF(1000, 400) << 5 << all;
        QTest::newRow("hatching, turned by RO")
            << QByteArray("IN;RO90;IP;FT3,100,0;PU0,0;RA1000,500;") << QSizeF(400, 1000) << 5
            << all;
        QTest::newRow("cross-hatching of a polygon")
            << QByteArray("IN;FT4,100,0;PU0,0;PM0;PD1000,0,1000,500,0,500;PM2;FP;")
            << QSizeF(1000, 500) << 15 << all;
        QTest::newRow("instructions not drawn")
            << QByteArray("IN;PU0,0;PD10,10;QQ;ZZ9;QQ;") << QSizeF(10, 10) << 1
            << "Not drawn: QQ \u00d72, ZZ \u00d71";
        QTest::newRow("instructions that change nothing in the drawing")
            << QByteArray("IN;MC1;EC;PC1,0,0,0;NP8;QL50;AC;OP;LM0;CT1;PT.3;MG\"PD9,9\";"
                          "PU0,0;PD10,10;")
            << QSizeF(10, 10) << 1 << all;
        QTest::newRow("device escapes")
            << QByteArray("\x1b.(\x1b.I81;;17:IN;PU0,0;PD7,7;\x1b.)") << QSizeF(7, 7) << 1 << all;
        QTest::newRow("an unknown instruction before a stray quote")
            << QByteArray("IN;ZZ\"PU0,0;PD10,10;") << QSizeF(10, 10) << 1
            << "Not drawn: ZZ \u00d71";
        QTest::newRow("every byte value") << allByteValues() << QSizeF(0, 0) << 0 << "256 bytes";
        QTest::newRow("a 10-million-digit number")
            << "IN;PU0,0;PD" + QByteArray(10'000'000, '7') + ",5;PD10,10;" << QSizeF(10, 10) << 1
            << "Not drawn: PD \u00d71";
        QTest::newRow("an arc larger than any plotter")
            << QByteArray("IN;PU0,0;PD;AA999999999999,0,90;PU;") << QSizeF(0, 0) << 1
            << "Not drawn: AA \u00d71";
        QTest::newRow("cut short")
            << QByteArray("IN;PU0,0;PD10,10;PD20") << QSizeF(10, 10) << 1 << all;
    }

    void sizeStrokesAndNotes() {
        QFETCH(QByteArray, hpgl);
        QFETCH(QSizeF, size);
        QFETCH(int, strokes);
        QFETCH(QString, notes);
        const DisplayList list = readHpgl(hpgl);
        QVERIFY2(std::abs(list.extent.width() - size.width()) < 0.5 &&
                     std::abs(list.extent.height() - size.height()) < 0.5,
                 qPrintable(
                     QStringLiteral("%1 x %2").arg(list.extent.width()).arg(list.extent.height())));
        QCOMPARE(list.markCount(), strokes);
        QVERIFY2(notesText(list, hpgl.size()).startsWith(notes),
                 qPrintable(notesText(list, hpgl.size())));
    }

    // Drawings made to exhaust a preview: the kept points stay within their limit whatever the
    // bytes, the strokes are counted and the size measured in full while the points are only
    // counted, and the notes say what was left out.
    void hostileDrawings_data() {
        QTest::addColumn<QByteArray>("hpgl");
        QTest::addColumn<int>("completeness");
        QTest::addColumn<qsizetype>("strokes");
        QTest::addColumn<QSizeF>("size");
        QTest::addColumn<QString>("notes");
        QByteArray polygon = "IN;PU0,0;PM0;PD";
        for (int i = 1; i <= 6000; ++i)
            polygon += QByteArray::number(i % 100) + "," + QByteArray::number(i / 100) + ",";
        polygon += "0,0;PM2;";
        QTest::newRow("a megabyte of tiny circles")
            << "IN;PU0,0;" + QByteArray("CI1,.5;").repeated(142'857)
            << int(DisplayList::Completeness::Whole) << qsizetype(142'857) << QSizeF(2, 2)
            << "Everything in the file was drawn";
        QTest::newRow("one polygon edged 72,000 times")
            << polygon + QByteArray("EP;").repeated(72'000)
            << int(DisplayList::Completeness::DrawnInPart) << qsizetype(72'000) << QSizeF(99, 60)
            << "Too complex to preview in full: 832 of its 72,000 strokes are drawn";
        QTest::newRow("15.6 MB of one-letter labels")
            << "IN;" + QByteArray("LBx\x03").repeated(3'900'000)
            // two lines a letter, until ten million points are measured at thirteen a letter:
            // each line's two points and its own cost of four, and the letter itself
            << int(DisplayList::Completeness::ReadInPart) << qsizetype(1'538'462)
            << QSizeF(86'307'657, 72)
            << "Too complex to preview in full: only its first 3,076,923 of 15,600,003 bytes";
        QTest::newRow("a polygon of too many huge circles")
            << "IN;PU0,0;PM0;" + QByteArray("CI99999,.5;").repeated(3000) + "PM2;EP;"
            << int(DisplayList::Completeness::DrawnInPart) << qsizetype(3000)
            << QSizeF(199'998, 199'998)
            << "Too complex to preview in full: 2,773 of its 3,000 strokes are drawn";
        QTest::newRow("polygon mode's points count")
            << "IN;PU0,0;PM0;" + QByteArray("CI99999,.5;").repeated(20'000) + "PM2;FP;"
            << int(DisplayList::Completeness::ReadInPart) << qsizetype(0) << QSizeF(0, 0)
            << "Too complex to preview: nothing is drawn in its first 152,572 of 220,020 bytes";
        QTest::newRow("labels count")
            // seven glyph lines a label, more than may be kept with the moves between them
            << "IN;" + QByteArray("PA0,0;LBxyz\x03").repeated(150'000)
            << int(DisplayList::Completeness::DrawnInPart) << qsizetype(1'050'000)
            << QSizeF(276, 108) << "Too complex to preview in full: 673,076 of its 1,050,000";
        QTest::newRow("dotted lines in one instruction without end")
            // a dot every 124 units: the instruction stops where the budget is spent
            << "IN;PU0,0;LT1,1;PD" + QByteArray("8000,0,0,997,").repeated(100'000) + "0,0;"
            << int(DisplayList::Completeness::ReadInPart) << qsizetype(2'000'057)
            << QSizeF(8000, 997) << "Too complex to preview in full: only its first 15 of";
        QTest::newRow("huge circles, finely cut, without end")
            << "IN;PU0,0;" + QByteArray("CI1000000,.5;").repeated(100'000)
            << int(DisplayList::Completeness::ReadInPart) << qsizetype(13'794)
            << QSizeF(2'000'000, 2'000'000)
            << "Too complex to preview in full: only its first 179,318 of 1,300,009 bytes";
    }

    void hostileDrawings() {
        QFETCH(QByteArray, hpgl);
        QFETCH(int, completeness);
        QFETCH(qsizetype, strokes);
        QFETCH(QSizeF, size);
        QFETCH(QString, notes);
        const DisplayList list = readHpgl(hpgl);
        qsizetype kept = 0;
        for (const Stroke& stroke : list.strokes)
            kept += stroke.points.size();
        QVERIFY(kept <= DisplayList::KeptPointLimit);
        QCOMPARE(int(list.completeness), completeness);
        QCOMPARE(list.markCount(), strokes);
        QCOMPARE(list.extent.size().toSize(), size.toSize());
        QVERIFY2(notesText(list, hpgl.size()).startsWith(notes),
                 qPrintable(notesText(list, hpgl.size())));
    }

    // The capital I is one line, top to foot, in the middle of its cell: where the label's
    // first line stands shows its size, direction and slant.
    void letteringStandsAsTheFileSays_data() {
        QTest::addColumn<QByteArray>("style");
        QTest::addColumn<QPointF>("top");
        QTest::addColumn<QPointF>("foot");
        QTest::newRow("SI") << QByteArray("SI0.25,0.5;") << QPointF(1050, 1200)
                            << QPointF(1050, 1000);
        QTest::newRow("SR, of P2 - P1")
            << QByteArray("IP0,0,2000,4000;SR5,5;") << QPointF(1050, 1200) << QPointF(1050, 1000);
        QTest::newRow("DI") << QByteArray("SI0.25,0.5;DI0,1;") << QPointF(800, 1050)
                            << QPointF(1000, 1050);
        QTest::newRow("DR, of P2 - P1") << QByteArray("SI0.25,0.5;IP0,0,1000,2000;DR1,1;")
                                        << QPointF(843.47, 1134.16) << QPointF(1022.36, 1044.72);
        QTest::newRow("SL") << QByteArray("SI0.25,0.5;SL1;") << QPointF(1250, 1200)
                            << QPointF(1050, 1000);
        QTest::newRow("LO 6, centre top")
            << QByteArray("SI0.25,0.5;LO6;") << QPointF(1000, 1000) << QPointF(1000, 800);
    }

    void letteringStandsAsTheFileSays() {
        QFETCH(QByteArray, style);
        QFETCH(QPointF, top);
        QFETCH(QPointF, foot);
        const DisplayList list = readHpgl("IN;" + style + "PU1000,1000;LBI\x03");
        QCOMPARE(list.strokes.size(), std::size_t(2)); // the move and the I
        const QList<QPointF>& line = list.strokes.back().points;
        QVERIFY2((line.front() - top).manhattanLength() < 0.02 &&
                     (line.back() - foot).manhattanLength() < 0.02,
                 qPrintable(QStringLiteral("%1,%2 %3,%4")
                                .arg(line.front().x())
                                .arg(line.front().y())
                                .arg(line.back().x())
                                .arg(line.back().y())));
    }

    // PW in millimetres (WU0) or in percent of P1 to P2 (WU1), for all pens or one; PT in
    // millimetres for the pen in hand; none where the file sets none.
    void penWidths_data() {
        QTest::addColumn<QByteArray>("hpgl");
        QTest::addColumn<QList<double>>("widths"); // of each pen-down stroke
        QTest::newRow("unset") << QByteArray("PD100,0;") << QList<double>{0};
        QTest::newRow("PW, every pen")
            << QByteArray("PW0.5;PD100,0;SP2;PD200,0;") << QList<double>{20, 20};
        QTest::newRow("PW, one pen")
            << QByteArray("PW0.5;PW1,2;PD100,0;SP2;PD200,0;") << QList<double>{20, 40};
        QTest::newRow("WU1, of P1 to P2") << QByteArray("WU1;PW1;PD100,0;") << QList<double>{125};
        QTest::newRow("PT") << QByteArray("PT0.8;PD100,0;") << QList<double>{32};
        QTest::newRow("lettering too") << QByteArray("PW0.25;LB-\x03") << QList<double>{10};
    }

    void penWidths() {
        QFETCH(QByteArray, hpgl);
        QFETCH(QList<double>, widths);
        const DisplayList list = readHpgl("IN;SP1;PU0,0;" + hpgl);
        QList<double> drawn;
        for (const Stroke& stroke : list.strokes) {
            if (stroke.marks)
                drawn.append(stroke.width);
        }
        QCOMPARE(drawn, widths);
    }

    // graph puts its plotting box, 0.6 of an 8-inch square by default, at the data's limits.
    void plotutilsFiguresKeepTheirSize_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QSizeF>("millimetres");
        const QStringList zigzag = {"-x", "0", "3", "-y", "-1", "1", "-g", "0"};
        QTest::newRow("the whole box") << zigzag << QSizeF(121.92, 121.92);
        QTest::newRow("half wide, three tenths high")
            << zigzag + QStringList{"-w", "0.5", "-h", "0.3"} << QSizeF(101.6, 60.96);
    }

    void plotutilsFiguresKeepTheirSize() {
        QFETCH(QStringList, options);
        QFETCH(QSizeF, millimetres);
        if (QStandardPaths::findExecutable("graph").isEmpty())
            QSKIP("GNU plotutils' graph is not installed (apt install plotutils)");
        QProcess graph;
        graph.start("graph", QStringList{"-T", "hpgl"} + options);
        graph.write("0 0\n1 1\n2 -1\n3 0\n");
        graph.closeWriteChannel();
        QVERIFY(graph.waitForFinished(10000));
        const DisplayList list = readHpgl(graph.readAllStandardOutput());
        QCOMPARE(qRound(list.extent.width() * MillimetresPerUnit * 10),
                 qRound(millimetres.width() * 10));
        QCOMPARE(qRound(list.extent.height() * MillimetresPerUnit * 10),
                 qRound(millimetres.height() * 10));
        QCOMPARE(notesText(list, 0), QStringLiteral("Everything in the file was drawn"));
    }

    // PE's numbers: base 64 from '?' with the last digit from 0xbf, or base 32 after '7' with
    // the last from '_'; the lowest bit is the sign. 100 is "G\xc2", 0 "\xbf", -50 "d\xc0".
    void encodedPolylines_data() {
        QTest::addColumn<QByteArray>("hpgl");
        QTest::addColumn<QList<QList<QPointF>>>("marks");
        QTest::addColumn<int>("pen");
        using Line = QList<QPointF>;
        QTest::newRow("relative, closed by a semicolon")
            << QByteArray("IN;PU0,0;PEG\xc2\xbf\xbfG\xc2;")
            << QList<Line>{{{0, 0}, {100, 0}, {100, 100}}} << 1;
        QTest::newRow("closed by the next instruction")
            << QByteArray("IN;SP2;PU0,0;PEG\xc2\xbfPU;SP1;PA0,500;PD0,600;")
            << QList<Line>{{{0, 0}, {100, 0}}, {{0, 500}, {0, 600}}} << 1;
        QTest::newRow("seven bits")
            << QByteArray("IN;PU0,0;PE7Ge_;") << QList<Line>{{{0, 0}, {100, 0}}} << 1;
        QTest::newRow("fractional bits, not of the pen")
            << QByteArray("IN;PU0,0;PE>\xc1:\xc3G\xc2\xbf;") << QList<Line>{{{0, 0}, {50, 0}}} << 2;
        QTest::newRow("absolute with the pen up") << QByteArray("IN;PU0,0;PE<=G\xc2G\xc2G\xc2\xbf;")
                                                  << QList<Line>{{{100, 100}, {200, 100}}} << 1;
        QTest::newRow("negative") << QByteArray("IN;PU0,0;PEd\xc0\xbf;")
                                  << QList<Line>{{{0, 0}, {-50, 0}}} << 1;
    }

    void encodedPolylines() {
        QFETCH(QByteArray, hpgl);
        QFETCH(QList<QList<QPointF>>, marks);
        QFETCH(int, pen);
        const DisplayList list = readHpgl(hpgl);
        QList<QList<QPointF>> drawn;
        for (const Stroke& stroke : list.strokes) {
            if (stroke.marks)
                drawn.append(stroke.points);
        }
        QCOMPARE(drawn, marks);
        QCOMPARE(list.strokes.back().pen, pen);
        QCOMPARE(notesText(list, hpgl.size()), QStringLiteral("Everything in the file was drawn"));
    }

    // FT 11 shades as much as RF's pattern inks: pixels left out are white.
    void rasterFillsShadeByTheirInk_data() {
        QTest::addColumn<QByteArray>("patterns");
        QTest::addColumn<double>("shade");
        QTest::newRow("a quarter") << QByteArray("RF2,2,2,1,0,0,0;FT11,2;") << 25.0;
        QTest::newRow("pixels left out") << QByteArray("RF3,4,1,1;FT11,3;") << 25.0;
        QTest::newRow("an index alone is solid") << QByteArray("RF2,2,1,0,0;RF2;FT11,2;") << 100.0;
        QTest::newRow("the pattern FT chose")
            << QByteArray("RF1,2,1,1,0;RF2,1,1,0;FT11,1;") << 50.0;
    }

    void rasterFillsShadeByTheirInk() {
        QFETCH(QByteArray, patterns);
        QFETCH(double, shade);
        const DisplayList list = readHpgl("IN;" + patterns + "PU0,0;RR10,10;");
        QCOMPARE(list.strokes.back().shade, shade);
        QCOMPARE(notesText(list, 0), QStringLiteral("Drawn approximately: FT \u00d71"));
    }

    // The sheet's hard-clip limits are 10000 by 7500 plotter units unless PS sets them; RO turns
    // the coordinates about them.
    void coordinateSystem_data() {
        QTest::addColumn<QByteArray>("hpgl");
        QTest::addColumn<QList<QPointF>>("line"); // the first mark, on the sheet
        QTest::addColumn<QSizeF>("size");
        using Line = QList<QPointF>;
        QTest::newRow("RO90") << QByteArray("IN;RO90;PU0,0;PD100,0;")
                              << Line{{10000, 0}, {10000, 100}} << QSizeF(0, 100);
        QTest::newRow("RO180") << QByteArray("IN;RO180;PU0,0;PD100,0;")
                               << Line{{10000, 7500}, {9900, 7500}} << QSizeF(100, 0);
        QTest::newRow("RO270") << QByteArray("IN;RO270;PU0,0;PD100,0;")
                               << Line{{0, 7500}, {0, 7400}} << QSizeF(0, 100);
        QTest::newRow("IP after RO90 spans the turned limits")
            << QByteArray("IN;RO90;IP;SC0,1,0,1;PU0,0;PD1,1;") << Line{{10000, 0}, {0, 7500}}
            << QSizeF(10000, 7500);
        QTest::newRow("the pen stays put on the sheet")
            << QByteArray("IN;PU100,200;RO90;PD;PR10,0;") << Line{{100, 200}, {100, 210}}
            << QSizeF(0, 10);
        QTest::newRow("P1 and P2 keep their numbers")
            << QByteArray("IN;SC0,1,0,1;RO90;PU0,0;PD1,1;") << Line{{10000, 0}, {2500, 10000}}
            << QSizeF(7500, 10000);
        QTest::newRow("IR") << QByteArray("IN;IR10,20,30,40;SC0,1,0,1;PU0,0;PD1,1;")
                            << Line{{1000, 1500}, {3000, 3000}} << QSizeF(2000, 1500);
        QTest::newRow("IR after RO270") << QByteArray("IN;RO270;IR0,0,100,100;SC0,1,0,1;PU1,0;PD;")
                                        << Line{{0, 0}} << QSizeF(0, 0);
        QTest::newRow("PS") << QByteArray("IN;PS2000,1000;RO90;PU0,0;PD100,0;")
                            << Line{{2000, 0}, {2000, 100}} << QSizeF(0, 100);
        QTest::newRow("IW in user units")
            << QByteArray("IN;SC0,100,0,75;IW0,0,1,1;SC;PU0,0;PD200,200;")
            << Line{{0, 0}, {200, 200}} << QSizeF(100, 100);
        QTest::newRow("IW turns with RO") << QByteArray("IN;IW0,0,100,50;RO90;PU0,0;PD0,100;")
                                          << Line{{10000, 0}, {9900, 0}} << QSizeF(50, 0);
    }

    void coordinateSystem() {
        QFETCH(QByteArray, hpgl);
        QFETCH(QList<QPointF>, line);
        QFETCH(QSizeF, size);
        const DisplayList list = readHpgl(hpgl);
        const auto mark = std::find_if(list.strokes.begin(), list.strokes.end(),
                                       [](const Stroke& stroke) { return stroke.marks; });
        QVERIFY(mark != list.strokes.end());
        QCOMPARE(mark->points, line);
        QCOMPARE(list.extent.size(), size);
        QCOMPARE(notesText(list, hpgl.size()), QStringLiteral("Everything in the file was drawn"));
    }

    // plotutils draws every line as a polygon's edge; closing it would add a line.
    void anEdgedPolygonEndsWhereThePenEnded() {
        const DisplayList list = readHpgl("IN;PU0,0;PM0;PD50,0,50,50;PU;PM2;EP;");
        QCOMPARE(list.strokes.back().points, QList<QPointF>({{0, 0}, {50, 0}, {50, 50}}));
    }

    void theSizeLineReadsInMillimetres() {
        const DisplayList list = readHpgl("IN;PU0,0;PD1692,0,1692,484;PU;PD;PU;");
        QCOMPARE(sizeText(list),
                 QStringLiteral("Size: 42.3 \u00d7 12.1 mm (1,692 \u00d7 484 plotter units) "
                                "\u00b7 2 strokes"));
    }
};

QTEST_GUILESS_MAIN(TestHpglReader)
#include "tst_hpglreader.moc"
