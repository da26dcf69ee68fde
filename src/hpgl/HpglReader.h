#pragma once

#include "hpgl/DisplayList.h"

#include <QByteArrayView>

namespace markast::hpgl {

// Reads HP-GL and HP-GL/2 as plotters and markers read it: mnemonics in any letter case,
// parameters split by commas or blanks, ended by ";", a newline or the next mnemonic, device
// escape sequences skipped. Any bytes at all give a result, in time linear in their number.
DisplayList readHpgl(QByteArrayView bytes);

} // namespace markast::hpgl
