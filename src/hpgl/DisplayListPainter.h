#pragma once

#include "hpgl/DisplayList.h"

#include <QDeadlineTimer>
#include <QPainterPath>
#include <QTransform>

#include <span>

class QPainter;

namespace markast::hpgl {

// How the marks are drawn: the pen's width in the device's units where the file sets none,
// whether a large drawing may be drawn plain and thin, to be seen sooner, and whether the widths
// the file sets are drawn true to scale, or, where the drawing is fitted to be looked at, no
// thinner than penWidth.
struct PaintStyle {
    double penWidth = 1.5;
    bool quickWhenLarge = true;
    bool trueWidths = false;
};

// Draws a display list into an area, scaled to fit with its aspect kept, or through a map of
// its own, the HP-GL origin at the bottom left and y growing upwards. Pen-down marks are solid
// lines (fills filled, or shaded grey), a mark that does not move a round dot, and pen-up
// moves, where shown, thin dashed ones. A large list is drawn a part at a time, so that a window
// can stay responsive in between, and drawing ends once the marks have cost a few seconds' work.
class DisplayListPainter {
public:
    DisplayListPainter(const DisplayList& list, const QRectF& area, bool showMoves,
                       PaintStyle style = {});
    // toDevice maps plotter units into the device; pen-up moves are not drawn.
    DisplayListPainter(const DisplayList& list, const QTransform& toDevice, PaintStyle style);

    // Draws the next part, until deadline; true once everything is drawn.
    bool paintSome(QPainter& painter, QDeadlineTimer deadline);
    void paintAll(QPainter& painter) { paintSome(painter, QDeadlineTimer::Forever); }
    // True once marks were left out, or cut short, for what they would cost.
    bool leftMarksOut() const { return leftMarksOut_; }

private:
    QPolygonF onSheet(std::span<const QPointF> points) const;
    QPainterPath outlines(const Stroke& stroke, Qt::FillRule rule) const;
    QPolygonF affordable(QPolygonF line, bool filled, double width);
    void paintStroke(QPainter& painter, const Stroke& stroke);
    void paintDot(QPainter& painter, const QPointF& centre, double width) const;
    double widthOf(const Stroke& stroke) const;

    const DisplayList& list_;
    bool showMoves_;
    bool smooth_;
    bool trueWidths_;
    double penWidth_;
    QTransform toArea_;
    double scale_; // device units to the plotter unit
    std::size_t nextStroke_ = 0;
    QRectF clip_;         // the painter's, in plotter units
    QRectF sheet_;        // the device's area
    double costLeft_ = 0; // in pixels of lines; set at the first paint
    bool leftMarksOut_ = false;
};

} // namespace markast::hpgl
