#pragma once

#include "hpgl/HpglReader.h"

#include <QList>
#include <QPointF>
#include <QTransform>

#include <optional>
#include <vector>

namespace markast::hpgl {

// Larger coordinates are no drawing but damage: an instruction that reaches them is dropped.
bool isFar(const QPointF& point);
bool anyFar(const QList<QPointF>& points);

// How the user units of SC map onto the plotter units between P1 and P2.
struct Scaling {
    enum class Kind { Off, Anisotropic, Isotropic, PointFactor } kind = Kind::Off;
    double xmin = 0, xmax = 1, ymin = 0, ymax = 1; // PointFactor: xmax and ymax are factors
    double left = 50, bottom = 50;                 // Isotropic: where the spare room goes
};

// The scaling SC's parameters ask for: off without four of them, or with an empty range.
Scaling scalingFrom(const std::vector<double>& values);

// User units to plotter units, as a linear map and an offset.
QTransform userToPlotter(const Scaling& scaling, const QPointF& p1, const QPointF& p2);

// Points along an ellipse around centre, from start degrees over sweep degrees, one chord at
// most every chord degrees (and no more than 720 chords however small it is set), and no more
// chords than keep within a tenth of a plotter unit of the curve.
QList<QPointF> arcPoints(const QPointF& centre, double rx, double ry, double start, double sweep,
                         double chord);

// The circle through three points, gone round from start through via to end: its centre and
// radius, the angle of start and the sweep to end, in degrees (counterclockwise positive). End
// at start goes the whole way round the circle whose diameter is start to via; none where the
// points lie on one line.
struct ArcThrough {
    QPointF centre;
    double radius;
    double start;
    double sweep;
};
std::optional<ArcThrough> arcThrough(const QPointF& start, const QPointF& via, const QPointF& end);

// Points along a cubic Bézier curve, as many as keep within a tenth of a plotter unit of it.
QList<QPointF> bezierPoints(const QPointF& from, const QPointF& control1, const QPointF& control2,
                            const QPointF& to);

// The outline of a rectangle with corners from and to, back to from.
QList<QPointF> rectanglePoints(const QPointF& from, const QPointF& to);

// The outline of a pie slice: out from centre, along the arc, and back.
QList<QPointF> wedgePoints(const QPointF& centre, double rx, double ry, double start, double sweep,
                           double chord);

// A bounding box grown one point or box at a time, where a point of no size counts too.
class Extent {
public:
    void include(const QRectF& box);
    void include(const QPointF& point) { include(QRectF(point, QSizeF(0, 0))); }
    void include(const QList<QPointF>& points);
    // Null while nothing was included.
    QRectF box() const { return box_.value_or(QRectF()); }
    std::optional<QRectF> boxIfAny() const { return box_; }

private:
    std::optional<QRectF> box_;
};

// HP-GL/2's polygon buffer: PM0 opens it at the pen's place, PM1 starts a new part of it,
// moves and shapes add to it, and EP or FP draws it. It keeps the box and the count of the
// parts that have a line to draw, so that drawing it again and again costs nothing more. Past
// PointLimit points it only measures them.
class PolygonBuffer {
public:
    static constexpr qsizetype PointLimit = 2'000'000;

    void open(const QPointF& at);
    void startPart(const QPointF& at) { parts_.push_back({at}); }
    // A move to point: with the pen up it starts a new part.
    void add(const QPointF& point, bool penUp);
    void addShape(QList<QPointF> points);
    const std::vector<QList<QPointF>>& parts() const { return parts_; }
    // The parts of two points or more, and their box.
    qsizetype lines() const { return lines_; }
    const Extent& linesExtent() const { return linesExtent_; }
    // True when points past the limit were left out of the parts.
    bool cutShort() const { return cutShort_; }

private:
    std::vector<QList<QPointF>> parts_;
    qsizetype lines_ = 0;
    qsizetype points_ = 0;
    bool cutShort_ = false;
    Extent linesExtent_;
};

} // namespace markast::hpgl
