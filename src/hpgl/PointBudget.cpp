#include "hpgl/PointBudget.h"

#include <algorithm>
#include <utility>

namespace markast::hpgl {

namespace {
// What keeping a stroke costs besides its points, in points: its own memory.
constexpr qsizetype PointsPerStroke = 4;
} // namespace

bool PointBudget::keep(Stroke stroke) {
    // A mark wholly outside the window draws nothing, and is not counted.
    if (!measure(stroke.points, stroke.marks, false) && stroke.marks)
        return false;
    measured_ += PointsPerStroke;
    stroke.clip = stroke.marks ? clip_ : QRectF();
    const qsizetype cost = stroke.points.size() + PointsPerStroke;
    if (kept_ + cost > DisplayList::KeptPointLimit)
        list_.completeness = DisplayList::Completeness::DrawnInPart;
    if (list_.completeness != DisplayList::Completeness::Whole) {
        list_.marksLeftOut += stroke.marks;
        return false;
    }
    kept_ += cost;
    list_.strokes.push_back(std::move(stroke));
    return true;
}

// A stroke opened outside the window may go into it, so it is kept wherever it starts.
void PointBudget::open(Stroke stroke) {
    const QRectF clip = std::exchange(clip_, QRectF());
    current_ = keep(std::move(stroke)) ? list_.strokes.size() - 1 : NotKept;
    clip_ = clip;
    if (current_ != NotKept)
        list_.strokes[current_].clip = clip_;
}

void PointBudget::extend(const QList<QPointF>& points) {
    measure(points, true, true);
    if (current_ == NotKept)
        return;
    if (kept_ + points.size() > DisplayList::KeptPointLimit) {
        list_.completeness = DisplayList::Completeness::DrawnInPart;
        current_ = NotKept;
        return;
    }
    kept_ += points.size();
    list_.strokes[current_].points.append(points);
}

// Within a clip, what the pen marks is the part of the points' box (and of the line from the
// last point) inside it; false when none of it is.
bool PointBudget::measure(const QList<QPointF>& points, bool marks, bool continuing) {
    measured_ += points.size();
    withMoves_.include(points);
    bool inside = true;
    if (marks && clip_.isNull()) {
        marked_.include(points);
    } else if (marks && !points.isEmpty()) {
        Extent box;
        box.include(points);
        if (continuing && last_)
            box.include(*last_);
        const QRectF all = box.box();
        const QPointF from(std::max(all.left(), clip_.left()), std::max(all.top(), clip_.top()));
        const QPointF to(std::min(all.right(), clip_.right()),
                         std::min(all.bottom(), clip_.bottom()));
        inside = from.x() <= to.x() && from.y() <= to.y();
        if (inside)
            marked_.include(QRectF(from, to));
    }
    if (!points.isEmpty())
        last_ = points.back();
    return inside;
}

void PointBudget::include(const QRectF& box) {
    marked_.include(box);
    withMoves_.include(box);
}

void PointBudget::finish() {
    list_.keptPoints = kept_;
    list_.extent = marked_.box();
    list_.extentWithMoves = withMoves_.box();
}

} // namespace markast::hpgl
