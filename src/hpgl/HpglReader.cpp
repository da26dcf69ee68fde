#include "hpgl/HpglReader.h"

#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace markast::hpgl {

namespace {

constexpr char Escape = '\x1b';
constexpr char EndOfText = '\x03';
// Larger coordinates are no drawing but damage: an instruction that reaches them is dropped.
constexpr double Farthest = 1e9;
// Default character size (SI), in centimetres, and plotter units to the centimetre.
constexpr double CharWidthCm = 0.187;
constexpr double CharHeightCm = 0.269;
constexpr double UnitsPerCm = 400;
// The default P1 and P2, where IP has not placed them.
constexpr QPointF DefaultP1{0, 0};
constexpr QPointF DefaultP2{10000, 7500};

constexpr quint16 code(char first, char second) {
    return quint16((quint8(first) << 8) | quint8(second));
}

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isNumberStart(char c) {
    return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.';
}

bool isFar(const QPointF& point) {
    return !std::isfinite(point.x()) || !std::isfinite(point.y()) ||
           std::abs(point.x()) > Farthest || std::abs(point.y()) > Farthest;
}

// How the user units of SC map onto the plotter units between P1 and P2.
struct Scaling {
    enum class Kind { Off, Anisotropic, Isotropic, PointFactor } kind = Kind::Off;
    double xmin = 0, xmax = 1, ymin = 0, ymax = 1; // PointFactor: xmax and ymax are factors
    double left = 50, bottom = 50;                 // Isotropic: where the spare room goes
};

class Reader {
public:
    explicit Reader(QByteArrayView bytes) : in_(bytes) {}

    DisplayList read() {
        while (!atEnd()) {
            const char c = in_[at_];
            if (c == Escape) {
                skipEscape();
            } else if (isLetter(c) && at_ + 1 < in_.size() && isLetter(in_[at_ + 1])) {
                const char first = upper(c);
                const char second = upper(in_[at_ + 1]);
                at_ += 2;
                instruction(first, second);
            } else {
                ++at_; // separators, terminators and whatever is no instruction
            }
        }
        endStroke();
        finish();
        return std::move(list_);
    }

private:
    // ---- Scanning ----

    bool atEnd() const { return at_ >= in_.size(); }
    static char upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

    // ESC . and a command with its parameters up to ':', ESC % and a number and a letter
    // (PCL), or ESC and one character: what a plotter skips.
    void skipEscape() {
        ++at_;
        if (atEnd())
            return;
        const char kind = in_[at_++];
        if (kind == '.') {
            if (atEnd())
                return;
            const char command = in_[at_++];
            if (command == '(' || command == ')' || command == 'Y' || command == 'Z' ||
                command == 'B' || command == 'E' || command == 'J' || command == 'K' ||
                command == 'L' || command == 'O' || command == 'R')
                return; // commands without parameters
            while (!atEnd() && (isNumberStart(in_[at_]) || in_[at_] == ';'))
                ++at_;
            if (!atEnd() && in_[at_] == ':')
                ++at_;
        } else if (kind == '%') {
            while (!atEnd() && isNumberStart(in_[at_]))
                ++at_;
            if (!atEnd() && isLetter(in_[at_]))
                ++at_;
        }
    }

    // One number, if one is next: HP-GL numbers have no exponent. One with more digits than a
    // double holds is no coordinate; it is read whole and marked as bad.
    std::optional<double> number() {
        qsizetype i = at_;
        double sign = 1;
        if (in_[i] == '-' || in_[i] == '+')
            sign = in_[i++] == '-' ? -1 : 1;
        double value = 0;
        double scale = 1;
        int digits = 0;
        bool fraction = false;
        bool any = false;
        for (; i < in_.size(); ++i) {
            const char c = in_[i];
            if (c == '.' && !fraction) {
                fraction = true;
            } else if (c >= '0' && c <= '9') {
                any = true;
                if (fraction) {
                    if (digits < 17) {
                        scale /= 10;
                        value += (c - '0') * scale;
                    }
                } else {
                    value = value * 10 + (c - '0');
                    if (value > 0)
                        ++digits;
                }
            } else {
                break;
            }
        }
        if (!any)
            return std::nullopt;
        at_ = i;
        if (digits > 15)
            bad_ = true;
        return sign * value;
    }

