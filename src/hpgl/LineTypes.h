#pragma once

#include <QList>
#include <QPointF>

#include <array>
#include <vector>

namespace markast::hpgl {

// A line type's pattern: the lengths of its dashes and gaps in turn, a dash first, in percent of
// the pattern's length. A dash of no length is a dot.
using LinePattern = std::vector<double>;

// The patterns of line types 1 to 8 until UL defines them otherwise.
LinePattern defaultLinePattern(int type);

// The lines a pen draws for a pattern: each line cut into the dashes of a line type of
// patternLength plotter units. A fixed pattern goes on from one line to the next, as a plotter
// draws it, until restart(); an adaptive one is stretched to fit whole patterns into each line.
class Dasher {
public:
    Dasher(const LinePattern& pattern, double patternLength, bool adaptive);

    // Appends the dashes of line (two points or more) to dashes, no more than limit of them;
    // false where the limit cut it short.
    bool dash(const QList<QPointF>& line, std::vector<QList<QPointF>>& dashes, qsizetype limit);
    // The next line starts with the pattern's first dash, as after lifting the pen.
    void restart();

private:
    std::vector<double> lengths_; // plotter units
    bool adaptive_;
    std::size_t element_ = 0;
    double left_ = 0; // of the current element
};

// Hatching (FT 3) or cross-hatching (FT 4) of an area: lines spacing plotter units apart at
// angle degrees, through anchor, inside the area the outlines enclose by the even-odd rule, or
// by the non-zero winding rule. No more than limit lines; false where the limit cut it short.
bool hatch(const std::vector<QList<QPointF>>& outlines, double spacing, double angle, bool cross,
           bool nonZero, const QPointF& anchor, std::vector<QList<QPointF>>& lines,
           qsizetype limit);

} // namespace markast::hpgl
