#include "app/WindowPlacement.h"

#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace markast {

namespace {

double usableLength(double stored, int fallback, int desktop) {
    return stored > 0 && stored <= desktop ? stored : fallback;
}

// Enough of the title bar to take hold of it with the mouse.
bool titleBarReachable(const QRect& window, const Desktop& desktop, int titleBarHeight) {
    const QRect titleBar(window.topLeft(), QSize(window.width(), titleBarHeight));
    const int enough = std::min(window.width() / 4, 100);
    return std::any_of(desktop.screens.begin(), desktop.screens.end(), [&](const QRect& screen) {
        const QRect visible = titleBar & screen;
        return visible.width() >= enough && visible.height() >= titleBarHeight / 2;
    });
}

} // namespace

QRect usableGeometry(const QRectF& stored, const QRect& fallback, const Desktop& desktop,
                     int titleBarHeight) {
    const QSize size(static_cast<int>(std::lround(usableLength(stored.width(), fallback.width(),
                                                               desktop.virtualGeometry.width()))),
                     static_cast<int>(std::lround(usableLength(stored.height(), fallback.height(),
                                                               desktop.virtualGeometry.height()))));
    // A place beyond any desktop is not looked at further: it would not fit an int.
    const bool nearDesktop =
        std::abs(stored.x()) <= 4 * desktop.virtualGeometry.width() + fallback.width() &&
        std::abs(stored.y()) <= 4 * desktop.virtualGeometry.height() + fallback.height();
    if (nearDesktop) {
        const QRect placed(QPoint(static_cast<int>(std::lround(stored.x())),
                                  static_cast<int>(std::lround(stored.y()))),
                           size);
        if (titleBarReachable(placed, desktop, titleBarHeight))
            return placed;
    }
    return {fallback.topLeft(), size};
}

QRect usableGeometryOnThisDesktop(const WindowTwips& stored, double dpi, int titleBarHeight) {
    const auto exact = [dpi](double twips) {
        return twipsToExactPixels(twips, dpi);
    };
    const auto px = [dpi](double twips) {
        return twipsToPixels(twips, dpi);
    };
    const QScreen* primary = QGuiApplication::primaryScreen();
    Desktop desktop{{}, primary->virtualGeometry()};
    for (const QScreen* screen : QGuiApplication::screens())
        desktop.screens.append(screen->availableGeometry());
    const WindowTwips defaults;
    const QRect fallback(primary->geometry().topLeft() +
                             QPoint(px(defaults.left), px(defaults.top)),
                         QSize(px(defaults.width), px(defaults.height)));
    return usableGeometry(
        QRectF(exact(stored.left), exact(stored.top), exact(stored.width), exact(stored.height)),
        fallback, desktop, titleBarHeight);
}

} // namespace markast
