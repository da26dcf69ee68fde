#pragma once

#include "platform/Twips.h"

#include <QScreen>
#include <QWidget>

namespace markast {

// Twips on the screen a widget is on, at that screen's logical DPI (96 before it is on one).
struct ScreenTwips {
    explicit ScreenTwips(const QWidget& widget)
        : dpi(widget.screen() ? widget.screen()->logicalDotsPerInchX() : 96.0) {}

    int operator()(double twips) const { return twipsToPixels(twips, dpi); }
    QRect rect(int left, int top, int width, int height) const {
        return twipsRect(left, top, width, height, dpi);
    }
    double twips(int pixels) const { return pixelsToTwips(pixels, dpi); }

    double dpi;
};

} // namespace markast
