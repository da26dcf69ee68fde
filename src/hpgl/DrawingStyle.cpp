#include "hpgl/DrawingStyle.h"

#include <algorithm>
#include <cmath>

namespace markast::hpgl {

namespace {

// The default character size (SI), in centimetres, and plotter units to the centimetre and
// the millimetre.
constexpr double CharWidthCm = 0.187;
constexpr double CharHeightCm = 0.269;
constexpr double UnitsPerCm = 400;
constexpr double UnitsPerMm = 40;
// SR's default, in percent of P2 - P1.
constexpr double RelativeWidth = 0.75;
constexpr double RelativeHeight = 1.5;
constexpr double DefaultPenMm = 0.35;
constexpr double DefaultThicknessMm = 0.3;
// No pen is wider than 10 cm: a wider one would only cost painting time.
constexpr double WidestPen = 4000;
// The default hatching spacing, in percent of P1 to P2.
constexpr double HatchingPercent = 1;

bool allFinite(const std::vector<double>& values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

double diagonal(const QPointF& p1, const QPointF& p2) {
    return std::hypot(p2.x() - p1.x(), p2.y() - p1.y());
}

} // namespace

DrawingStyle::DrawingStyle() : size_(QSizeF(CharWidthCm, CharHeightCm) * UnitsPerCm) {}

void DrawingStyle::reset() {
    *this = DrawingStyle();
}

void DrawingStyle::characterSize(const std::vector<double>& values, bool relative) {
    const bool given = values.size() >= 2 && allFinite(values);
    relativeSize_ = relative;
    if (relative)
        size_ = given ? QSizeF(values[0], values[1]) : QSizeF(RelativeWidth, RelativeHeight);
    else
        size_ =
            (given ? QSizeF(values[0], values[1]) : QSizeF(CharWidthCm, CharHeightCm)) * UnitsPerCm;
}

void DrawingStyle::direction(const std::vector<double>& values, bool relative) {
    if (values.size() >= 2 && (!allFinite(values) || (values[0] == 0 && values[1] == 0)))
        return; // no direction at all
    relativeDirection_ = relative;
    direction_ = values.size() >= 2 ? QPointF(values[0], values[1]) : QPointF(1, 0);
}

void DrawingStyle::slant(const std::vector<double>& values) {
    label_.slant = values.empty() || !allFinite(values) ? 0 : values[0];
}

void DrawingStyle::extraSpace(const std::vector<double>& values) {
    if (!allFinite(values))
        return;
    label_.extraSpace = values.empty() ? 0 : values[0];
    label_.extraLine = values.size() > 1 ? values[1] : 0;
}

void DrawingStyle::labelOrigin(const std::vector<double>& values) {
    const double origin = values.empty() ? 1 : values[0];
    if ((origin >= 1 && origin <= 9) || (origin >= 11 && origin <= 19))
        label_.origin = int(origin);
}

// DV path, line: a path or a line outside 0 to 3 and 0 to 1 leaves both as they are.
void DrawingStyle::textPath(const std::vector<double>& values) {
    const double path = values.empty() ? 0 : values[0];
    const double line = values.size() > 1 ? values[1] : 0;
    if ((path == 0 || path == 1 || path == 2 || path == 3) && (line == 0 || line == 1)) {
        label_.path = int(path);
        label_.reverseLineFeed = line == 1;
    }
}

void DrawingStyle::characterSet(const std::vector<double>& values, bool alternate) {
    const int set =
        values.empty() || !allFinite(values) ? 0 : int(std::clamp(values[0], -1.0, 1e6));
    (alternate ? label_.alternateSet : label_.standardSet) = set;
}

void DrawingStyle::tickLength(const std::vector<double>& values) {
    if (!allFinite(values))
        return;
    tickUp_ = values.empty() ? 0.5 : std::clamp(values[0], -100.0, 100.0);
    tickDown_ = values.empty() ? 0.5 : values.size() > 1 ? std::clamp(values[1], -100.0, 100.0) : 0;
}

// LT; draws solid lines, LT99 takes up the pattern before them again.
void DrawingStyle::lineType(const std::vector<double>& values) {
    if (!allFinite(values))
        return;
    if (values.empty()) {
        if (lineType_ != Solid)
            previousLineType_ = lineType_;
        lineType_ = Solid;
        return;
    }
    const double type = values[0];
    if (type == 99) {
        lineType_ = previousLineType_;
        return;
    }
    if (std::abs(type) > 8)
        return;
    lineType_ = int(type);
    if (values.size() > 1 && values[1] > 0 && values[1] < 1e6) {
        patternLength_ = values[1];
        patternInMm_ = values.size() > 2 && values[2] == 1;
    }
}

// UL index, gaps...: a pattern of its own for line type index; UL index or UL alone restores the
// defaults.
void DrawingStyle::userLineType(const std::vector<double>& values) {
    if (!allFinite(values))
        return;
    if (values.empty()) {
        patterns_ = {};
        return;
    }
    const double index = std::abs(values[0]);
    if (index < 1 || index > 8)
        return;
    const LinePattern gaps(values.begin() + 1, values.end());
    if (std::any_of(gaps.begin(), gaps.end(), [](double gap) { return gap < 0; }))
        return;
    patterns_[std::size_t(index) - 1] = gaps;
}

void DrawingStyle::fillType(const std::vector<double>& values, const QTransform& toPlotter) {
    if (!allFinite(values))
        return;
    const int type = values.empty() ? 1 : int(std::clamp(values[0], -1.0, 100.0));
    fillType_ = type;
    if ((type == 3 || type == 4) && values.size() > 1)
        spacing_[type] = std::abs(values[1] * toPlotter.m11());
    if ((type == 3 || type == 4) && values.size() > 2)
        angle_ = values[2];
    if (type == 10)
        shade_ = values.size() > 1 ? std::clamp(values[1], 0.0, 100.0) : 100;
    if (type == 11)
        raster_ = values.size() > 1 ? int(std::clamp(values[1], 1.0, 8.0)) : 1;
}

// RF alone makes every pattern solid again, as does RF with an index alone; pixels left out are
// white.
void DrawingStyle::rasterFill(const std::vector<double>& values) {
    if (!allFinite(values))
        return;
    if (values.empty()) {
        rasterInk_.fill(100);
        return;
    }
    if (values[0] < 1 || values[0] > 8)
        return;
    double ink = 100;
    if (values.size() >= 3) {
        const auto width = qsizetype(std::clamp(values[1], 1.0, 255.0));
        const auto height = qsizetype(std::clamp(values[2], 1.0, 255.0));
        const auto pixels = std::min(qsizetype(values.size()) - 3, width * height);
        const auto inked = std::count_if(values.begin() + 3, values.begin() + 3 + pixels,
                                         [](double pen) { return pen > 0; });
        ink = 100.0 * double(inked) / double(width * height);
    }
    rasterInk_[std::size_t(values[0]) - 1] = ink;
}

void DrawingStyle::penWidth(const std::vector<double>& values) {
    if (!allFinite(values) || (!values.empty() && values[0] < 0))
        return;
    const Width width{values.empty() ? (relativeWidths_ ? 0.1 : DefaultPenMm)
                                     : std::min(values[0], 1e6),
                      relativeWidths_};
    if (values.size() > 1) {
        widths_[int(std::clamp(values[1], -1.0, 1024.0))] = width;
        return;
    }
    allPens_ = width;
    widths_.clear();
}

// WU0 gives widths in millimetres, WU1 in percent of P1 to P2; either sets them to the default.
void DrawingStyle::widthUnits(const std::vector<double>& values) {
    relativeWidths_ = !values.empty() && values[0] == 1;
    allPens_.reset();
    widths_.clear();
}

void DrawingStyle::penThickness(const std::vector<double>& values, int pen) {
    if (!allFinite(values))
        return;
    widths_[pen] = {values.empty() ? DefaultThicknessMm : std::clamp(values[0], 0.1, 5.0), false};
}

LabelStyle& DrawingStyle::label(const QPointF& p1, const QPointF& p2) {
    const QPointF span = p2 - p1;
    label_.size =
        relativeSize_ ? QSizeF(size_.width() * span.x(), size_.height() * span.y()) / 100 : size_;
    label_.direction = relativeDirection_
                           ? QPointF(direction_.x() * span.x(), direction_.y() * span.y())
                           : direction_;
    return label_;
}

std::optional<Dasher> DrawingStyle::dasher(const QPointF& p1, const QPointF& p2) const {
    if (lineType_ == Solid || lineType_ == 0)
        return std::nullopt;
    const auto index = std::size_t(std::abs(lineType_)) - 1;
    const LinePattern& pattern =
        patterns_[index].empty() ? defaultLinePattern(std::abs(lineType_)) : patterns_[index];
    const double length =
        patternInMm_ ? patternLength_ * UnitsPerMm : patternLength_ / 100 * diagonal(p1, p2);
    return Dasher(pattern, length, lineType_ < 0);
}

Fill DrawingStyle::fill(const QPointF& p1, const QPointF& p2) const {
    Fill fill;
    fill.anchor = anchor_;
    switch (fillType_) {
    case 1:
    case 2:
        break;
    case 3:
    case 4: {
        fill.kind = fillType_ == 3 ? Fill::Kind::Hatching : Fill::Kind::CrossHatching;
        const auto spacing = spacing_.find(fillType_);
        fill.spacing = spacing != spacing_.end() && spacing->second > 0
                           ? spacing->second
                           : HatchingPercent / 100 * diagonal(p1, p2);
        fill.angle = angle_;
        break;
    }
    case 10:
        fill.kind = Fill::Kind::Shading;
        fill.shade = shade_;
        break;
    case 11: // the pattern's dots are the device's own size: shaded as much as it inks
        fill.kind = Fill::Kind::Shading;
        fill.shade = rasterInk_[std::size_t(raster_) - 1];
        fill.approximate = true;
        break;
    default:
        fill.approximate = true; // user patterns and the fill types of other devices
        break;
    }
    return fill;
}

double DrawingStyle::width(int pen, const QPointF& p1, const QPointF& p2) const {
    const auto own = widths_.find(pen);
    const std::optional<Width> width = own != widths_.end() ? own->second : allPens_;
    if (!width)
        return 0;
    const double units =
        width->relative ? width->value / 100 * diagonal(p1, p2) : width->value * UnitsPerMm;
    return std::min(units, WidestPen);
}

} // namespace markast::hpgl
