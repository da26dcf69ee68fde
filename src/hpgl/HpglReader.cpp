#include "hpgl/HpglReader.h"

#include "hpgl/HpglGeometry.h"
#include "hpgl/HpglScanner.h"
#include "hpgl/PointBudget.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>

namespace markast::hpgl {

namespace {

constexpr char EndOfText = '\x03';
// Default character size (SI), in centimetres, and plotter units to the centimetre.
constexpr double CharWidthCm = 0.187;
constexpr double CharHeightCm = 0.269;
constexpr double UnitsPerCm = 400;
// The hard-clip limits where PS has not set them, in plotter units, before any rotation; the
// default P1 and P2 lie at their corners.
constexpr QSizeF DefaultPage{10000, 7500};
constexpr double LargestPage = 1e8;
// What a label's character costs the reading, in points.
constexpr qsizetype PointsPerCharacter = 16;

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
    void bezier(Mnemonic mnemonic);
    void rectangle(Mnemonic mnemonic);
    void wedge(Mnemonic mnemonic);
    void polygonMode(Mnemonic);
    void polygon(Mnemonic mnemonic);
    void encodedPolyline(Mnemonic);
    void characterSize(Mnemonic);
    void labelTerminator(Mnemonic);
    void label(Mnemonic);
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
    void endStroke() { open_ = false; }
    void addShape(QList<QPointF> points, bool filled, Mnemonic mnemonic);

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
    double charWidth_ = CharWidthCm * UnitsPerCm;
    double charHeight_ = CharHeightCm * UnitsPerCm;
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
        set("SI", &Reader::characterSize);
        set("DT", &Reader::labelTerminator);
        set("LB", &Reader::label);
        for (const char* letters : {"CO", "MG"})
            set(letters, &Reader::comment);
        for (const char* letters :
             {"BP", "WU", "PW", "LA", "TR", "PG", "LT", "VS", "UL", "AC", "AS", "CR",
              "CT", "DC", "DP", "EC", "FR", "FS", "GM", "IM", "KY", "LM", "MC", "NP",
              "NR", "OA", "OC", "OD", "OE", "OF", "OG", "OH", "OI", "OK", "OL", "OO",
              "OP", "OS", "OT", "OW", "PC", "PT", "QL", "ST", "VA", "VN"})
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
    charWidth_ = CharWidthCm * UnitsPerCm;
    charHeight_ = CharHeightCm * UnitsPerCm;
    if (mnemonic.first == 'I') {
        rotation_ = 0;
        window_.reset();
        updateSheet();
        resetScalingPoints();
        penUp_ = true;
        pos_ = {0, 0};
    }
    updateUserToPlotter();
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

// BZ and BR: cubic Béziers from the pen through two control points to an end, absolute or
// relative to where each one starts.
void Reader::bezier(Mnemonic mnemonic) {
    const std::vector<double> values = in_.parameters();
    if (in_.hadBadNumber())
        return notDrawn(mnemonic);
    const bool relative = mnemonic.second == 'R';
    for (std::size_t i = 0; i + 5 < values.size(); i += 6) {
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
    in_.parameters();
    endStroke();
    // Once nothing more is kept, a buffer drawn again and again costs its box and its count;
    // one cut short is drawn as far as it holds, and the rest counted.
    qsizetype drawn = 0;
    if (list_.completeness == DisplayList::Completeness::Whole) {
        for (const QList<QPointF>& part : polygonBuffer_.parts()) {
            if (part.size() >= 2) {
                budget_.keep({part, pen_, true, mnemonic.first == 'F', {}});
                ++drawn;
            }
        }
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
    while (!in_.atEnd() && in_.peek() != ';') {
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
            penUpNext = absoluteNext = false;
        }
    }
    if (!in_.atEnd() && in_.peek() == ';')
        in_.take();
}

void Reader::characterSize(Mnemonic) {
    const std::vector<double>& values = in_.parameters();
    const bool given = values.size() >= 2 && !in_.hadBadNumber();
    charWidth_ = (given ? values[0] : CharWidthCm) * UnitsPerCm;
    charHeight_ = (given ? values[1] : CharHeightCm) * UnitsPerCm;
}

// The next character ends labels from now on, ",1" may follow; "DT;" is the default.
void Reader::labelTerminator(Mnemonic) {
    labelEnd_ = in_.atEnd() || in_.peek() == ';' ? EndOfText : in_.take();
    in_.parameters();
}

void Reader::label(Mnemonic) {
    QString text;
    for (const char c : in_.textUpTo(labelEnd_)) {
        if (quint8(c) >= 0x20) // line feeds and other control characters are not drawn
            text.append(QLatin1Char(c));
    }
    const double width = text.size() * charWidth_ * 1.5;
    if (text.isEmpty() || isFar(pos_ + QPointF(width, charHeight_)))
        return;
    endStroke();
    const QRectF box = toSheet_.mapRect(QRectF(pos_, QSizeF(width, charHeight_)));
    if (budget_.reserve(text.size() * PointsPerCharacter))
        list_.labels.push_back({box.topLeft(), text, box.height(), box.width(), pen_});
    budget_.include(box);
    ++list_.approximate[QStringLiteral("LB")];
    pos_ += QPointF(width, 0);
}

// An unknown instruction takes its numbers and no more: what follows may be the drawing.
void Reader::unknown(Mnemonic mnemonic) {
    notDrawn(mnemonic);
    in_.parameters();
}

void Reader::moves(const std::vector<double>& values, Mnemonic mnemonic) {
    if (in_.hadBadNumber())
        return notDrawn(mnemonic);
    if (!penUp_ && !polygonMode_)
        markHere(); // a pen put down marks, even where it does not move
    for (std::size_t i = 0; i + 1 < values.size(); i += 2)
        moveTo(place(values[i], values[i + 1], relative_));
}

void Reader::moveTo(const QPointF& target) {
    if (isFar(target))
        return;
    if (polygonMode_) {
        budget_.count(1);
        polygonBuffer_.add(sheet(target), penUp_);
    } else if (penUp_) {
        budget_.keep({{sheet(pos_), sheet(target)}, pen_, false, false, {}});
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
    budget_.open({{sheet(pos_)}, pen_, true, false, {}});
    open_ = true;
}

void Reader::addShape(QList<QPointF> points, bool filled, Mnemonic mnemonic) {
    if (anyFar(points))
        return notDrawn(mnemonic);
    endStroke();
    if (polygonMode_) {
        budget_.count(points.size());
        polygonBuffer_.addShape(sheet(std::move(points)));
    } else {
        budget_.keep({sheet(std::move(points)), pen_, true, filled, {}});
    }
}

} // namespace

DisplayList readHpgl(QByteArrayView bytes) {
    return Reader(bytes).read();
}

} // namespace markast::hpgl