    // The parameters of an instruction: numbers split by commas or blanks, up to ';', a
    // newline, a letter (the next mnemonic) or anything else that is no number.
    const std::vector<double>& parameters() {
        std::vector<double>& values = values_; // one buffer for all, since there are millions
        values.clear();
        bad_ = false;
        while (!atEnd()) {
            const char c = in_[at_];
            if (c == ',' || c == ' ' || c == '\t' || c == '\r') {
                ++at_;
            } else if (isNumberStart(c)) {
                const std::optional<double> value = number();
                if (!value) {
                    ++at_; // a lone sign or point
                    continue;
                }
                values.push_back(*value);
            } else {
                if (c == ';' || c == '\n')
                    ++at_;
                break;
            }
        }
        return values;
    }

    // Text up to terminator, which is dropped.
    QByteArray textUpTo(char terminator) {
        const qsizetype end = in_.indexOf(terminator, at_);
        const qsizetype stop = end < 0 ? in_.size() : end;
        const QByteArray text = in_.sliced(at_, stop - at_).toByteArray();
        at_ = end < 0 ? in_.size() : end + 1;
        return text;
    }

    // ---- Instructions ----

    void instruction(char first, char second) {
        switch (code(first, second)) {
        case code('I', 'N'):
            parameters();
            initialize(true);
            break;
        case code('D', 'F'):
            parameters();
            initialize(false);
            break;
        case code('I', 'P'):
            inputPoints(parameters());
            break;
        case code('S', 'C'):
            scale(parameters());
            break;
        case code('P', 'U'):
            penUp_ = true;
            endStroke();
            moves(parameters(), first, second);
            break;
        case code('P', 'D'):
            penUp_ = false;
            moves(parameters(), first, second);
            break;
        case code('P', 'A'):
            relative_ = false;
            moves(parameters(), first, second);
            break;
        case code('P', 'R'):
            relative_ = true;
            moves(parameters(), first, second);
            break;
        case code('S', 'P'): {
            const std::vector<double>& values = parameters();
            endStroke();
            pen_ = values.empty() ? 0 : int(std::clamp(values[0], -1.0, 1024.0));
            break;
        }
        case code('C', 'I'):
            circle(parameters(), first, second);
            break;
        case code('A', 'A'):
        case code('A', 'R'):
            arc(parameters(), second == 'R', first, second);
            break;
        case code('E', 'A'):
        case code('E', 'R'):
        case code('R', 'A'):
        case code('R', 'R'):
            rectangle(parameters(), second == 'R', first == 'R', first, second);
            break;
        case code('E', 'W'):
        case code('W', 'G'):
            wedge(parameters(), first == 'W', first, second);
            break;
        case code('P', 'M'):
            polygonMode(parameters());
            break;
        case code('E', 'P'):
            parameters();
            polygon(false);
            break;
        case code('F', 'P'):
            parameters();
            polygon(true);
            break;
        case code('P', 'E'):
            encodedPolyline();
            break;
        case code('S', 'I'): {
            const std::vector<double>& values = parameters();
            const bool given = values.size() >= 2 && !bad_;
            charWidth_ = (given ? values[0] : CharWidthCm) * UnitsPerCm;
            charHeight_ = (given ? values[1] : CharHeightCm) * UnitsPerCm;
            break;
        }
        case code('D', 'T'):
            // The next character ends labels from now on, ",1" may follow; "DT;" is the default.
            labelEnd_ = atEnd() || in_[at_] == ';' ? EndOfText : in_[at_++];
            parameters();
            break;
        case code('L', 'B'):
            label();
            break;
        case code('C', 'O'):
            skipComment();
            break;
        // Understood, and nothing to draw: pens, widths, line types, pages, fonts, speed.
        case code('B', 'P'):
        case code('P', 'S'):
        case code('W', 'U'):
        case code('P', 'W'):
        case code('L', 'A'):
        case code('T', 'R'):
        case code('P', 'G'):
        case code('L', 'T'):
        case code('V', 'S'):
        case code('U', 'L'):
            parameters();
            break;
        default:
            notDrawn(first, second);
            if (!atEnd() && in_[at_] == '"')
                skipComment();
            else
                parameters();
        }
    }

