#include "hpgl/LineTypes.h"

#include <QLineF>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace markast::hpgl {

namespace {

// A hatched area costs its lines times its edges: beyond this much, hatching stops.
constexpr qsizetype HatchWork = 20'000'000;

double lengthOf(const QList<QPointF>& line) {
    double length = 0;
    for (qsizetype i = 1; i < line.size(); ++i)
        length += QLineF(line[i - 1], line[i]).length();
    return length;
}

} // namespace

LinePattern defaultLinePattern(int type) {
    switch (type) {
    case 1:
        return {0, 100};
    case 2:
        return {50, 50};
    case 3:
        return {70, 30};
    case 4:
        return {80, 10, 0, 10};
    case 5:
        return {70, 10, 10, 10};
    case 6:
        return {50, 10, 10, 10, 10, 10};
    case 7:
        return {70, 10, 0, 10, 0, 10};
    case 8:
        return {50, 10, 0, 10, 10, 10, 0, 10};
    default:
        return {100};
    }
}

Dasher::Dasher(const LinePattern& pattern, double patternLength, bool adaptive)
    : adaptive_(adaptive) {
    const double total = std::accumulate(pattern.begin(), pattern.end(), 0.0);
    for (const double part : pattern)
        lengths_.push_back(total > 0 ? std::max(part, 0.0) / total * patternLength : 0);
    if (!(total > 0) || !(patternLength > 0) || !std::isfinite(total * patternLength))
        lengths_ = {1}; // no pattern to speak of: a solid line
    restart();
}

void Dasher::restart() {
    element_ = 0;
    left_ = lengths_[0];
}

bool Dasher::dash(const QList<QPointF>& line, std::vector<QList<QPointF>>& dashes,
                  qsizetype limit) {
    if (line.size() < 2)
        return true;
    // An adaptive pattern starts afresh on each line, stretched to end with a whole pattern.
    double stretch = 1;
    if (adaptive_) {
        const double pattern = std::accumulate(lengths_.begin(), lengths_.end(), 0.0);
        const double length = lengthOf(line);
        stretch = length / (pattern * std::max(1.0, std::round(length / pattern)));
        restart();
        left_ *= stretch;
    }
    const qsizetype before = qsizetype(dashes.size());
    QList<QPointF> open; // the dash being drawn
    const auto finish = [&] {
        if (!open.isEmpty())
            dashes.push_back(std::move(open));
        open = {};
        return qsizetype(dashes.size()) - before < limit;
    };
    for (qsizetype i = 1; i < line.size(); ++i) {
        const QPointF from = line[i - 1];
        const QPointF to = line[i];
        const double length = QLineF(from, to).length();
        double at = 0;
        for (;;) {
            const bool down = element_ % 2 == 0;
            const double step = std::min(left_, length - at);
            if (down && (open.isEmpty() || step > 0)) {
                const QPointF start = from + (to - from) * (length > 0 ? at / length : 0);
                const QPointF end = from + (to - from) * (length > 0 ? (at + step) / length : 0);
                if (open.isEmpty())
                    open.append(start);
                if (step > 0)
                    open.append(end);
            }
            at += step;
            left_ -= step;
            if (left_ > 0)
                break; // the line's end comes first
            if (down && !finish())
                return false;
            element_ = (element_ + 1) % lengths_.size();
            left_ = lengths_[element_] * stretch;
            if (at >= length && !(element_ % 2 == 0 && left_ == 0))
                break;
        }
    }
    if (!open.isEmpty())
        dashes.push_back(std::move(open)); // to go on in the next line
    return true;
}

bool hatch(const std::vector<QList<QPointF>>& outlines, double spacing, double angle, bool cross,
           bool nonZero, const QPointF& anchor, std::vector<QList<QPointF>>& lines,
           qsizetype limit) {
    if (!(spacing > 0) || !std::isfinite(spacing) || !std::isfinite(angle))
        return true;
    qsizetype edges = 0;
    for (const QList<QPointF>& outline : outlines)
        edges += outline.size();
    if (edges == 0)
        return true;
    const qsizetype before = qsizetype(lines.size());
    qsizetype work = 0;
    for (const double turn : cross ? std::array{angle, angle + 90} : std::array{angle, angle}) {
        // Turned so that the hatching runs along x, through the anchor at y 0.
        QTransform toHatch;
        toHatch.rotate(-turn);
        toHatch.translate(-anchor.x(), -anchor.y());
        const QTransform back = toHatch.inverted();
        std::vector<QList<QPointF>> turned;
        double low = std::numeric_limits<double>::max();
        double high = std::numeric_limits<double>::lowest();
        for (const QList<QPointF>& outline : outlines) {
            turned.push_back({});
            for (const QPointF& point : outline) {
                turned.back().append(toHatch.map(point));
                low = std::min(low, turned.back().back().y());
                high = std::max(high, turned.back().back().y());
            }
        }
        std::vector<std::pair<double, int>> crossings; // x, and the edge's direction
        for (double k = std::ceil(low / spacing); k * spacing <= high; ++k) {
            const double y = k * spacing;
            crossings.clear();
            for (const QList<QPointF>& outline : turned) {
                for (qsizetype i = 0; i < outline.size(); ++i) {
                    const QPointF a = outline[i];
                    const QPointF b = outline[(i + 1) % outline.size()];
                    // Half-open, so that a corner on the line counts once.
                    if ((a.y() <= y) != (b.y() <= y))
                        crossings.emplace_back(a.x() +
                                                   (y - a.y()) / (b.y() - a.y()) * (b.x() - a.x()),
                                               b.y() > a.y() ? 1 : -1);
                }
            }
            std::sort(crossings.begin(), crossings.end());
            int winding = 0;
            double enteredAt = 0;
            for (const auto& [x, direction] : crossings) {
                const bool wasInside = nonZero ? winding != 0 : winding % 2 == 1;
                winding += nonZero ? direction : 1;
                const bool inside = nonZero ? winding != 0 : winding % 2 == 1;
                if (inside && !wasInside)
                    enteredAt = x;
                if (wasInside && !inside && x > enteredAt) {
                    lines.push_back({back.map(QPointF(enteredAt, y)), back.map(QPointF(x, y))});
                    if (qsizetype(lines.size()) - before >= limit)
                        return false;
                }
            }
            work += edges;
            if (work > HatchWork)
                return false;
        }
        if (!cross)
            break;
    }
    return true;
}

} // namespace markast::hpgl
