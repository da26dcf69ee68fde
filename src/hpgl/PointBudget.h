#pragma once

#include "hpgl/DisplayList.h"
#include "hpgl/HpglGeometry.h"

#include <limits>
#include <optional>

namespace markast::hpgl {

// Every point of a drawing comes through here, which measures it and keeps it in the display
// list while the kept points stay within their limit: a new stroke, and more points for the
// open one. Past the limit strokes are still measured and counted, not kept. Work that makes no
// points of its own (a polygon being built, the characters of a label) is counted here too, so
// that no file can make a reading take longer than its measured points allow.
class PointBudget {
public:
    explicit PointBudget(DisplayList& list) : list_(list) {}

    // Keeps a stroke; false when it is only measured.
    bool keep(Stroke stroke);
    // Keeps a stroke that extend() grows from now on.
    void open(Stroke stroke);
    void extend(const QList<QPointF>& points);
    // Counts points of work that are not drawn (yet).
    void count(qsizetype points) { measured_ += points; }
    // A box the pen marks, measured without points.
    void include(const QRectF& box);
    // Marks from now on are drawn only within clip, in plotter units; null for no clip.
    void setClip(const QRectF& clip) { clip_ = clip; }

    // True once more points were measured than a reading may take.
    bool spent() const { return measured_ > DisplayList::MeasuredPointLimit; }
    // Writes the kept points and the extents into the list.
    void finish();

private:
    bool measure(const QList<QPointF>& points, bool marks, bool continuing);

    static constexpr std::size_t NotKept = std::numeric_limits<std::size_t>::max();

    DisplayList& list_;
    std::size_t current_ = NotKept; // the stroke extend() grows
    qsizetype kept_ = 0;
    qsizetype measured_ = 0;
    Extent marked_;
    Extent withMoves_;
    QRectF clip_;
    std::optional<QPointF> last_; // the last point measured, where a stroke goes on from it
};

} // namespace markast::hpgl
