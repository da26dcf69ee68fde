#include "hpgl/HpglReader.h"

#include "hpgl/DrawingStyle.h"
#include "hpgl/HpglGeometry.h"
#include "hpgl/HpglScanner.h"
#include "hpgl/Lettering.h"
#include "hpgl/LineTypes.h"
#include "hpgl/PointBudget.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>

namespace markast::hpgl {

namespace {

constexpr char EndOfText = '\x03';
// The most dashes of one line, and hatching lines of one area: a finer pattern is drawn as a
// solid line or area, approximately.
constexpr qsizetype DashLimit = 100'000;
constexpr qsizetype HatchLimit = 20'000;
// The default P1 and P2, where IP has not placed them.
constexpr QPointF DefaultP1{0, 0};
constexpr QPointF DefaultP2{10000, 7500};

// The plotter's state as the instructions change it, and the display list they build.
class Reader {
public:
    explicit Reader(QByteArrayView bytes) : in_(bytes) {}

    DisplayList read() {
        while (!budget_.spent()) {
            const std::optional<Mnemonic> mnemonic = in_.nextMnemonic();
            if (!mnemonic)
                break;
            run(*mnemonic);
        }
        if (!in_.atEnd())
            list_.completeness = DisplayList::Completeness::ReadInPart;
        list_.readBytes = in_.position();
        budget_.finish();
        return std::move(list_);
    }

private:
    using Instruction = void (Reader::*)(Mnemonic);
    static const std::array<Instruction, 26 * 26>& instructions();
    void run(Mnemonic mnemonic);

    // ---- The instructions ----

    void initialize(Mnemonic mnemonic);
    void inputPoints(Mnemonic);
    void scale(Mnemonic);
    void penUp(Mnemonic mnemonic);
    void penDown(Mnemonic mnemonic);
    void plotAbsolute(Mnemonic mnemonic);
    void plotRelative(Mnemonic mnemonic);
    void selectPen(Mnemonic);
    void circle(Mnemonic mnemonic);
    void arc(Mnemonic mnemonic);
    void rectangle(Mnemonic mnemonic);
    void wedge(Mnemonic mnemonic);
    void polygonMode(Mnemonic);
    void polygon(Mnemonic mnemonic);
    void encodedPolyline(Mnemonic mnemonic);
    void labelTerminator(Mnemonic);
    void label(Mnemonic);
    void characterPlot(Mnemonic);
    void tick(Mnemonic mnemonic);
    void anchorCorner(Mnemonic);
    // SI, SR, DI, DR, SL, ES, LO, CS, CA, SS, SA, TL, LT, UL, FT, PW, WU, PT.
    void drawingStyle(Mnemonic mnemonic);
    void comment(Mnemonic) { in_.skipComment(); }
    // Understood, and nothing to draw: pens, widths, line types, pages, fonts, speed.
    void nothingToDraw(Mnemonic) { in_.parameters(); }
    void unknown(Mnemonic mnemonic);

    // ---- Drawing ----

    void notDrawn(Mnemonic mnemonic) {
        const char letters[] = {mnemonic.first, mnemonic.second};
        ++list_.notDrawn[QString::fromLatin1(letters, 2)];
    }
    void updateUserToPlotter() { userToPlotter_ = userToPlotter(scaling_, p1_, p2_); }
    // A parameter pair as a place in plotter units: absolute or relative to the pen.
    QPointF place(double x, double y, bool relative) const {
        const QTransform& map = userToPlotter_;
        return relative ? pos_ + QPointF(map.m11() * x, map.m22() * y) : map.map(QPointF(x, y));
    }
    // A radius in user units, along each axis in plotter units.
    double radiusX(double radius) const { return radius * std::abs(userToPlotter_.m11()); }
    double radiusY(double radius) const { return radius * std::abs(userToPlotter_.m22()); }
    void moves(const std::vector<double>& values, Mnemonic mnemonic);
    void moveTo(const QPointF& target);
    void markHere();
    void endStroke() { open_ = false; }
    void addShape(QList<QPointF> points, bool filled, Mnemonic mnemonic);
    // A pen-down stroke of the current pen.
    Stroke marking(QList<QPointF> points, bool filled = false) const {
        return {std::move(points), pen_, true, filled, style_.width(pen_, p1_, p2_)};
    }
    // A pen-down line of its own, in the line type's dashes.
    void drawLine(const QList<QPointF>& line);
    void fill(const std::vector<QList<QPointF>>& outlines, bool nonZero);
    void updateLineType() { dasher_ = style_.dasher(p1_, p2_); }
    // Where a carriage return in a label goes back to: the pen's place before the labels that
    // follow each other without another move.
    void startLabel() {
        if (pos_ != afterLabel_)
            returnPoint_ = pos_;
    }

