#pragma once

#include <QList>
#include <QPointF>

#include <string_view>
#include <vector>

namespace markast::hpgl {

// The lines a pen draws for one character, in font units: x from the character's middle, y up
// from its baseline.
using GlyphLines = std::vector<QList<QPointF>>;

// Lettering as a plotter or a marker draws it: single lines, in the public-domain Hershey Roman
// Simplex face, embedded when the program is built. ASCII comes from the font; Latin letters
// with accents are composed of a letter and its marks, and a few signs of others.
namespace strokefont {

// The size of a capital letter in font units.
constexpr double CapHeight = 21;
constexpr double CapWidth = 16;

// The lines of character; nullptr where the font has none.
const GlyphLines* glyph(char32_t character);

} // namespace strokefont

// The glyphs of a Hershey font file (.jhf), in the order the file gives them; a glyph that
// cannot be read is empty.
std::vector<GlyphLines> parseJhf(std::string_view text);

} // namespace markast::hpgl
