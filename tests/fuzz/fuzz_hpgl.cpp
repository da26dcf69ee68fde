// Any bytes as a logo: the reader gives a display list, never a crash or a hang, with every
// point finite and within the plotter's reach, and the preview's texts can be made of it.
#include "hpgl/HpglReader.h"
#include "hpgl/PreviewTexts.h"

#include <cmath>
#include <cstdlib>

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
    // What the pen marks lies within what it marks and moves over, but for rounding.
    const QRectF& marked = list.extent;
    const QRectF all = list.extentWithMoves.adjusted(-1e-3, -1e-3, 1e-3, 1e-3);
    if (list.hasDrawing() && (marked.left() < all.left() || marked.right() > all.right() ||
                              marked.top() < all.top() || marked.bottom() > all.bottom()))
        std::abort();
    (void)markast::hpgl::sizeText(list);
    (void)markast::hpgl::notesText(list, bytes.size());
    return 0;
}
