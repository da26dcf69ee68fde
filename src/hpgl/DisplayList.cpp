#include "hpgl/DisplayList.h"

#include <algorithm>

namespace markast::hpgl {

qsizetype DisplayList::markCount() const {
    return marksLeftOut + std::count_if(strokes.begin(), strokes.end(),
                                        [](const Stroke& stroke) { return stroke.marks; });
}

} // namespace markast::hpgl
