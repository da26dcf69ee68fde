#pragma once

#include <QtGlobal>

namespace markast::hpgl {

// The character a byte of a label stands for in a character set, as CS and CA number them:
// HP-GL's 7-bit sets (0 ASCII, 7 Roman extensions, 9 and 30 to 39 the ISO national variants),
// HP-GL/2's symbol sets 21 (ASCII), 277 (Roman-8) and 14 (ISO Latin-1). Bytes of 0x80 and above
// are Roman-8 but in Latin-1. Control bytes and bytes a set leaves empty are 0.
char32_t characterOf(quint8 byte, int set);

// Whether the set is one that characterOf() knows; others are drawn as ASCII.
bool knownCharacterSet(int set);

} // namespace markast::hpgl