    void notDrawn(char first, char second) {
        const char mnemonic[] = {first, second};
        ++list_.notDrawn[QString::fromLatin1(mnemonic, 2)];
    }

    void initialize(bool everything) {
        endStroke();
        scaling_ = {};
        relative_ = false;
        polygonMode_ = false;
        labelEnd_ = EndOfText;
        charWidth_ = CharWidthCm * UnitsPerCm;
        charHeight_ = CharHeightCm * UnitsPerCm;
        if (everything) {
            p1_ = DefaultP1;
            p2_ = DefaultP2;
            penUp_ = true;
            pos_ = {0, 0};
        }
        updateUserToPlotter();
    }

    void inputPoints(const std::vector<double>& values) {
        if (bad_)
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
    }

    void scale(const std::vector<double>& values) {
        if (bad_ || values.size() < 4) {
            scaling_.kind = Scaling::Kind::Off;
            updateUserToPlotter();
            return;
        }
        Scaling next;
        next.xmin = values[0];
        next.xmax = values[1];
        next.ymin = values[2];
        next.ymax = values[3];
        const double type = values.size() >= 5 ? values[4] : 0;
        next.kind = type == 1   ? Scaling::Kind::Isotropic
                    : type == 2 ? Scaling::Kind::PointFactor
                                : Scaling::Kind::Anisotropic;
        if (next.kind == Scaling::Kind::Isotropic && values.size() >= 7) {
            next.left = values[5];
            next.bottom = values[6];
        }
        const bool empty = next.kind != Scaling::Kind::PointFactor &&
                           (next.xmax == next.xmin || next.ymax == next.ymin);
        scaling_ = empty ? Scaling{} : next;
        updateUserToPlotter();
    }

    // User units to plotter units, as a linear map and an offset; worked out again whenever
    // IN, DF, IP or SC changes it.
    void updateUserToPlotter() { userToPlotter_ = userToPlotter(); }
    QTransform userToPlotter() const {
        const double plotterWidth = p2_.x() - p1_.x();
        const double plotterHeight = p2_.y() - p1_.y();
        const Scaling& s = scaling_;
        switch (s.kind) {
        case Scaling::Kind::Off:
            return {};
        case Scaling::Kind::PointFactor:
            return QTransform(s.xmax, 0, 0, s.ymax, p1_.x() - s.xmin * s.xmax,
                              p1_.y() - s.ymin * s.ymax);
        case Scaling::Kind::Anisotropic: {
            const double sx = plotterWidth / (s.xmax - s.xmin);
            const double sy = plotterHeight / (s.ymax - s.ymin);
            return QTransform(sx, 0, 0, sy, p1_.x() - s.xmin * sx, p1_.y() - s.ymin * sy);
        }
        case Scaling::Kind::Isotropic: {
            const double sx = plotterWidth / (s.xmax - s.xmin);
            const double sy = plotterHeight / (s.ymax - s.ymin);
            const double both = std::min(std::abs(sx), std::abs(sy));
            const double fx = std::copysign(both, sx);
            const double fy = std::copysign(both, sy);
            const double spareX = plotterWidth - fx * (s.xmax - s.xmin);
            const double spareY = plotterHeight - fy * (s.ymax - s.ymin);
            return QTransform(fx, 0, 0, fy, p1_.x() + spareX * s.left / 100 - s.xmin * fx,
                              p1_.y() + spareY * s.bottom / 100 - s.ymin * fy);
        }
        }
        return {};
    }

