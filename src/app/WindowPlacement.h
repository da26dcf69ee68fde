#pragma once

#include "settings/Settings.h"

#include <QList>
#include <QRect>

namespace markast {

// The screens a window can be placed on, in pixels.
struct Desktop {
    QList<QRect> screens; // each screen's area for windows
    QRect virtualGeometry;
};

// Where the main window comes up, from the place and size stored in the settings (pixels,
// any value the store held). A size that is not positive or larger than the whole desktop
// takes fallback's size; a place that would leave the title bar out of reach on every screen
// takes fallback's place. Whatever is usable stays exactly as stored.
QRect usableGeometry(const QRectF& stored, const QRect& fallback, const Desktop& desktop,
                     int titleBarHeight);

// The same for the screens this program runs on now, from a place and size in twips, at dpi;
// the fallback is the default place and size on the primary screen.
QRect usableGeometryOnThisDesktop(const WindowTwips& stored, double dpi, int titleBarHeight);

} // namespace markast
