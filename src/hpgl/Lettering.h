#pragma once

#include <QByteArrayView>
#include <QList>
#include <QPointF>
#include <QSizeF>

#include <functional>

namespace markast::hpgl {

// How labels are lettered, in plotter units, as SI or SR, DI or DR, SL, ES, LO, DV, CS, CA, SS
// and SA set it.
struct LabelStyle {
    QSizeF size;                  // the width and height of a capital letter
    QPointF direction{1, 0};      // along the baseline; its length does not matter
    double slant = 0;             // the tangent of the upright's lean to the right
    double extraSpace = 0;        // added between characters, in character cells
    double extraLine = 0;         // added between lines, in lines
    int origin = 1;               // where the pen stands to the label: 1 to 9 and 11 to 19
    int path = 0;                 // DV: each character right of, below, left of or above the last
    bool reverseLineFeed = false; // DV: a line feed goes 90 degrees left of the path
    int standardSet = 0;          // character sets, as characterOf() numbers them
    int alternateSet = 0;
    bool alternate = false; // the alternate set is in use
};

// The step from one character to the next: a character cell is one and a half times a
// capital's width, as a plotter's stroke font spaces them; and from one line to the next, twice
// a capital's height.
double characterStep(const LabelStyle& style);
double lineStep(const LabelStyle& style);

// Whether a label leaves the pen after its last character, where the next label goes on from
// it: where the origin is on the side the path starts from (1 to 3 for the path to the right, 3,
// 6 and 9 for the path down, and so on). Other labels leave the pen where it was before them.
bool labelsConcatenate(const LabelStyle& style);

// Letters a label in the stroke font, as a plotter draws it: each glyph's lines in plotter units
// with the pen moving on from one character's place to the next, along the path DV chooses. A
// carriage return goes back to the return point along the path, a line feed one line across it
// (down, for the default path), a backspace one character back, and shift out and shift in
// choose the alternate and the standard set. Each part of the text between them is placed by
// the label origin on its own, as if it were a label of its own: the box it fills, along its
// path, around the pen.
class LabelWriter {
public:
    // Takes line, in plotter units; false to stop the lettering there.
    using Draw = std::function<bool(QList<QPointF> line)>;

    LabelWriter(LabelStyle& style, const QPointF& pen, const QPointF& returnPoint);

    // Letters text; false where draw stopped it.
    bool write(QByteArrayView text, const Draw& draw);
    // CP: moves the pen by whole or part characters along the baseline and lines upwards.
    void move(double characters, double lines);
    // CP without parameters: a carriage return and a line feed.
    void newLine();
    // SM: the character of byte, centred on the pen, which stays; false where draw stopped it.
    bool symbol(char byte, const Draw& draw);

    QPointF pen() const { return pen_; }
    QPointF returnPoint() const { return return_; }
    // Characters lettered, and whether one of them had no glyph or came from a set not known.
    qsizetype characters() const { return characters_; }
    bool approximate() const { return approximate_; }

private:
    QPointF along() const;
    QPointF up() const;
    // The pen's step along the path and a line feed's, in characters and lines.
    QPointF pathStep() const;
    QPointF lineFeedStep() const;
    // Where a part of the text begins, from the pen, as the label origin places it.
    QPointF originOffset(QByteArrayView part) const;
    void carriageReturn();
    bool letter(char32_t character, const Draw& draw);

    LabelStyle& style_;
    QPointF pen_;
    QPointF return_;
    qsizetype characters_ = 0;
    bool approximate_ = false;
};

} // namespace markast::hpgl
