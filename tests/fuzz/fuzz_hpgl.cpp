// Any bytes as a logo: the reader gives a display list, never a crash or a hang, with every
// point finite and within the plotter's reach, the preview's texts can be made of it, and it
// can be drawn, fitted to a thumbnail and at true size, with no conversion out of range.
#include "hpgl/DisplayListPainter.h"
#include "hpgl/HpglReader.h"
#include "hpgl/PreviewTexts.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstdlib>

// Qt's font database, filled once on the first label and kept for the process, is no leak.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\nleak:libQt6Gui\nleak:libQt6Core\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, qsizetype(size));
    const markast::hpgl::DisplayList list = markast::hpgl::readHpgl(bytes);
    for (const markast::hpgl::Stroke& stroke : list.strokes) {
        for (const QPointF& point : stroke.points) {
            if (!std::isfinite(point.x()) || !std::isfinite(point.y()) ||
                std::abs(point.x()) > 1e9 || std::abs(point.y()) > 1e9)
                std::abort();
        }
    }
    // What the pen marks lies within what it marks and moves over, but for rounding; a line
    // that stays outside the IW window marks nothing.
    const QRectF& marked = list.extent;
    const QRectF all = list.extentWithMoves.adjusted(-1e-3, -1e-3, 1e-3, 1e-3);
    if (list.hasDrawing() && !marked.isNull() &&
        (marked.left() < all.left() || marked.right() > all.right() || marked.top() < all.top() ||
         marked.bottom() > all.bottom()))
        std::abort();
    (void)markast::hpgl::sizeText(list);
    (void)markast::hpgl::notesText(list, bytes.size());
    QImage sheet(32, 32, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&sheet);
    markast::hpgl::DisplayListPainter(list, QRectF(sheet.rect()), true).paintAll(painter);
    // Through a map of its own, large, the way a PDF or a printer draws it.
    markast::hpgl::DisplayListPainter(list, QTransform(1000, 0, 0, -1000, 0, 32), {2, false})
        .paintAll(painter);
    return 0;
}
