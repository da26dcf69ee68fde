#include "hpgl/HpglReader.h"

#include "hpgl/DrawingStyle.h"
#include "hpgl/HpglGeometry.h"
#include "hpgl/HpglScanner.h"
#include "hpgl/Lettering.h"
#include "hpgl/LineTypes.h"
#include "hpgl/PointBudget.h"

#include <QPromise>
#include <QThreadPool>

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
// The hard-clip limits where PS has not set them, in plotter units, before any rotation; the
// default P1 and P2 lie at their corners.
constexpr QSizeF DefaultPage{10000, 7500};
constexpr double LargestPage = 1e8;

// The plotter's state as the instructions change it, and the display list they build.
class Reader {
public:
    explicit Reader(QByteArrayView bytes) : in_(bytes) {}

    // An instruction of many points stops where the budget is spent, so the bytes read whole
    // are those before the instruction that spent it.
    DisplayList read() {
        qsizetype whole = 0;
        while (const std::optional<Mnemonic> mnemonic = in_.nextMnemonic()) {
            run(*mnemonic);
            if (budget_.spent())
                break;
            whole = in_.position();
        }
        if (budget_.spent() || !in_.atEnd())
            list_.completeness = DisplayList::Completeness::ReadInPart;
        list_.readBytes = budget_.spent() ? whole : in_.position();
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
    void inputRelative(Mnemonic);
    void inputWindow(Mnemonic);
    void rotate(Mnemonic);
    void pageSize(Mnemonic);
    void penUp(Mnemonic mnemonic);
    void penDown(Mnemonic mnemonic);
    void plotAbsolute(Mnemonic mnemonic);
    void plotRelative(Mnemonic mnemonic);
    void selectPen(Mnemonic);
    void circle(Mnemonic mnemonic);
    void arc(Mnemonic mnemonic);
    void arcThreePoints(Mnemonic mnemonic);
    void bezier(Mnemonic mnemonic);
    void rectangle(Mnemonic mnemonic);
    void wedge(Mnemonic mnemonic);
    void polygonMode(Mnemonic);
    void polygon(Mnemonic mnemonic);
    void encodedPolyline(Mnemonic);
    void labelTerminator(Mnemonic);
    void label(Mnemonic mnemonic);
    void bufferLabel(Mnemonic) { buffered_ = in_.textUpTo(labelEnd_).toByteArray(); }
    void characterPlot(Mnemonic);
    void tick(Mnemonic mnemonic);
    void anchorCorner(Mnemonic);
    void symbolMode(Mnemonic);
    // SI, SR, DI, DR, SL, ES, LO, DV, CS, CA, SS, SA, TL, LT, UL, FT, RF, PW, WU, PT.
    void drawingStyle(Mnemonic mnemonic);
    void comment(Mnemonic) { in_.skipComment(); }
    // Understood, and nothing to draw: what a marker cannot show (pens' colours, widths, speed,
    // paper, cutters, quality) and what only asks the device or sets up its output.
    void nothingToDraw(Mnemonic) { in_.parameters(); }
    void unknown(Mnemonic mnemonic);

    // ---- Drawing ----

    void notDrawn(Mnemonic mnemonic) {
        const char letters[] = {mnemonic.first, mnemonic.second};
        ++list_.notDrawn[QString::fromLatin1(letters, 2)];
    }
    void updateUserToPlotter() { userToPlotter_ = userToPlotter(scaling_, p1_, p2_); }
    // The hard-clip limits as the rotated coordinates see them.
    QSizeF frame() const { return rotation_ % 180 == 0 ? page_ : page_.transposed(); }
    void resetScalingPoints() {
        p1_ = {0, 0};
        p2_ = QPointF(frame().width(), frame().height());
        updateUserToPlotter();
    }
    void updateSheet();
    // Plotter units as the file gives them, rotated by RO, to plotter units on the sheet.
    QPointF sheet(const QPointF& point) const { return toSheet_.map(point); }
    QList<QPointF> sheet(QList<QPointF> points) const {
        for (QPointF& point : points)
            point = toSheet_.map(point);
        return points;
    }
    // A parameter pair as a place in plotter units: absolute or relative to the pen.
    QPointF place(double x, double y, bool relative) const {
        const QTransform& map = userToPlotter_;
        return relative ? pos_ + QPointF(map.m11() * x, map.m22() * y) : map.map(QPointF(x, y));
    }
    // A radius in user units, along each axis in plotter units: negative along an axis that
    // scaling turns round, so that angles go the way the user's axes do.
    double radiusX(double radius) const { return radius * userToPlotter_.m11(); }
    double radiusY(double radius) const { return radius * userToPlotter_.m22(); }
    // True when scaling turns one axis round, and so angles the other way.
    bool mirrored() const { return userToPlotter_.m11() * userToPlotter_.m22() < 0; }
    void moves(const std::vector<double>& values, Mnemonic mnemonic);
    void moveTo(const QPointF& target);
    void along(const QList<QPointF>& points);
    void markHere();
    void drawSymbol();
    void endStroke() { open_ = false; }
    void addShape(QList<QPointF> points, bool filled, Mnemonic mnemonic);
    // A pen-down stroke of the current pen.
    Stroke marking(QList<QPointF> points, bool filled = false) const {
        Stroke stroke;
        stroke.points = std::move(points);
        stroke.pen = pen_;
        stroke.filled = filled;
        stroke.width = style_.width(pen_, p1_, p2_);
        return stroke;
    }
    // A move of the pen, up, from its place to target.
    Stroke moving(const QPointF& target) const {
        Stroke stroke;
        stroke.points = {sheet(pos_), sheet(target)};
        stroke.pen = pen_;
        stroke.marks = false;
        return stroke;
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

    // All places in plotter units of the rotated coordinates, as the file gives them.
    QPointF pos_{0, 0};
    QPointF p1_{0, 0};
    QPointF p2_{DefaultPage.width(), DefaultPage.height()};
    QSizeF page_ = DefaultPage;
    int rotation_ = 0; // degrees, counterclockwise
    std::optional<QRectF> window_;
    QTransform toSheet_;
    Scaling scaling_;
    QTransform userToPlotter_;
    bool penUp_ = true;
    bool relative_ = false;
    int pen_ = 1;
    bool polygonMode_ = false;
    PolygonBuffer polygonBuffer_;
    char labelEnd_ = EndOfText;
    bool labelEndDrawn_ = false; // DT's mode 0
    char symbol_ = 0;            // SM's character; 0 for none
    QByteArray buffered_;        // BL's label, for PB
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
        set("IR", &Reader::inputRelative);
        set("IW", &Reader::inputWindow);
        set("RO", &Reader::rotate);
        set("PS", &Reader::pageSize);
        set("PU", &Reader::penUp);
        set("PD", &Reader::penDown);
        set("PA", &Reader::plotAbsolute);
        set("PR", &Reader::plotRelative);
        set("SP", &Reader::selectPen);
        set("CI", &Reader::circle);
        for (const char* letters : {"AA", "AR"})
            set(letters, &Reader::arc);
        for (const char* letters : {"AT", "RT"})
            set(letters, &Reader::arcThreePoints);
        for (const char* letters : {"BZ", "BR"})
            set(letters, &Reader::bezier);
        for (const char* letters : {"EA", "ER", "RA", "RR"})
            set(letters, &Reader::rectangle);
        for (const char* letters : {"EW", "WG"})
            set(letters, &Reader::wedge);
        set("PM", &Reader::polygonMode);
        for (const char* letters : {"EP", "FP"})
            set(letters, &Reader::polygon);
        set("PE", &Reader::encodedPolyline);
        set("DT", &Reader::labelTerminator);
        for (const char* letters : {"LB", "PB"})
            set(letters, &Reader::label);
        set("BL", &Reader::bufferLabel);
        set("CP", &Reader::characterPlot);
        set("SM", &Reader::symbolMode);
        for (const char* letters : {"XT", "YT"})
            set(letters, &Reader::tick);
        set("AC", &Reader::anchorCorner);
        for (const char* letters : {"SI", "SR", "DI", "DR", "SL", "ES", "LO", "DV", "CS", "CA",
                                    "SS", "SA", "TL", "LT", "UL", "FT", "RF", "PW", "WU", "PT"})
            set(letters, &Reader::drawingStyle);
        for (const char* letters : {"CO", "MG"})
            set(letters, &Reader::comment);
        for (const char* letters :
             {"BP", "LA", "TR", "PG", "VS", "AS", "CR", "CT", "DC", "DP", "EC", "FR", "FS", "GM",
              "IM", "KY", "LM", "MC", "NP", "NR", "OA", "OC", "OD", "OE", "OF", "OG", "OH", "OI",
              "OK", "OL", "OO", "OP", "OS", "OT", "OW", "PC", "QL", "ST", "VA", "VN"})
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
    symbol_ = 0;
    style_.reset();
    if (mnemonic.first == 'I') {
        rotation_ = 0;
        window_.reset();
        updateSheet();
        resetScalingPoints();
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
        resetScalingPoints();
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

// IR: P1 and P2 at percentages of the hard-clip limits.
void Reader::inputRelative(Mnemonic) {
    std::vector<double> values = in_.parameters();
    if (in_.hadBadNumber())
        return;
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = std::clamp(values[i], 0.0, 100.0) / 100 *
                    (i % 2 == 0 ? frame().width() : frame().height());
    if (values.size() < 2) {
        resetScalingPoints();
        return;
    }
    const QPointF shift = QPointF(values[0], values[1]) - p1_;
    p1_ += shift;
    p2_ = values.size() >= 4 ? QPointF(values[2], values[3]) : p2_ + shift;
    updateUserToPlotter();
}

// IW: marks are drawn only within a window, given in user units where scaling is on; IW
// alone draws everywhere again.
void Reader::inputWindow(Mnemonic) {
    const std::vector<double>& values = in_.parameters();
    if (values.size() < 4 || in_.hadBadNumber()) {
        window_.reset();
    } else {
        const QPointF from = place(values[0], values[1], false);
        const QPointF to = place(values[2], values[3], false);
        window_ =
            isFar(from) || isFar(to) ? std::nullopt : std::optional(QRectF(from, to).normalized());
    }
    updateSheet();
}

// RO: the coordinates turn counterclockwise about the sheet by 90, 180 or 270 degrees, their
// origin at the hard-clip limits' new lower left corner. The pen stays where it is on the
// sheet; P1, P2 and the window keep their numbers, and so move.
void Reader::rotate(Mnemonic) {
    const std::vector<double>& values = in_.parameters();
    const double angle = values.empty() || in_.hadBadNumber() ? 0 : values[0];
    const int rotation = angle == 90 || angle == 180 || angle == 270 ? int(angle) : 0;
    const QPointF onSheet = sheet(pos_);
    rotation_ = rotation;
    updateSheet();
    pos_ = toSheet_.inverted().map(onSheet);
}

// PS: the hard-clip limits, length along x and width along y; P1 and P2 go to their corners.
void Reader::pageSize(Mnemonic) {
    const std::vector<double>& values = in_.parameters();
    if (!values.empty() && !in_.hadBadNumber()) {
        page_.setWidth(std::clamp(values[0], 1.0, LargestPage));
        if (values.size() > 1)
            page_.setHeight(std::clamp(values[1], 1.0, LargestPage));
    }
    updateSheet();
    resetScalingPoints();
}

void Reader::updateSheet() {
    const double width = page_.width();
    const double height = page_.height();
    switch (rotation_) {
    case 90:
        toSheet_ = QTransform(0, 1, -1, 0, width, 0);
        break;
    case 180:
        toSheet_ = QTransform(-1, 0, 0, -1, width, height);
        break;
    case 270:
        toSheet_ = QTransform(0, -1, 1, 0, 0, height);
        break;
    default:
        toSheet_ = QTransform();
    }
    budget_.setClip(window_ ? toSheet_.mapRect(*window_) : QRectF());
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
        arcPoints(centre, radius, radius, start, mirrored() ? -values[2] : values[2],
                  values.size() > 3 ? values[3] : 5);
    if (anyFar(points))
        return notDrawn(mnemonic);
    along(points);
}

// AT and RT: an arc from the pen through one point to another, both absolute or relative to
// the pen. It is worked out in user units, so that scaling of unequal axes makes an ellipse of
// it; points on one line make a line (a dot where all three meet).
void Reader::arcThreePoints(Mnemonic mnemonic) {
    const std::vector<double>& values = in_.parameters();
    const QTransform& map = userToPlotter_;
    if (in_.hadBadNumber() || values.size() < 4 || !map.isInvertible())
        return notDrawn(mnemonic);
    const QPointF start = map.inverted().map(pos_);
    const QPointF offset = mnemonic.first == 'R' ? start : QPointF();
    const QPointF via = offset + QPointF(values[0], values[1]);
    const QPointF end = offset + QPointF(values[2], values[3]);
    const std::optional<ArcThrough> arc = arcThrough(start, via, end);
    const QList<QPointF> points =
        arc ? arcPoints(map.map(arc->centre), arc->radius * map.m11(), arc->radius * map.m22(),
                        arc->start, arc->sweep, values.size() > 4 ? values[4] : 5)
            : QList<QPointF>{pos_, map.map(end)};
    if (anyFar(points))
        return notDrawn(mnemonic);
    along(points);
}

// BZ and BR: cubic Béziers from the pen through two control points to an end, absolute or
// relative to where each one starts.
void Reader::bezier(Mnemonic mnemonic) {
    const std::vector<double> values = in_.parameters();
    if (in_.hadBadNumber())
        return notDrawn(mnemonic);
    const bool relative = mnemonic.second == 'R';
    for (std::size_t i = 0; i + 5 < values.size() && !budget_.spent(); i += 6) {
        const QPointF start = pos_;
        const auto at = [&](std::size_t j) {
            const QPointF point = place(values[j], values[j + 1], relative);
            return relative ? point - pos_ + start : point;
        };
        QList<QPointF> points = bezierPoints(start, at(i), at(i + 2), at(i + 4));
        if (anyFar(points))
            return notDrawn(mnemonic);
        along(points);
    }
}

// The pen goes along points, from its place: marking them, adding them to the polygon buffer,
// or with the pen up only to the last.
void Reader::along(const QList<QPointF>& points) {
    if (penUp_) {
        moveTo(points.back());
    } else if (polygonMode_) {
        budget_.count(points.size());
        for (const QPointF& point : points.mid(1))
            polygonBuffer_.add(sheet(point), false);
    } else if (dasher_) {
        drawLine(sheet(points));
    } else {
        markHere();
        budget_.extend(sheet(points.mid(1)));
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
        polygonBuffer_.open(sheet(pos_));
    } else if (polygonMode_ && mode == 1) {
        polygonBuffer_.startPart(sheet(pos_));
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
    // Once nothing more is kept, a buffer drawn again and again costs its box and its count;
    // one cut short is drawn as far as it holds, and the rest counted.
    qsizetype drawn = 0;
    if (list_.completeness == DisplayList::Completeness::Whole) {
        for (const QList<QPointF>& part : polygonBuffer_.parts()) {
            if (part.size() < 2)
                continue;
            if (mnemonic.first == 'E')
                drawLine(part);
            ++drawn;
        }
        if (mnemonic.first == 'F')
            fill(polygonBuffer_.parts(), nonZero);
        if (!polygonBuffer_.cutShort())
            return;
        list_.completeness = DisplayList::Completeness::DrawnInPart;
    }
    if (const std::optional<QRectF> box = polygonBuffer_.linesExtent().boxIfAny())
        budget_.include(*box);
    list_.marksLeftOut += polygonBuffer_.lines() - drawn;
}

// PE: flags and coordinates in base 64 (or base 32 after '7'), relative unless '=' comes
// first, pen down unless '<' does, up to ';' or to the next instruction: whatever is no flag or
// no whole pair of numbers ends it.
void Reader::encodedPolyline(Mnemonic) {
    bool sevenBit = false;
    bool penUpNext = false;
    bool absoluteNext = false;
    int fractionBits = 0;
    while (!in_.atEnd() && in_.peek() != ';' && !budget_.spent()) {
        const char flag = in_.peek();
        const qsizetype start = in_.position();
        if (flag == ':' || flag == '>') {
            in_.take();
            const std::optional<double> value = in_.encodedNumber(sevenBit, 0);
            if (!value) {
                in_.backTo(start);
                break;
            }
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
            if (!y) {
                in_.backTo(start);
                break;
            }
            penUp_ = penUpNext;
            if (penUp_)
                endStroke();
            moveTo(place(*x, *y, !absoluteNext));
            if (symbol_ && !polygonMode_)
                drawSymbol();
            penUpNext = absoluteNext = false;
        }
    }
    if (!in_.atEnd() && in_.peek() == ';')
        in_.take();
}

// The next character ends labels from now on; ",0" after it draws that character too.
// "DT;" is the default.
void Reader::labelTerminator(Mnemonic) {
    labelEnd_ = in_.atEnd() || in_.peek() == ';' ? EndOfText : in_.take();
    const std::vector<double>& values = in_.parameters();
    labelEndDrawn_ = labelEnd_ != EndOfText && !values.empty() && values[0] == 0;
}

// LB: lettering in the stroke font, each glyph line a stroke of the pen, each character
// counted, so that no label costs more than the points it may draw. PB letters the label BL
// put in the buffer the same way.
void Reader::label(Mnemonic mnemonic) {
    if (mnemonic.first == 'P')
        in_.parameters();
    const QByteArrayView text =
        mnemonic.first == 'P' ? QByteArrayView(buffered_) : in_.textUpTo(labelEnd_);
    endStroke();
    startLabel();
    LabelWriter writer(style_.label(p1_, p2_), pos_, returnPoint_);
    const LabelWriter::Draw draw = [this](QList<QPointF> line) {
        if (!anyFar(line))
            budget_.keep(marking(sheet(std::move(line))));
        return !budget_.spent();
    };
    if (writer.write(text, draw) && labelEndDrawn_)
        writer.write(QByteArrayView(&labelEnd_, 1), draw);
    budget_.count(writer.characters());
    if (writer.approximate())
        ++list_.approximate[QStringLiteral("LB")];
    if (!isFar(writer.pen()) && labelsConcatenate(style_.label(p1_, p2_)))
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
        budget_.keep(moving(writer.pen()));
        pos_ = writer.pen();
    }
    afterLabel_ = pos_;
}

// SM: a printing character right after it (33 to 126 but the semicolon, 161 or 254) is drawn at
// each point PA, PD, PE, PR and PU go to; SM without one ends symbol mode.
void Reader::symbolMode(Mnemonic) {
    const auto byte = in_.atEnd() ? quint8(0) : quint8(in_.peek());
    symbol_ =
        (byte > 0x20 && byte < 0x7f && byte != ';') || byte == 161 || byte == 254 ? in_.take() : 0;
    in_.parameters();
}

// The symbol centred on the pen, in glyph lines of their own.
void Reader::drawSymbol() {
    endStroke();
    LabelWriter writer(style_.label(p1_, p2_), pos_, pos_);
    writer.symbol(symbol_, [this](QList<QPointF> line) {
        if (!anyFar(line))
            budget_.keep(marking(sheet(std::move(line))));
        return !budget_.spent();
    });
    budget_.count(writer.characters());
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
        budget_.keep(marking(sheet(std::move(tick))));
}

// AC: the corner hatching starts from; AC alone puts it back at the origin.
void Reader::anchorCorner(Mnemonic) {
    const std::vector<double>& values = in_.parameters();
    if (in_.hadBadNumber())
        return;
    const QPointF anchor = values.size() >= 2 ? place(values[0], values[1], false) : QPointF();
    if (!isFar(anchor))
        style_.anchor(sheet(anchor));
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
    case 'D' << 8 | 'V':
        return style_.textPath(values);
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
    case 'R' << 8 | 'F':
        return style_.rasterFill(values);
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

// An unknown instruction takes its numbers and no more: what follows may be the drawing.
void Reader::unknown(Mnemonic mnemonic) {
    notDrawn(mnemonic);
    in_.parameters();
}

void Reader::moves(const std::vector<double>& values, Mnemonic mnemonic) {
    if (in_.hadBadNumber())
        return notDrawn(mnemonic);
    // A pen put down marks, even where it does not move; a line type's marks are its own.
    const bool patterned = dasher_ || style_.dotsOnly();
    if (!penUp_ && !polygonMode_ && (!patterned || values.size() < 2))
        markHere();
    for (std::size_t i = 0; i + 1 < values.size() && !budget_.spent(); i += 2) {
        moveTo(place(values[i], values[i + 1], relative_));
        if (symbol_ && !polygonMode_)
            drawSymbol();
    }
}

void Reader::moveTo(const QPointF& target) {
    if (isFar(target))
        return;
    if (polygonMode_) {
        budget_.count(1);
        polygonBuffer_.add(sheet(target), penUp_);
    } else if (penUp_) {
        budget_.keep(moving(target));
    } else if (style_.dotsOnly()) {
        budget_.keep(marking({sheet(target)})); // LT0: a dot at each point
    } else if (dasher_) {
        drawLine({sheet(pos_), sheet(target)});
    } else {
        markHere();
        budget_.extend({sheet(target)});
    }
    pos_ = target;
}

// Makes sure a pen-down stroke starting at the pen's place is open.
void Reader::markHere() {
    if (open_)
        return;
    budget_.open(marking({sheet(pos_)}));
    open_ = true;
}

void Reader::addShape(QList<QPointF> points, bool filled, Mnemonic mnemonic) {
    if (anyFar(points))
        return notDrawn(mnemonic);
    endStroke();
    if (polygonMode_) {
        budget_.count(points.size());
        polygonBuffer_.addShape(sheet(std::move(points)));
    } else if (filled) {
        fill({sheet(std::move(points))}, false);
    } else {
        drawLine(sheet(std::move(points)));
    }
}

// line is in plotter units on the sheet.
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

// FT's fill of outlines in plotter units on the sheet: solid, hatched along lines, or shaded.
void Reader::fill(const std::vector<QList<QPointF>>& outlines, bool nonZero) {
    const Fill how = style_.fill(p1_, p2_);
    if (how.approximate)
        ++list_.approximate[QStringLiteral("FT")];
    if (how.kind == Fill::Kind::Hatching || how.kind == Fill::Kind::CrossHatching) {
        std::vector<QList<QPointF>> lines;
        // The angle is the rotated axes', as the outlines are the sheet's.
        if (hatch(outlines, how.spacing, how.angle + rotation_,
                  how.kind == Fill::Kind::CrossHatching, nonZero, how.anchor, lines, HatchLimit)) {
            for (QList<QPointF>& line : lines)
                budget_.keep(marking(std::move(line)));
            return;
        }
        ++list_.approximate[QStringLiteral("FT")];
    }
    // One area of all the outlines, so that the fill rule decides where they overlap.
    Stroke area = marking({}, true);
    area.shade = how.kind == Fill::Kind::Shading ? how.shade : 100;
    area.nonZero = nonZero;
    for (const QList<QPointF>& outline : outlines) {
        if (outline.size() < 2)
            continue;
        area.points.append(outline);
        area.parts.append(outline.size());
    }
    if (area.parts.size() == 1)
        area.parts.clear();
    if (!area.points.isEmpty())
        budget_.keep(std::move(area));
}

} // namespace

DisplayList readHpgl(QByteArrayView bytes) {
    return Reader(bytes).read();
}

QFuture<std::shared_ptr<const DisplayList>> readHpglAside(QByteArray bytes) {
    // QPromise moves only, and the pool takes a copyable function.
    auto promise = std::make_shared<QPromise<std::shared_ptr<const DisplayList>>>();
    QFuture<std::shared_ptr<const DisplayList>> drawing = promise->future();
    promise->start();
    QThreadPool::globalInstance()->start([promise, bytes = std::move(bytes)] {
        promise->addResult(std::make_shared<const DisplayList>(readHpgl(bytes)));
        promise->finish();
    });
    return drawing;
}

} // namespace markast::hpgl