    // A parameter pair as a place in plotter units: absolute or relative to the pen.
    QPointF place(double x, double y, bool relative) const {
        const QTransform& map = userToPlotter_;
        return relative ? pos_ + QPointF(map.m11() * x, map.m22() * y) : map.map(QPointF(x, y));
    }

    void moves(const std::vector<double>& values, char first, char second) {
        if (bad_) {
            notDrawn(first, second);
            return;
        }
        if (!penUp_ && !polygonMode_)
            markHere(); // a pen put down marks, even where it does not move
        for (std::size_t i = 0; i + 1 < values.size(); i += 2)
            moveTo(place(values[i], values[i + 1], relative_));
    }

    void moveTo(const QPointF& target) {
        if (isFar(target))
            return;
        if (polygonMode_) {
            if (penUp_ || polygonBuffer_.empty())
                polygonBuffer_.push_back({target});
            else
                polygonBuffer_.back().append(target);
        } else if (penUp_) {
            list_.strokes.push_back({{pos_, target}, pen_, false, false});
        } else {
            markHere();
            list_.strokes[current_].points.append(target);
        }
        pos_ = target;
    }

    // Makes sure a pen-down stroke starting at the pen's place is open.
    void markHere() {
        if (open_)
            return;
        current_ = list_.strokes.size();
        list_.strokes.push_back({{pos_}, pen_, true, false});
        open_ = true;
    }

    void endStroke() { open_ = false; }

    // Points along an ellipse around centre, from start degrees over sweep degrees, one chord
    // at most every chord degrees (and no more than 720 chords however small it is set).
    static QList<QPointF> arcPoints(const QPointF& centre, double rx, double ry, double start,
                                    double sweep, double chord) {
        chord = std::clamp(std::isfinite(chord) ? std::abs(chord) : 5.0, 0.5, 180.0);
        sweep = std::isfinite(sweep) ? std::clamp(sweep, -360.0, 360.0) : 0;
        const int steps = int(std::clamp(std::ceil(std::abs(sweep) / chord), 1.0, 720.0));
        QList<QPointF> points;
        points.reserve(steps + 1);
        for (int step = 0; step <= steps; ++step) {
            const double angle = (start + sweep * step / steps) * std::numbers::pi / 180;
            points.append(centre + QPointF(rx * std::cos(angle), ry * std::sin(angle)));
        }
        return points;
    }

    void addShape(QList<QPointF> points, bool filled, char first, char second) {
        if (std::any_of(points.begin(), points.end(), isFar)) {
            notDrawn(first, second);
            return;
        }
        endStroke();
        if (polygonMode_) {
            polygonBuffer_.push_back(std::move(points));
            return;
        }
        list_.strokes.push_back({std::move(points), pen_, true, filled});
    }

    void circle(const std::vector<double>& values, char first, char second) {
        if (bad_ || values.empty())
            return notDrawn(first, second);
        const QTransform& map = userToPlotter_;
        const double radius = values[0];
        addShape(arcPoints(pos_, radius * std::abs(map.m11()), radius * std::abs(map.m22()), 0, 360,
                           values.size() > 1 ? values[1] : 5),
                 false, first, second);
    }

