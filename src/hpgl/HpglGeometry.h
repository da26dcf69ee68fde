#pragma once

#include "hpgl/HpglReader.h"

#include <QList>
#include <QPointF>
#include <QTransform>

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
// most every chord degrees (and no more than 720 chords however small it is set).
QList<QPointF> arcPoints(const QPointF& centre, double rx, double ry, double start, double sweep,
                         double chord);

// The outline of a rectangle with corners from and to, back to from.
QList<QPointF> rectanglePoints(const QPointF& from, const QPointF& to);

// The outline of a pie slice: out from centre, along the arc, and back.
QList<QPointF> wedgePoints(const QPointF& centre, double rx, double ry, double start, double sweep,
                           double chord);

// HP-GL/2's polygon buffer: PM0 opens it at the pen's place, PM1 starts a new part of it,
// moves and shapes add to it, and EP or FP draws it.
class PolygonBuffer {
public:
    void open(const QPointF& at) { parts_.assign(1, {at}); }
    void startPart(const QPointF& at) { parts_.push_back({at}); }
    // A move to point: with the pen up it starts a new part.
    void add(const QPointF& point, bool penUp);
    void addShape(QList<QPointF> points) { parts_.push_back(std::move(points)); }
    const std::vector<QList<QPointF>>& parts() const { return parts_; }

private:
    std::vector<QList<QPointF>> parts_;
};

// The bounding boxes of what the pen marks, and of the moves as well.
void setExtents(DisplayList& list);

} // namespace markast::hpgl
