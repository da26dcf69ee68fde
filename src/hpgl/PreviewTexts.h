#pragma once

#include "hpgl/DisplayList.h"

#include <QString>

namespace markast::hpgl {

// "Size: 42.3 × 12.1 mm (1,692 × 484 plotter units) · 318 strokes", of what the pen marks.
QString sizeText(const DisplayList& list);
// What was too complex to draw, not drawn, or drawn only approximately; "Everything in the file
// was drawn"; or, for a file with no drawing in it, its byte count. paintedInPart: the painter
// left marks out for what they would cost at the size shown.
QString notesText(const DisplayList& list, qsizetype byteCount, bool paintedInPart = false);

} // namespace markast::hpgl
