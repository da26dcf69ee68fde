#pragma once

#include <QRect>

#include <cmath>

namespace markast {

// Window places and sizes are kept in twips, 1440 to the inch, and converted with the
// screen's logical DPI so the layout keeps its proportions on any screen.
constexpr double TwipsPerInch = 1440.0;

// Unrounded, for values that may be far out of any int's range.
inline double twipsToExactPixels(double twips, double dpi) {
    return twips * dpi / TwipsPerInch;
}

inline int twipsToPixels(double twips, double dpi) {
    return static_cast<int>(std::lround(twipsToExactPixels(twips, dpi)));
}

inline double pixelsToTwips(int pixels, double dpi) {
    return std::round(pixels * TwipsPerInch / dpi);
}

inline QRect twipsRect(int left, int top, int width, int height, double dpi) {
    return {twipsToPixels(left, dpi), twipsToPixels(top, dpi), twipsToPixels(width, dpi),
            twipsToPixels(height, dpi)};
}

} // namespace markast
