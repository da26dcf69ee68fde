#pragma once

#include "hpgl/DisplayList.h"
#include "hpgl/HpglGeometry.h"

#include <limits>

namespace markast::hpgl {

// Every point of a drawing comes through here, which measures it and keeps it in the display
// list while the kept points stay within their limit: a new stroke, and more points for the
// open one. Past the limit strokes are still measured and counted, not kept.
class PointBudget {
public:
    explicit PointBudget(DisplayList& list) : list_(list) {}

    // Keeps a stroke; false when it is only measured.
    bool keep(Stroke stroke);
    // Keeps a stroke that extend() grows from now on.
    void open(Stroke stroke);
    void extend(const QList<QPointF>& points);
    void measure(const QList<QPointF>& points, bool marks);
    // A box the pen marks, measured without points.
    void include(const QRectF& box);
    // Work that adds no point, such as a label's characters, counted as points measured.
    void charge(qsizetype points) { measured_ += points; }

    // True once more points were measured than a reading may take.
    bool spent() const { return measured_ > DisplayList::MeasuredPointLimit; }
    // Writes the kept points and the extents into the list.
    void finish();

private:
    static constexpr std::size_t NotKept = std::numeric_limits<std::size_t>::max();

    DisplayList& list_;
    std::size_t current_ = NotKept; // the stroke extend() grows
    qsizetype kept_ = 0;
    qsizetype measured_ = 0;
    Extent marked_;
    Extent withMoves_;
};

} // namespace markast::hpgl