    void arc(const std::vector<double>& values, bool relative, char first, char second) {
        if (bad_ || values.size() < 3)
            return notDrawn(first, second);
        const QPointF centre = place(values[0], values[1], relative);
        const QPointF from = pos_ - centre;
        const double radius = std::hypot(from.x(), from.y());
        const double start = std::atan2(from.y(), from.x()) * 180 / std::numbers::pi;
        QList<QPointF> points =
            arcPoints(centre, radius, radius, start, values[2], values.size() > 3 ? values[3] : 5);
        if (std::any_of(points.begin(), points.end(), isFar))
            return notDrawn(first, second);
        if (penUp_ || polygonMode_) {
            moveTo(points.back());
            return;
        }
        markHere();
        list_.strokes[current_].points.append(points.mid(1));
        pos_ = points.back();
    }

    void rectangle(const std::vector<double>& values, bool relative, bool filled, char first,
                   char second) {
        if (bad_ || values.size() < 2)
            return notDrawn(first, second);
        const QPointF corner = place(values[0], values[1], relative);
        addShape({pos_, {corner.x(), pos_.y()}, corner, {pos_.x(), corner.y()}, pos_}, filled,
                 first, second);
    }

    void wedge(const std::vector<double>& values, bool filled, char first, char second) {
        if (bad_ || values.size() < 3)
            return notDrawn(first, second);
        const QTransform& map = userToPlotter_;
        QList<QPointF> points{pos_};
        points.append(arcPoints(pos_, values[0] * std::abs(map.m11()),
                                values[0] * std::abs(map.m22()), values[1], values[2],
                                values.size() > 3 ? values[3] : 5));
        points.append(pos_);
        addShape(std::move(points), filled, first, second);
    }

    // PM0 opens the polygon buffer at the pen's place, PM1 closes a part of it, PM2 closes it;
    // nothing is drawn until EP edges or FP fills it.
    void polygonMode(const std::vector<double>& values) {
        const double mode = values.empty() ? 0 : values[0];
        if (mode == 0) {
            endStroke();
            polygonMode_ = true;
            polygonBuffer_.assign(1, {pos_});
        } else if (polygonMode_ && mode == 1) {
            polygonBuffer_.push_back({pos_});
        } else if (mode == 2) {
            polygonMode_ = false;
        }
    }

    // EP edges each part of the buffer as its points go, as a plotter that drew the moves at
    // once would: a part is closed only where the pen came back. FP fills them, closed.
    void polygon(bool filled) {
        endStroke();
        for (const QList<QPointF>& part : polygonBuffer_) {
            if (part.size() >= 2)
                list_.strokes.push_back({part, pen_, true, filled});
        }
    }

    // PE: flags and coordinates in base 64 (or base 32 after '7'), relative unless '=' comes
    // first, pen down unless '<' does, up to ';'.
    void encodedPolyline() {
        bool sevenBit = false;
        bool penUpNext = false;
        bool absoluteNext = false;
        int fractionBits = 0;
        const auto encoded = [&]() -> std::optional<double> {
            double value = 0;
            double weight = 1;
            for (int digits = 0; !atEnd(); ++digits) {
                const auto c = quint8(in_[at_]);
                const int base = sevenBit ? 32 : 64;
                const bool more = sevenBit ? (c >= 63 && c <= 94) : (c >= 63 && c <= 126);
                const bool last = sevenBit ? (c >= 95 && c <= 126) : (c >= 191 && c <= 254);
                if (!more && !last)
                    return std::nullopt;
                ++at_;
                value += (c - (more ? 63 : sevenBit ? 95 : 191)) * weight;
                weight *= base;
                if (last) {
                    if (digits > 10)
                        return std::nullopt;
                    const double magnitude = std::floor(value / 2);
                    return (std::fmod(value, 2) == 1 ? -magnitude : magnitude) /
                           std::ldexp(1.0, fractionBits);
                }
            }
            return std::nullopt;
        };
        while (!atEnd() && in_[at_] != ';') {
            const char flag = in_[at_];
            if (flag == ':' || flag == '>') {
                ++at_;
                const std::optional<double> value = encoded();
                if (!value)
                    break;
                if (flag == ':') {
                    endStroke();
                    pen_ = int(std::clamp(*value, -1.0, 1024.0));
                } else {
                    fractionBits = int(std::clamp(*value, 0.0, 26.0));
                }
            } else if (flag == '<' || flag == '=' || flag == '7') {
                ++at_;
                penUpNext |= flag == '<';
                absoluteNext |= flag == '=';
                sevenBit |= flag == '7';
            } else {
                const std::optional<double> x = encoded();
                const std::optional<double> y = x ? encoded() : std::nullopt;
                if (!y)
                    break;
                penUp_ = penUpNext;
                if (penUp_)
                    endStroke();
                moveTo(place(*x, *y, !absoluteNext));
                penUpNext = absoluteNext = false;
            }
        }
        if (!atEnd() && in_[at_] != ';')
            notDrawn('P', 'E'); // the rest up to ';' is not understood
        while (!atEnd() && in_[at_++] != ';') {
        }
    }

