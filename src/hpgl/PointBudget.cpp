#include "hpgl/PointBudget.h"

namespace markast::hpgl {

bool PointBudget::keep(Stroke stroke) {
    measure(stroke.points, stroke.marks);
    if (kept_ + stroke.points.size() > DisplayList::KeptPointLimit ||
        qsizetype(list_.strokes.size()) >= DisplayList::KeptStrokeLimit)
        list_.completeness = DisplayList::Completeness::DrawnInPart;
    if (list_.completeness != DisplayList::Completeness::Whole) {
        list_.marksLeftOut += stroke.marks;
        return false;
    }
    kept_ += stroke.points.size();
    list_.strokes.push_back(std::move(stroke));
    return true;
}

void PointBudget::open(Stroke stroke) {
    current_ = keep(std::move(stroke)) ? list_.strokes.size() - 1 : NotKept;
}

void PointBudget::extend(const QList<QPointF>& points) {
    measure(points, true);
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

void PointBudget::measure(const QList<QPointF>& points, bool marks) {
    measured_ += points.size();
    if (marks)
        marked_.include(points);
    withMoves_.include(points);
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
