#pragma once

#include "hpgl/Lettering.h"
#include "hpgl/LineTypes.h"

#include <QPointF>
#include <QTransform>

#include <array>
#include <map>
#include <optional>
#include <vector>

namespace markast::hpgl {

// How an area is filled, as FT chose it: solid, hatched (spacing and angle) or shaded.
struct Fill {
    enum class Kind { Solid, Hatching, CrossHatching, Shading } kind = Kind::Solid;
    double spacing = 0;       // plotter units
    double angle = 0;         // degrees
    double shade = 100;       // percent of full ink
    QPointF anchor;           // the hatching passes through it
    bool approximate = false; // a fill type drawn as the nearest one known
};

// How things are drawn, as the instructions that change no place on the sheet set it: the
// lettering (SI, SR, DI, DR, SL, ES, LO, DV, CS, CA, SS, SA, DT), tick marks (TL), line types (LT,
// UL), fill types (FT, AC) and pen widths (PW, WU, PT). Sizes relative to P1 and P2 stay
// relative: they are worked out when used.
class DrawingStyle {
public:
    DrawingStyle();
    // IN and DF.
    void reset();

    void characterSize(const std::vector<double>& values, bool relative);
    void direction(const std::vector<double>& values, bool relative);
    void slant(const std::vector<double>& values);
    void extraSpace(const std::vector<double>& values);
    void labelOrigin(const std::vector<double>& values);
    void textPath(const std::vector<double>& values);
    void characterSet(const std::vector<double>& values, bool alternate);
    void selectSet(bool alternate) { label_.alternate = alternate; }
    void tickLength(const std::vector<double>& values);
    void lineType(const std::vector<double>& values);
    void userLineType(const std::vector<double>& values);
    // FT; spacing in user units is turned into plotter units through toPlotter.
    void fillType(const std::vector<double>& values, const QTransform& toPlotter);
    // RF: a raster pattern for FT 11, kept as its share of ink.
    void rasterFill(const std::vector<double>& values);
    void anchor(const QPointF& plotterUnits) { anchor_ = plotterUnits; }
    void penWidth(const std::vector<double>& values);
    void widthUnits(const std::vector<double>& values);
    void penThickness(const std::vector<double>& values, int pen);

    // The label style with its size and direction between P1 and P2.
    LabelStyle& label(const QPointF& p1, const QPointF& p2);
    // The tick lengths up and down (or right and left), as fractions of P1 to P2.
    double tickUp() const { return tickUp_ / 100; }
    double tickDown() const { return tickDown_ / 100; }
    // The dasher of the line type, for its length between P1 and P2; none for solid lines.
    std::optional<Dasher> dasher(const QPointF& p1, const QPointF& p2) const;
    // A line type of dots at the points given, LT0.
    bool dotsOnly() const { return lineType_ == 0; }
    Fill fill(const QPointF& p1, const QPointF& p2) const;
    // The pen's width in plotter units; 0 where the file did not set it.
    double width(int pen, const QPointF& p1, const QPointF& p2) const;

private:
    static constexpr int Solid = 100;
    struct Width {
        double value;
        bool relative;
    };

    LabelStyle label_;
    bool relativeSize_ = false;
    QSizeF size_;
    bool relativeDirection_ = false;
    QPointF direction_{1, 0};
    double tickUp_ = 0.5;
    double tickDown_ = 0.5;
    int lineType_ = Solid;
    int previousLineType_ = Solid;
    double patternLength_ = 4; // percent of P1 to P2, or millimetres
    bool patternInMm_ = false;
    std::array<LinePattern, 8> patterns_;
    int fillType_ = 1;
    std::map<int, double> spacing_; // by fill type, plotter units; 0 for the default
    double angle_ = 0;
    double shade_ = 100;
    // The share of ink of RF's patterns 1 to 8, in percent; FT 11's choice among them.
    std::array<double, 8> rasterInk_{100, 100, 100, 100, 100, 100, 100, 100};
    int raster_ = 1;
    QPointF anchor_;
    bool relativeWidths_ = false;
    std::optional<Width> allPens_;
    std::map<int, Width> widths_;
};

} // namespace markast::hpgl