    void label() {
        QString text;
        for (const char c : textUpTo(labelEnd_)) {
            if (quint8(c) >= 0x20) // line feeds and other control characters are not drawn
                text.append(QLatin1Char(c));
        }
        const double width = text.size() * charWidth_ * 1.5;
        if (text.isEmpty() || isFar(pos_ + QPointF(width, charHeight_)))
            return;
        endStroke();
        list_.labels.push_back({pos_, text, charHeight_, width, pen_});
        ++list_.approximate[QStringLiteral("LB")];
        pos_ += QPointF(width, 0);
    }

    void skipComment() {
        if (!atEnd() && in_[at_] == '"') {
            ++at_;
            textUpTo('"');
        }
        parameters();
    }

    void finish() {
        std::optional<QRectF> marked;
        std::optional<QRectF> withMoves;
        const auto include = [](std::optional<QRectF>& extent, const QRectF& box) {
            // Like QRectF::united, where a point of no size counts too.
            extent = !extent ? box
                             : QRectF(QPointF(std::min(extent->left(), box.left()),
                                              std::min(extent->top(), box.top())),
                                      QPointF(std::max(extent->right(), box.right()),
                                              std::max(extent->bottom(), box.bottom())));
        };
        for (const Stroke& stroke : list_.strokes) {
            for (const QPointF& point : stroke.points) {
                if (stroke.marks)
                    include(marked, QRectF(point, QSizeF(0, 0)));
                include(withMoves, QRectF(point, QSizeF(0, 0)));
            }
        }
        for (const Label& label : list_.labels) {
            include(marked, QRectF(label.at, QSizeF(label.width, label.height)));
            include(withMoves, QRectF(label.at, QSizeF(label.width, label.height)));
        }
        list_.extent = marked.value_or(QRectF());
        list_.extentWithMoves = withMoves.value_or(QRectF());
    }

    QByteArrayView in_;
    qsizetype at_ = 0;
    bool bad_ = false; // the last parameters held a number too long to be one
    std::vector<double> values_;

    DisplayList list_;
    std::size_t current_ = 0; // the pen-down stroke being drawn, while open_
    bool open_ = false;

    QPointF pos_{0, 0};
    QPointF p1_ = DefaultP1;
    QPointF p2_ = DefaultP2;
    Scaling scaling_;
    QTransform userToPlotter_;
    bool penUp_ = true;
    bool relative_ = false;
    int pen_ = 1;
    bool polygonMode_ = false;
    std::vector<QList<QPointF>> polygonBuffer_;
    char labelEnd_ = EndOfText;
    double charWidth_ = CharWidthCm * UnitsPerCm;
    double charHeight_ = CharHeightCm * UnitsPerCm;
};

} // namespace

qsizetype DisplayList::markCount() const {
    return std::count_if(strokes.begin(), strokes.end(),
                         [](const Stroke& stroke) { return stroke.marks; });
}

DisplayList readHpgl(QByteArrayView bytes) {
    return Reader(bytes).read();
}

} // namespace markast::hpgl