    Scanner in_;
    DisplayList list_;
    PointBudget budget_{list_};
    bool open_ = false; // a pen-down stroke is being drawn

    QPointF pos_{0, 0};
    QPointF p1_ = DefaultP1;
    QPointF p2_ = DefaultP2;
    Scaling scaling_;
    QTransform userToPlotter_;
    bool penUp_ = true;
    bool relative_ = false;
    int pen_ = 1;
    bool polygonMode_ = false;
    PolygonBuffer polygonBuffer_;
    char labelEnd_ = EndOfText;
    bool labelEndDrawn_ = false; // DT's mode 0
    QPointF returnPoint_;
    std::optional<QPointF> afterLabel_; // the pen's place after the last label or CP
    DrawingStyle style_;
    std::optional<Dasher> dasher_;
};

// The instruction each mnemonic runs, by its letters; all others are not drawn.
const std::array<Reader::Instruction, 26 * 26>& Reader::instructions() {
    static const auto table = [] {
        std::array<Instruction, 26 * 26> runs;
        runs.fill(&Reader::unknown);
        const auto set = [&runs](const char* letters, Instruction instruction) {
            runs[std::size_t((letters[0] - 'A') * 26 + (letters[1] - 'A'))] = instruction;
        };
        for (const char* letters : {"IN", "DF"})
            set(letters, &Reader::initialize);
        set("IP", &Reader::inputPoints);
        set("SC", &Reader::scale);
        set("PU", &Reader::penUp);
        set("PD", &Reader::penDown);
        set("PA", &Reader::plotAbsolute);
        set("PR", &Reader::plotRelative);
        set("SP", &Reader::selectPen);
        set("CI", &Reader::circle);
        for (const char* letters : {"AA", "AR"})
            set(letters, &Reader::arc);
        for (const char* letters : {"EA", "ER", "RA", "RR"})
            set(letters, &Reader::rectangle);
        for (const char* letters : {"EW", "WG"})
            set(letters, &Reader::wedge);
        set("PM", &Reader::polygonMode);
        for (const char* letters : {"EP", "FP"})
            set(letters, &Reader::polygon);
        set("PE", &Reader::encodedPolyline);
        set("DT", &Reader::labelTerminator);
        set("LB", &Reader::label);
        set("CP", &Reader::characterPlot);
        for (const char* letters : {"XT", "YT"})
            set(letters, &Reader::tick);
        set("AC", &Reader::anchorCorner);
        for (const char* letters : {"SI", "SR", "DI", "DR", "SL", "ES", "LO", "CS", "CA", "SS",
                                    "SA", "TL", "LT", "UL", "FT", "PW", "WU", "PT"})
            set(letters, &Reader::drawingStyle);
        set("CO", &Reader::comment);
        for (const char* letters : {"BP", "PS", "LA", "TR", "PG", "VS"})
            set(letters, &Reader::nothingToDraw);
        return runs;
    }();
    return table;
}

void Reader::run(Mnemonic mnemonic) {
    const auto index = std::size_t((mnemonic.first - 'A') * 26 + (mnemonic.second - 'A'));
    (this->*instructions()[index])(mnemonic);
}

// IN resets everything; DF keeps the pen, its place and P1 and P2.
void Reader::initialize(Mnemonic mnemonic) {
    in_.parameters();
    endStroke();
    scaling_ = {};
    relative_ = false;
    polygonMode_ = false;
    labelEnd_ = EndOfText;
    labelEndDrawn_ = false;
    style_.reset();
    if (mnemonic.first == 'I') {
        p1_ = DefaultP1;
        p2_ = DefaultP2;
        penUp_ = true;
        pos_ = {0, 0};
    }
    updateUserToPlotter();
    updateLineType();
}

void Reader::inputPoints(Mnemonic) {
    const std::vector<double>& values = in_.parameters();
    if (in_.hadBadNumber())
        return;
    if (values.empty()) {
        p1_ = DefaultP1;
        p2_ = DefaultP2;
    } else if (values.size() >= 2) {
        const QPointF shift = QPointF(values[0], values[1]) - p1_;
        p1_ += shift;
        p2_ = values.size() >= 4 ? QPointF(values[2], values[3]) : p2_ + shift;
    }
    updateUserToPlotter();
    updateLineType();
}

void Reader::scale(Mnemonic) {
    const std::vector<double>& values = in_.parameters();
    scaling_ = in_.hadBadNumber() ? Scaling{} : scalingFrom(values);
    updateUserToPlotter();
}

void Reader::penUp(Mnemonic mnemonic) {
    penUp_ = true;
    endStroke();
    if (dasher_)
        dasher_->restart();
    moves(in_.parameters(), mnemonic);
}

void Reader::penDown(Mnemonic mnemonic) {
    penUp_ = false;
    moves(in_.parameters(), mnemonic);
}

void Reader::plotAbsolute(Mnemonic mnemonic) {
    relative_ = false;
    moves(in_.parameters(), mnemonic);
}

void Reader::plotRelative(Mnemonic mnemonic) {
    relative_ = true;
    moves(in_.parameters(), mnemonic);
}

void Reader::selectPen(Mnemonic) {
    const std::vector<double>& values = in_.parameters();
    endStroke();
    pen_ = values.empty() ? 0 : int(std::clamp(values[0], -1.0, 1024.0));
}

void Reader::circle(Mnemonic mnemonic) {
    const std::vector<double>& values = in_.parameters();
    if (in_.hadBadNumber() || values.empty())
        return notDrawn(mnemonic);
    const double radius = values[0];
    addShape(arcPoints(pos_, radiusX(radius), radiusY(radius), 0, 360,
                       values.size() > 1 ? values[1] : 5),
             false, mnemonic);
}

// AA and AR: an arc from the pen around a centre, absolute or relative to the pen.
void Reader::arc(Mnemonic mnemonic) {
    const std::vector<double>& values = in_.parameters();
    if (in_.hadBadNumber() || values.size() < 3)
        return notDrawn(mnemonic);
    const QPointF centre = place(values[0], values[1], mnemonic.second == 'R');
    const QPointF from = pos_ - centre;
    const double radius = std::hypot(from.x(), from.y());
    const double start = std::atan2(from.y(), from.x()) * 180 / std::numbers::pi;
    QList<QPointF> points =
        arcPoints(centre, radius, radius, start, values[2], values.size() > 3 ? values[3] : 5);
    if (anyFar(points))
        return notDrawn(mnemonic);
    if (penUp_ || polygonMode_) {
        moveTo(points.back());
        return;
    }
    if (dasher_) {
        drawLine(points);
    } else {
        markHere();
        budget_.extend(points.mid(1));
    }
    pos_ = points.back();
}

// EA and ER edge a rectangle, RA and RR fill it; the corner is absolute or relative.
void Reader::rectangle(Mnemonic mnemonic) {
    const std::vector<double>& values = in_.parameters();
    if (in_.hadBadNumber() || values.size() < 2)
        return notDrawn(mnemonic);
    const QPointF corner = place(values[0], values[1], mnemonic.second == 'R');
    addShape(rectanglePoints(pos_, corner), mnemonic.first == 'R', mnemonic);
}

// EW edges a wedge, WG fills it.
void Reader::wedge(Mnemonic mnemonic) {
    const std::vector<double>& values = in_.parameters();
    if (in_.hadBadNumber() || values.size() < 3)
        return notDrawn(mnemonic);
    addShape(wedgePoints(pos_, radiusX(values[0]), radiusY(values[0]), values[1], values[2],
                         values.size() > 3 ? values[3] : 5),
             mnemonic.first == 'W', mnemonic);
}

// PM0 opens the polygon buffer at the pen's place, PM1 closes a part of it, PM2 closes it;
// nothing is drawn until EP edges or FP fills it.
void Reader::polygonMode(Mnemonic) {
    const std::vector<double>& values = in_.parameters();
    const double mode = values.empty() ? 0 : values[0];
    if (mode == 0) {
        endStroke();
        polygonMode_ = true;
        polygonBuffer_.open(pos_);
    } else if (polygonMode_ && mode == 1) {
        polygonBuffer_.startPart(pos_);
    } else if (mode == 2) {
        polygonMode_ = false;
    }
}

// EP edges each part of the buffer as its points go, as a plotter that drew the moves at once
// would: a part is closed only where the pen came back. FP fills them, closed.
void Reader::polygon(Mnemonic mnemonic) {
    const std::vector<double>& values = in_.parameters();
    const bool nonZero = mnemonic.first == 'F' && !values.empty() && values[0] == 1;
    endStroke();
    // Once nothing more is kept, a buffer drawn again and again costs its box and its count.
    if (list_.completeness != DisplayList::Completeness::Whole) {
        if (const std::optional<QRectF> box = polygonBuffer_.linesExtent().boxIfAny())
            budget_.include(*box);
        list_.marksLeftOut += polygonBuffer_.lines();
        return;
    }
    if (mnemonic.first == 'F')
        return fill(polygonBuffer_.parts(), nonZero);
    for (const QList<QPointF>& part : polygonBuffer_.parts()) {
        if (part.size() >= 2)
            drawLine(part);
    }
}

// PE: flags and coordinates in base 64 (or base 32 after '7'), relative unless '=' comes
// first, pen down unless '<' does, up to ';'.
void Reader::encodedPolyline(Mnemonic mnemonic) {
    bool sevenBit = false;
    bool penUpNext = false;
    bool absoluteNext = false;
    int fractionBits = 0;
    while (!in_.atEnd() && in_.peek() != ';') {
        const char flag = in_.peek();
        if (flag == ':' || flag == '>') {
            in_.take();
            const std::optional<double> value = in_.encodedNumber(sevenBit, fractionBits);
            if (!value)
                break;
            if (flag == ':') {
                endStroke();
                pen_ = int(std::clamp(*value, -1.0, 1024.0));
            } else {
                fractionBits = int(std::clamp(*value, 0.0, 26.0));
            }
        } else if (flag == '<' || flag == '=' || flag == '7') {
            in_.take();
            penUpNext |= flag == '<';
            absoluteNext |= flag == '=';
            sevenBit |= flag == '7';
        } else {
            const std::optional<double> x = in_.encodedNumber(sevenBit, fractionBits);
            const std::optional<double> y =
                x ? in_.encodedNumber(sevenBit, fractionBits) : std::nullopt;
            if (!y)
                break;
            penUp_ = penUpNext;
            if (penUp_)
                endStroke();
            moveTo(place(*x, *y, !absoluteNext));
            penUpNext = absoluteNext = false;
        }
    }
    if (!in_.atEnd() && in_.peek() != ';')
        notDrawn(mnemonic); // the rest up to ';' is not understood
    in_.skipPast(';');
}

// The next character ends labels from now on; ",0" after it draws that character too.
// "DT;" is the default.
void Reader::labelTerminator(Mnemonic) {
    labelEnd_ = in_.atEnd() || in_.peek() == ';' ? EndOfText : in_.take();
    const std::vector<double>& values = in_.parameters();
    labelEndDrawn_ = labelEnd_ != EndOfText && !values.empty() && values[0] == 0;
}

// LB: lettering in the stroke font, each glyph line a stroke of the pen, each character
// counted, so that no label costs more than the points it may draw.
void Reader::label(Mnemonic) {
    const QByteArrayView text = in_.textUpTo(labelEnd_);
    endStroke();
    startLabel();
    LabelWriter writer(style_.label(p1_, p2_), pos_, returnPoint_);
    const LabelWriter::Draw draw = [this](QList<QPointF> line) {
        if (!anyFar(line))
            budget_.keep(marking(std::move(line)));
        return !budget_.spent();
    };
    if (writer.write(text, draw) && labelEndDrawn_)
        writer.write(QByteArrayView(&labelEnd_, 1), draw);
    budget_.charge(writer.characters());
    if (writer.approximate())
        ++list_.approximate[QStringLiteral("LB")];
    if (!isFar(writer.pen()))
        pos_ = writer.pen();
    afterLabel_ = pos_;
}

// CP moves the pen, up, by characters and lines as the lettering sets them; CP alone starts a
// new line.
void Reader::characterPlot(Mnemonic) {
    const std::vector<double>& values = in_.parameters();
    if (in_.hadBadNumber())
        return;
    endStroke();
    startLabel();
    LabelWriter writer(style_.label(p1_, p2_), pos_, returnPoint_);
    if (values.empty())
        writer.newLine();
    else
        writer.move(values[0], values.size() > 1 ? values[1] : 0);
    if (!isFar(writer.pen())) {
        budget_.keep({{pos_, writer.pen()}, pen_, false, false});
        pos_ = writer.pen();
    }
    afterLabel_ = pos_;
}

// XT and YT: a tick up and down (or right and left) of the pen, as long as TL makes it of the
// distance from P1 to P2; the pen comes back.
void Reader::tick(Mnemonic mnemonic) {
    in_.parameters();
    endStroke();
    const QPointF span = p2_ - p1_;
    const QPointF unit = mnemonic.first == 'X' ? QPointF(0, span.y()) : QPointF(span.x(), 0);
    QList<QPointF> tick{pos_ + unit * style_.tickUp(), pos_ - unit * style_.tickDown()};
    if (!anyFar(tick))
        budget_.keep(marking(std::move(tick)));
}

// AC: the corner hatching starts from; AC alone puts it back at the origin.
void Reader::anchorCorner(Mnemonic) {
    const std::vector<double>& values = in_.parameters();
    if (in_.hadBadNumber())
        return;
    const QPointF anchor = values.size() >= 2 ? place(values[0], values[1], false) : QPointF();
    if (!isFar(anchor))
        style_.anchor(anchor);
}

void Reader::drawingStyle(Mnemonic mnemonic) {
    const std::vector<double>& values = in_.parameters();
    if (in_.hadBadNumber())
        return;
    switch (mnemonic.first << 8 | mnemonic.second) {
    case 'S' << 8 | 'I':
    case 'S' << 8 | 'R':
        return style_.characterSize(values, mnemonic.second == 'R');
    case 'D' << 8 | 'I':
    case 'D' << 8 | 'R':
        return style_.direction(values, mnemonic.second == 'R');
    case 'S' << 8 | 'L':
        return style_.slant(values);
    case 'E' << 8 | 'S':
        return style_.extraSpace(values);
    case 'L' << 8 | 'O':
        return style_.labelOrigin(values);
    case 'C' << 8 | 'S':
    case 'C' << 8 | 'A':
        return style_.characterSet(values, mnemonic.second == 'A');
    case 'S' << 8 | 'S':
    case 'S' << 8 | 'A':
        return style_.selectSet(mnemonic.second == 'A');
    case 'T' << 8 | 'L':
        return style_.tickLength(values);
    case 'L' << 8 | 'T':
        endStroke();
        style_.lineType(values);
        return updateLineType();
    case 'U' << 8 | 'L':
        style_.userLineType(values);
        return updateLineType();
    case 'F' << 8 | 'T':
        return style_.fillType(values, userToPlotter_);
    case 'P' << 8 | 'W':
        endStroke();
        return style_.penWidth(values);
    case 'W' << 8 | 'U':
        endStroke();
        return style_.widthUnits(values);
    case 'P' << 8 | 'T':
        endStroke();
        return style_.penThickness(values, pen_);
    default:
        return;
    }
}

void Reader::unknown(Mnemonic mnemonic) {
    notDrawn(mnemonic);
    if (!in_.atEnd() && in_.peek() == '"')
        in_.skipComment();
    else
        in_.parameters();
}

void Reader::moves(const std::vector<double>& values, Mnemonic mnemonic) {
    if (in_.hadBadNumber())
        return notDrawn(mnemonic);
    // A pen put down marks, even where it does not move; a line type's marks are its own.
    const bool patterned = dasher_ || style_.dotsOnly();
    if (!penUp_ && !polygonMode_ && (!patterned || values.size() < 2))
        markHere();
    for (std::size_t i = 0; i + 1 < values.size(); i += 2)
        moveTo(place(values[i], values[i + 1], relative_));
}

void Reader::moveTo(const QPointF& target) {
    if (isFar(target))
        return;
    if (polygonMode_) {
        polygonBuffer_.add(target, penUp_);
    } else if (penUp_) {
        budget_.keep({{pos_, target}, pen_, false, false});
    } else if (style_.dotsOnly()) {
        budget_.keep(marking({target})); // LT0: a dot at each point
    } else if (dasher_) {
        drawLine({pos_, target});
    } else {
        markHere();
        budget_.extend({target});
    }
    pos_ = target;
}

// Makes sure a pen-down stroke starting at the pen's place is open.
void Reader::markHere() {
    if (open_)
        return;
    budget_.open(marking({pos_}));
    open_ = true;
}

void Reader::addShape(QList<QPointF> points, bool filled, Mnemonic mnemonic) {
    if (anyFar(points))
        return notDrawn(mnemonic);
    endStroke();
    if (polygonMode_)
        polygonBuffer_.addShape(std::move(points));
    else if (filled)
        fill({points}, false);
    else
        drawLine(points);
}

void Reader::drawLine(const QList<QPointF>& line) {
    endStroke();
    if (!dasher_) {
        budget_.keep(marking(line));
        return;
    }
    std::vector<QList<QPointF>> dashes;
    if (!dasher_->dash(line, dashes, DashLimit)) {
        ++list_.approximate[QStringLiteral("LT")];
        budget_.keep(marking(line));
        return;
    }
    for (QList<QPointF>& dash : dashes)
        budget_.keep(marking(std::move(dash)));
}

// FT's fill: solid, hatched along lines, or shaded.
void Reader::fill(const std::vector<QList<QPointF>>& outlines, bool nonZero) {
    const Fill how = style_.fill(p1_, p2_);
    if (how.approximate)
        ++list_.approximate[QStringLiteral("FT")];
    if (how.kind == Fill::Kind::Hatching || how.kind == Fill::Kind::CrossHatching) {
        std::vector<QList<QPointF>> lines;
        if (hatch(outlines, how.spacing, how.angle, how.kind == Fill::Kind::CrossHatching, nonZero,
                  how.anchor, lines, HatchLimit)) {
            for (QList<QPointF>& line : lines)
                budget_.keep(marking(std::move(line)));
            return;
        }
        ++list_.approximate[QStringLiteral("FT")];
    }
    for (const QList<QPointF>& outline : outlines) {
        if (outline.size() < 2)
            continue;
        Stroke area = marking(outline, true);
        area.shade = how.kind == Fill::Kind::Shading ? how.shade : 100;
        budget_.keep(std::move(area));
    }
}

} // namespace

DisplayList readHpgl(QByteArrayView bytes) {
    return Reader(bytes).read();
}

} // namespace markast::hpgl
