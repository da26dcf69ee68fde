#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <map>
#include <vector>

namespace markast::hpgl {

// One plotter unit is 0.025 mm: 40 make a millimetre.
constexpr double MillimetresPerUnit = 0.025;

// A line the pen follows, in plotter units, the origin at the bottom left and y growing up.
struct Stroke {
    QList<QPointF> points;
    int pen = 1;
    bool marks = true;   // pen down; false for a move with the pen up
    bool filled = false; // the inside is filled too (RA, RR, WG, FP)
    double width = 0;    // of the pen, in plotter units; 0 where the file did not set it
    double shade = 100;  // of a fill, in percent of full ink
    // A fill of several outlines, one after the other in points: the points of each. Where
    // they overlap, the non-zero winding rule fills, or else the even-odd rule.
    QList<qsizetype> parts;
    bool nonZero = false;
    QRectF clip; // drawn only within this window (IW); null for no window
};

// What a logo draws, as the marker would mark it. Reading keeps within limits of work and
// memory whatever the bytes: a drawing of more points than a preview can show is kept only in
// part, though measured and counted whole; one that would take too long to measure is read
// only in part.
struct DisplayList {
    // The most points kept for drawing, and the most measured, each stroke counting four more
    // for its own memory and work.
    static constexpr qsizetype KeptPointLimit = 5'000'000;
    static constexpr qsizetype MeasuredPointLimit = 10'000'000;
    enum class Completeness {
        Whole,
        DrawnInPart, // strokes past the kept points are measured and counted, not drawn
        ReadInPart,  // the bytes after readBytes were not read at all
    };

    // In drawing order, pen-up moves among them; lettering is strokes of the stroke font.
    std::vector<Stroke> strokes;
    // The bounding box of everything the pen marks, in plotter units; null when nothing is.
    QRectF extent;
    // The bounding box of the pen-up moves as well.
    QRectF extentWithMoves;
    // Instructions that were not drawn, and instructions drawn only approximately, by
    // mnemonic, with how often each came.
    std::map<QString, int> notDrawn;
    std::map<QString, int> approximate;
    Completeness completeness = Completeness::Whole;
    qsizetype marksLeftOut = 0; // pen-down strokes counted but not kept
    qsizetype keptPoints = 0;
    qsizetype readBytes = 0;

    // How many pen-down lines, edges, arcs and fills it has.
    qsizetype markCount() const;
    bool hasDrawing() const { return markCount() > 0; }
    // Nothing drawn because the reading stopped first: the file may draw beyond that.
    bool tooComplexToDraw() const {
        return !hasDrawing() && completeness == Completeness::ReadInPart;
    }
};

} // namespace markast::hpgl
