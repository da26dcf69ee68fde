#include "hpgl/DisplayListPainter.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace markast::hpgl {

namespace {

// Every this many items the deadline is looked at.
constexpr std::size_t ItemsBetweenLooks = 256;
constexpr std::size_t SmoothUpTo = 20000;
constexpr qsizetype SmoothPointsUpTo = 200'000;

QTransform fitting(const QRectF& extent, const QRectF& area) {
    // A logo of one point or one line still gets a scale.
    const double width = std::max(extent.width(), 1.0);
    const double height = std::max(extent.height(), 1.0);
    const double scale = std::min(area.width() / width, area.height() / height);
    // Centred, with y turned so that it grows upwards.
    const QPointF middle = extent.center();
    QTransform map;
    map.translate(area.center().x(), area.center().y());
    map.scale(scale, -scale);
    map.translate(-middle.x(), -middle.y());
    return map;
}

bool sameLine(const Stroke& one, const Stroke& other) {
    return one.marks == other.marks && one.filled == other.filled && one.points == other.points;
}

} // namespace

DisplayListPainter::DisplayListPainter(const DisplayList& list, const QRectF& area, bool showMoves,
                                       PaintStyle style)
    : DisplayListPainter(list, fitting(showMoves ? list.extentWithMoves : list.extent, area),
                         style) {
    showMoves_ = showMoves;
}

// Smooth, wide lines cost many times thin plain ones; a large logo may be drawn plain and thin.
DisplayListPainter::DisplayListPainter(const DisplayList& list, const QTransform& toDevice,
                                       PaintStyle style)
    : list_(list), showMoves_(false),
      smooth_(!style.quickWhenLarge ||
              (list.strokes.size() < SmoothUpTo && list.keptPoints < SmoothPointsUpTo)),
      trueWidths_(style.trueWidths), penWidth_(smooth_ ? style.penWidth : 0), toArea_(toDevice),
      scale_(std::sqrt(std::abs(toDevice.determinant()))) {}

// The width the file gave the pen, at the device's scale; where the drawing is fitted to be
// looked at, no thinner than the legible width.
double DisplayListPainter::widthOf(const Stroke& stroke) const {
    if (stroke.width <= 0 || penWidth_ == 0)
        return penWidth_;
    return trueWidths_ ? stroke.width * scale_ : std::max(penWidth_, stroke.width * scale_);
}

bool DisplayListPainter::paintSome(QPainter& painter, QDeadlineTimer deadline) {
    painter.setRenderHint(QPainter::Antialiasing, smooth_);
    while (nextStroke_ < list_.strokes.size()) {
        const Stroke& stroke = list_.strokes[nextStroke_++];
        // The same stroke again, a circle drawn over itself, changes nothing on the sheet.
        const bool again = nextStroke_ > 1 && sameLine(stroke, list_.strokes[nextStroke_ - 2]);
        if (!again)
            paintStroke(painter, stroke);
        if (nextStroke_ % ItemsBetweenLooks == 0 && deadline.hasExpired())
            return false;
    }
    return true;
}

// The stroke's points on the sheet, less those that fall within half a pixel of the one
// before: a dense drawing costs what the sheet can show, not what the file holds.
QPolygonF DisplayListPainter::onSheet(const Stroke& stroke) const {
    QPolygonF line;
    for (const QPointF& point : stroke.points) {
        const QPointF mapped = toArea_.map(point);
        if (line.isEmpty() || std::abs(mapped.x() - line.back().x()) >= 0.5 ||
            std::abs(mapped.y() - line.back().y()) >= 0.5)
            line.append(mapped);
    }
    if (stroke.points.size() > 1 && line.size() == 1)
        line.append(toArea_.map(stroke.points.back())); // a line shorter than a pixel stays one
    return line;
}

void DisplayListPainter::paintStroke(QPainter& painter, const Stroke& stroke) const {
    if (!stroke.marks && !showMoves_)
        return;
    const QPolygonF line = onSheet(stroke);
    if (!stroke.marks) {
        painter.setPen(QPen(QColor(70, 110, 200), 0, Qt::DashLine));
        painter.drawPolyline(line);
        return;
    }
    painter.setPen(QPen(Qt::black, widthOf(stroke), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (stroke.filled) {
        // Shading (FT 10) as a grey of its share of ink.
        painter.setBrush(
            QColor::fromRgbF(0, 0, 0, float(std::clamp(stroke.shade, 0.0, 100.0) / 100)));
        painter.drawPolygon(line);
        painter.setBrush(Qt::NoBrush);
    } else if (line.size() == 1) {
        painter.drawPoint(line.front()); // a dot the pen made without moving
    } else {
        painter.drawPolyline(line);
    }
}

} // namespace markast::hpgl
