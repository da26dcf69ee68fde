#include "hpgl/Lettering.h"

#include "hpgl/CharacterSets.h"
#include "hpgl/StrokeFont.h"

#include <cmath>

namespace markast::hpgl {

namespace {

constexpr char CarriageReturn = '\r';
constexpr char LineFeed = '\n';
constexpr char Backspace = '\b';
constexpr char ShiftOut = '\x0e';
constexpr char ShiftIn = '\x0f';

// The character cells a part of a label takes: the characters less the backspaces.
int cellsOf(QByteArrayView part) {
    int cells = 0;
    for (const char c : part) {
        const auto byte = quint8(c);
        if (c == Backspace)
            --cells;
        else if ((byte >= 0x20 && byte < 0x7f) || byte >= 0xa0)
            ++cells;
    }
    return std::max(cells, 0);
}

} // namespace

double characterStep(const LabelStyle& style) {
    return 1.5 * style.size.width() * (1 + style.extraSpace);
}

double lineStep(const LabelStyle& style) {
    return 2 * style.size.height() * (1 + style.extraLine);
}

bool labelsConcatenate(const LabelStyle& style) {
    const int origin = style.origin % 10;
    const int column = (origin - 1) / 3; // left, centre, right
    const int row = (origin - 1) % 3;    // bottom, centre, top
    switch (style.path) {
    case 1:
        return row == 2;
    case 2:
        return column == 2;
    case 3:
        return row == 0;
    default:
        return column == 0;
    }
}

LabelWriter::LabelWriter(LabelStyle& style, const QPointF& pen, const QPointF& returnPoint)
    : style_(style), pen_(pen), return_(returnPoint) {}

QPointF LabelWriter::along() const {
    const double length = std::hypot(style_.direction.x(), style_.direction.y());
    return length > 0 && std::isfinite(length) ? style_.direction / length : QPointF(1, 0);
}

QPointF LabelWriter::up() const {
    const QPointF a = along();
    return {-a.y(), a.x()};
}

// DV's paths turn the step by -90 degrees each; a line feed goes -90 degrees from the path, or
// +90 with the reverse line feed.
QPointF LabelWriter::pathStep() const {
    switch (style_.path) {
    case 1:
        return {0, -1};
    case 2:
        return {-1, 0};
    case 3:
        return {0, 1};
    default:
        return {1, 0};
    }
}

QPointF LabelWriter::lineFeedStep() const {
    const QPointF step = pathStep();
    return style_.reverseLineFeed ? QPointF(-step.y(), step.x()) : QPointF(step.y(), -step.x());
}

// Origins 1 to 9 put the pen at the bottom, middle or top of the left end, the middle or the
// right end of the box the text fills, whichever way its path runs; 11 to 19 the same, half a
// character's width and height away.
QPointF LabelWriter::originOffset(QByteArrayView part) const {
    const int origin = style_.origin % 10;
    const int column = (origin - 1) / 3; // left, centre, right
    const int row = (origin - 1) % 3;    // bottom, centre, top
    const double width = style_.size.width();
    const double height = style_.size.height();
    const int cells = cellsOf(part);
    // From the first character's place to the last's.
    const QPointF run = pathStep() * std::max(cells - 1, 0);
    const double runAlong = run.x() * characterStep(style_);
    const double runUp = run.y() * lineStep(style_);
    const double left = std::min(0.0, runAlong);
    const double right = std::max(0.0, runAlong) + (cells > 0 ? width : 0);
    const double bottom = std::min(0.0, runUp);
    const double top = std::max(0.0, runUp) + height;
    double across = -(left + column * (right - left) / 2);
    double upwards = -(bottom + row * (top - bottom) / 2);
    if (style_.origin > 10) {
        across += column == 0 ? width / 2 : column == 2 ? -width / 2 : 0;
        upwards += row == 0 ? height / 2 : row == 2 ? -height / 2 : 0;
    }
    return along() * across + up() * upwards;
}

bool LabelWriter::write(QByteArrayView text, const Draw& draw) {
    qsizetype at = 0;
    while (at < text.size()) {
        if (text[at] == CarriageReturn || text[at] == LineFeed) {
            if (text[at++] == CarriageReturn)
                carriageReturn();
            else
                move(lineFeedStep().x(), lineFeedStep().y());
            continue;
        }
        qsizetype end = at;
        while (end < text.size() && text[end] != CarriageReturn && text[end] != LineFeed)
            ++end;
        const QByteArrayView part = text.sliced(at, end - at);
        at = end;
        pen_ += originOffset(part);
        for (const char byte : part) {
            if (byte == Backspace) {
                move(-pathStep().x(), -pathStep().y());
            } else if (byte == ShiftOut || byte == ShiftIn) {
                style_.alternate = byte == ShiftOut;
            } else if (const char32_t character =
                           characterOf(quint8(byte),
                                       style_.alternate ? style_.alternateSet : style_.standardSet);
                       character != 0 && !letter(character, draw)) {
                return false;
            }
        }
    }
    return true;
}

void LabelWriter::move(double characters, double lines) {
    if (std::isfinite(characters) && std::isfinite(lines))
        pen_ += along() * characters * characterStep(style_) + up() * lines * lineStep(style_);
}

void LabelWriter::newLine() {
    carriageReturn();
    move(lineFeedStep().x(), lineFeedStep().y());
}

bool LabelWriter::symbol(char byte, const Draw& draw) {
    const QPointF at = pen_;
    pen_ -= along() * (style_.size.width() / 2) + up() * (style_.size.height() / 2);
    const char32_t character =
        characterOf(quint8(byte), style_.alternate ? style_.alternateSet : style_.standardSet);
    const bool more = character == 0 || letter(character, draw);
    pen_ = at;
    return more;
}

// Back along the path to the return point's place, on the same line.
void LabelWriter::carriageReturn() {
    const QPointF path = along() * pathStep().x() + up() * pathStep().y();
    pen_ -= path * QPointF::dotProduct(pen_ - return_, path);
}

bool LabelWriter::letter(char32_t character, const Draw& draw) {
    ++characters_;
    const int set = style_.alternate ? style_.alternateSet : style_.standardSet;
    approximate_ |= !knownCharacterSet(set);
    const GlyphLines* glyph = strokefont::glyph(character);
    approximate_ |= glyph == nullptr;
    // Font units to the character's cell: a capital fills width by height, leaning by slant.
    const double sx = style_.size.width() / strokefont::CapWidth;
    const double sy = style_.size.height() / strokefont::CapHeight;
    const QPointF a = along();
    const QPointF u = up();
    bool more = true;
    for (const QList<QPointF>& line : glyph ? *glyph : GlyphLines()) {
        QList<QPointF> placed;
        placed.reserve(line.size());
        for (const QPointF& point : line) {
            const double height = point.y() * sy;
            const double across = style_.size.width() / 2 + point.x() * sx + style_.slant * height;
            placed.append(pen_ + a * across + u * height);
        }
        if (!draw(std::move(placed))) {
            more = false;
            break;
        }
    }
    move(pathStep().x(), pathStep().y());
    return more;
}

} // namespace markast::hpgl
