#include "hpgl/DisplayListPainter.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace markast::hpgl {

namespace {

// Every this many items the deadline is looked at.
constexpr std::size_t ItemsBetweenLooks = 256;
constexpr std::size_t SmoothUpTo = 20000;
constexpr qsizetype SmoothPointsUpTo = 200'000;
// The most work all marks together may cost, in pixels of lines drawn: some 100,000 lines
// across a large sheet, a few seconds. A pixel of fill costs an eighth of one of a line, and
// each point a few. Past that the sheet is black wherever the marks go, and a file of large
// fills or long lines drawn over and over would otherwise take minutes.
constexpr double CostAllowed = 1e8;
constexpr double FillPixelCost = 1.0 / 8;
constexpr double PointCost = 4;

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
    return one.marks == other.marks && one.filled == other.filled && one.points == other.points &&
           one.parts == other.parts;
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
    clip_ = QRectF(); // a new painter clips nothing
    if (const QPaintDevice* device = painter.device(); device && sheet_.isEmpty()) {
        sheet_ = QRectF(0, 0, device->width(), device->height());
        costLeft_ = CostAllowed;
    }
    while (nextStroke_ < list_.strokes.size() && costLeft_ > 0) {
        const Stroke& stroke = list_.strokes[nextStroke_++];
        // The same stroke again, a circle drawn over itself, changes nothing on the sheet.
        const bool again = nextStroke_ > 1 && sameLine(stroke, list_.strokes[nextStroke_ - 2]);
        if (!again)
            paintStroke(painter, stroke);
        if (nextStroke_ % ItemsBetweenLooks == 0 && deadline.hasExpired())
            return false;
    }
    leftMarksOut_ |=
        std::any_of(list_.strokes.begin() + qsizetype(nextStroke_), list_.strokes.end(),
                    [](const Stroke& left) { return left.marks; });
    if (!clip_.isNull()) {
        painter.setClipping(false);
        clip_ = QRectF();
    }
    return true;
}

// The stroke's points on the sheet, less those that fall within half a pixel of the one
// before: a dense drawing costs what the sheet can show, not what the file holds.
QPolygonF DisplayListPainter::onSheet(std::span<const QPointF> points) const {
    QPolygonF line;
    for (const QPointF& point : points) {
        const QPointF mapped = toArea_.map(point);
        if (line.isEmpty() || std::abs(mapped.x() - line.back().x()) >= 0.5 ||
            std::abs(mapped.y() - line.back().y()) >= 0.5)
            line.append(mapped);
    }
    return line;
}

// As much of a line as the cost left pays for, which it takes: the pixels its pen covers on the
// sheet, and for a fill the pixels of its box too. A line is cut where the money runs out, a
// fill that costs more is left out whole.
QPolygonF DisplayListPainter::affordable(QPolygonF line, bool filled, double penWidth) {
    const double width = std::max(penWidth, 1.0);
    double cost = width + PointCost;
    if (filled) {
        const QRectF box = line.boundingRect().intersected(sheet_);
        cost += box.width() * box.height() * FillPixelCost;
    }
    for (qsizetype i = 1; i < line.size(); ++i) {
        cost += QLineF(line[i - 1], line[i]).length() * width + PointCost;
        if (cost > costLeft_ && !filled) {
            line.resize(i + 1);
            break;
        }
    }
    if (cost > costLeft_ && filled)
        line.clear();
    leftMarksOut_ |= cost > costLeft_;
    costLeft_ -= cost;
    return line;
}

void DisplayListPainter::paintStroke(QPainter& painter, const Stroke& stroke) {
    if (!stroke.marks && !showMoves_)
        return;
    const double width = stroke.marks ? widthOf(stroke) : 0;
    const QPolygonF line =
        affordable(onSheet(std::span(stroke.points)), stroke.filled && stroke.marks, width);
    if (line.isEmpty())
        return;
    if (stroke.clip != clip_) {
        clip_ = stroke.clip;
        if (clip_.isNull())
            painter.setClipping(false);
        else
            painter.setClipRect(toArea_.mapRect(clip_));
    }
    if (!stroke.marks) {
        painter.setPen(QPen(QColor(70, 110, 200), 0, Qt::DashLine));
        painter.drawPolyline(line);
        return;
    }
    if (line.size() == 1)
        return paintDot(painter, line.front(), width);
    painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (stroke.filled) {
        // Shading (FT 10) as a grey of its share of ink.
        painter.setBrush(
            QColor::fromRgbF(0, 0, 0, float(std::clamp(stroke.shade, 0.0, 100.0) / 100)));
        const Qt::FillRule rule = stroke.nonZero ? Qt::WindingFill : Qt::OddEvenFill;
        if (stroke.parts.isEmpty())
            painter.drawPolygon(line, rule);
        else
            painter.drawPath(outlines(stroke, rule));
        painter.setBrush(Qt::NoBrush);
    } else {
        painter.drawPolyline(line);
    }
}

// The outlines of a fill of several, each closed on its own.
QPainterPath DisplayListPainter::outlines(const Stroke& stroke, Qt::FillRule rule) const {
    QPainterPath path;
    path.setFillRule(rule);
    qsizetype start = 0;
    for (const qsizetype size : stroke.parts) {
        path.addPolygon(onSheet(std::span(stroke.points).subspan(start, size)));
        path.closeSubpath();
        start += size;
    }
    return path;
}

// A mark whose points all fall on one spot, a dot the pen made without moving, is a round dot
// of the pen's width; a thin pen makes one of a pixel.
void DisplayListPainter::paintDot(QPainter& painter, const QPointF& centre, double width) const {
    if (width <= 1) {
        painter.setPen(QPen(Qt::black, 0));
        painter.drawPoint(centre);
        return;
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(centre, width / 2, width / 2);
    painter.setBrush(Qt::NoBrush);
}

} // namespace markast::hpgl
