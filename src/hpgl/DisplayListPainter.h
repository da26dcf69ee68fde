#pragma once

#include "hpgl/DisplayList.h"

#include <QDeadlineTimer>
#include <QTransform>

class QPainter;

namespace markast::hpgl {

// How the marks are drawn: the pen's width in the device's units, and whether a large drawing
// may be drawn plain and thin, to be seen sooner.
struct PaintStyle {
    double penWidth = 1.5;
    bool quickWhenLarge = true;
};

// Draws a display list into an area, scaled to fit with its aspect kept, or through a map of
// its own, the HP-GL origin at the bottom left and y growing upwards. Pen-down marks are solid
// lines (fills filled), a mark that does not move a round dot, and pen-up moves, where shown,
// thin dashed ones. A large list is drawn a part at a time, so that a window can stay
// responsive in between, and drawing ends once the marks have cost a few seconds' work.
class DisplayListPainter {
public:
    DisplayListPainter(const DisplayList& list, const QRectF& area, bool showMoves,
                       PaintStyle style = {});
    // toDevice maps plotter units into the device; pen-up moves are not drawn.
    DisplayListPainter(const DisplayList& list, const QTransform& toDevice, PaintStyle style);

    // Draws the next part, until deadline; true once everything is drawn.
    bool paintSome(QPainter& painter, QDeadlineTimer deadline);
    void paintAll(QPainter& painter) { paintSome(painter, QDeadlineTimer::Forever); }

private:
    QPolygonF onSheet(const Stroke& stroke) const;
    QPolygonF affordable(QPolygonF line, bool filled);
    void paintStroke(QPainter& painter, const Stroke& stroke);
    void paintDot(QPainter& painter, const QPointF& centre) const;
    void paintLabel(QPainter& painter, const Label& label);

    const DisplayList& list_;
    bool showMoves_;
    bool smooth_;
    double penWidth_;
    QTransform toArea_;
    std::size_t nextStroke_ = 0;
    std::size_t nextLabel_ = 0;
    QRectF clip_;         // the painter's, in plotter units
    QRectF sheet_;        // the device's area
    double costLeft_ = 0; // in pixels of lines; set at the first paint
};

} // namespace markast::hpgl
