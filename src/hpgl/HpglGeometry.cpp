#include "hpgl/HpglGeometry.h"

#include <QRectF>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace markast::hpgl {

namespace {
constexpr double Farthest = 1e9;
// A chord that strays no further than this from the curve, in plotter units, is as good as a
// finer one: a marker's step is a whole plotter unit. So a small circle takes a few chords
// however fine a chord angle the file asks for.
constexpr double ChordTolerance = 0.1;
constexpr double MostBezierPieces = 720;
} // namespace

bool isFar(const QPointF& point) {
    return !std::isfinite(point.x()) || !std::isfinite(point.y()) ||
           std::abs(point.x()) > Farthest || std::abs(point.y()) > Farthest;
}

bool anyFar(const QList<QPointF>& points) {
    return std::any_of(points.begin(), points.end(), isFar);
}

Scaling scalingFrom(const std::vector<double>& values) {
    if (values.size() < 4)
        return {};
    Scaling next;
    next.xmin = values[0];
    next.xmax = values[1];
    next.ymin = values[2];
    next.ymax = values[3];
    const double type = values.size() >= 5 ? values[4] : 0;
    next.kind = type == 1   ? Scaling::Kind::Isotropic
                : type == 2 ? Scaling::Kind::PointFactor
                            : Scaling::Kind::Anisotropic;
    if (next.kind == Scaling::Kind::Isotropic && values.size() >= 7) {
        next.left = values[5];
        next.bottom = values[6];
    }
    const bool empty = next.kind != Scaling::Kind::PointFactor &&
                       (next.xmax == next.xmin || next.ymax == next.ymin);
    return empty ? Scaling{} : next;
}

QTransform userToPlotter(const Scaling& s, const QPointF& p1, const QPointF& p2) {
    if (s.kind == Scaling::Kind::Off)
        return {};
    if (s.kind == Scaling::Kind::PointFactor)
        return QTransform(s.xmax, 0, 0, s.ymax, p1.x() - s.xmin * s.xmax, p1.y() - s.ymin * s.ymax);
    // scalingFrom() lets no empty range through, so these are finite.
    const double plotterWidth = p2.x() - p1.x();
    const double plotterHeight = p2.y() - p1.y();
    const double sx = plotterWidth / (s.xmax - s.xmin);
    const double sy = plotterHeight / (s.ymax - s.ymin);
    switch (s.kind) {
    case Scaling::Kind::Off:
    case Scaling::Kind::PointFactor:
        break;
    case Scaling::Kind::Anisotropic:
        return QTransform(sx, 0, 0, sy, p1.x() - s.xmin * sx, p1.y() - s.ymin * sy);
    case Scaling::Kind::Isotropic: {
        const double both = std::min(std::abs(sx), std::abs(sy));
        const double fx = std::copysign(both, sx);
        const double fy = std::copysign(both, sy);
        const double spareX = plotterWidth - fx * (s.xmax - s.xmin);
        const double spareY = plotterHeight - fy * (s.ymax - s.ymin);
        return QTransform(fx, 0, 0, fy, p1.x() + spareX * s.left / 100 - s.xmin * fx,
                          p1.y() + spareY * s.bottom / 100 - s.ymin * fy);
    }
    }
    return {};
}

QList<QPointF> arcPoints(const QPointF& centre, double rx, double ry, double start, double sweep,
                         double chord) {
    chord = std::clamp(std::isfinite(chord) ? std::abs(chord) : 5.0, 0.5, 180.0);
    const double radius = std::max(std::abs(rx), std::abs(ry));
    const double coarsest = radius > ChordTolerance ? 2 * std::acos(1 - ChordTolerance / radius) *
                                                          180 / std::numbers::pi
                                                    : 180;
    chord = std::max(chord, std::min(coarsest, 90.0)); // a quarter turn at most, for this reason
    sweep = std::isfinite(sweep) ? std::clamp(sweep, -360.0, 360.0) : 0;
    const int steps = int(std::clamp(std::ceil(std::abs(sweep) / chord), 1.0, 720.0));
    QList<QPointF> points;
    points.reserve(steps + 1);
    for (int step = 0; step <= steps; ++step) {
        const double angle = (start + sweep * step / steps) * std::numbers::pi / 180;
        points.append(centre + QPointF(rx * std::cos(angle), ry * std::sin(angle)));
    }
    return points;
}

std::optional<ArcThrough> arcThrough(const QPointF& start, const QPointF& via, const QPointF& end) {
    const auto degrees = [](const QPointF& v) {
        return std::atan2(v.y(), v.x()) * 180 / std::numbers::pi;
    };
    if (end == start && via != start) {
        const QPointF centre = (start + via) / 2;
        const QPointF out = start - centre;
        return ArcThrough{centre, std::hypot(out.x(), out.y()), degrees(out), 360};
    }
    // About start, so that large coordinates keep their precision.
    const QPointF b = via - start;
    const QPointF c = end - start;
    const double cross = b.x() * c.y() - b.y() * c.x();
    const double b2 = QPointF::dotProduct(b, b);
    const double c2 = QPointF::dotProduct(c, c);
    if (!(std::abs(cross) > 1e-12 * std::sqrt(b2 * c2)))
        return std::nullopt;
    const QPointF centre =
        start + QPointF(c.y() * b2 - b.y() * c2, b.x() * c2 - c.x() * b2) / (2 * cross);
    const double from = degrees(start - centre);
    const double counterclockwise = std::fmod(degrees(end - centre) - from + 720, 360);
    // Where start, via and end follow each other counterclockwise, so does the arc.
    const double sweep = cross > 0 ? counterclockwise : counterclockwise - 360;
    const QPointF out = start - centre;
    return ArcThrough{centre, std::hypot(out.x(), out.y()), from, sweep};
}

// Enough straight pieces that none strays further than the tolerance from the curve, from the
// curve's largest second difference; at most MostBezierPieces.
QList<QPointF> bezierPoints(const QPointF& from, const QPointF& control1, const QPointF& control2,
                            const QPointF& to) {
    const QPointF bend1 = from - 2 * control1 + control2;
    const QPointF bend2 = control1 - 2 * control2 + to;
    const double bend =
        std::max(std::hypot(bend1.x(), bend1.y()), std::hypot(bend2.x(), bend2.y()));
    const double pieces = std::ceil(std::sqrt(0.75 * bend / ChordTolerance));
    const int steps = int(std::clamp(std::isfinite(pieces) ? pieces : 1.0, 1.0, MostBezierPieces));
    QList<QPointF> points;
    points.reserve(steps + 1);
    for (int step = 0; step <= steps; ++step) {
        const double t = double(step) / steps;
        const double u = 1 - t;
        points.append(u * u * u * from + 3 * u * u * t * control1 + 3 * u * t * t * control2 +
                      t * t * t * to);
    }
    return points;
}

QList<QPointF> rectanglePoints(const QPointF& from, const QPointF& to) {
    return {from, {to.x(), from.y()}, to, {from.x(), to.y()}, from};
}

QList<QPointF> wedgePoints(const QPointF& centre, double rx, double ry, double start, double sweep,
                           double chord) {
    QList<QPointF> points{centre};
    points.append(arcPoints(centre, rx, ry, start, sweep, chord));
    points.append(centre);
    return points;
}

void Extent::include(const QRectF& box) {
    box_ =
        !box_
            ? box
            : QRectF(QPointF(std::min(box_->left(), box.left()), std::min(box_->top(), box.top())),
                     QPointF(std::max(box_->right(), box.right()),
                             std::max(box_->bottom(), box.bottom())));
}

void Extent::include(const QList<QPointF>& points) {
    for (const QPointF& point : points)
        include(point);
}

void PolygonBuffer::open(const QPointF& at) {
    parts_.assign(1, {at});
    lines_ = 0;
    points_ = 1;
    cutShort_ = false;
    linesExtent_ = {};
}

void PolygonBuffer::add(const QPointF& point, bool penUp) {
    if (points_ >= PointLimit) {
        cutShort_ = true;
        linesExtent_.include(point);
        return;
    }
    ++points_;
    if (penUp || parts_.empty()) {
        parts_.push_back({point});
        return;
    }
    QList<QPointF>& part = parts_.back();
    part.append(point);
    if (part.size() == 2) {
        ++lines_;
        linesExtent_.include(part.front());
    }
    linesExtent_.include(point);
}

void PolygonBuffer::addShape(QList<QPointF> points) {
    if (points.size() >= 2) {
        ++lines_;
        linesExtent_.include(points);
    }
    if (points_ + points.size() > PointLimit) {
        cutShort_ = true;
        return;
    }
    points_ += points.size();
    parts_.push_back(std::move(points));
}

} // namespace markast::hpgl
