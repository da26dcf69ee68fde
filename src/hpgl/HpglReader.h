#pragma once

#include "hpgl/DisplayList.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFuture>

#include <memory>

namespace markast::hpgl {

// Reads HP-GL and HP-GL/2 as plotters and markers read it: mnemonics in any letter case,
// parameters split by commas or blanks, ended by ";", a newline or the next mnemonic, device
// escape sequences skipped. Any bytes at all give a result, in time linear in their number.
DisplayList readHpgl(QByteArrayView bytes);

// The same reading on a pool thread, for a window that must stay responsive while a large
// logo is read: the future gives the drawing once it is read.
QFuture<std::shared_ptr<const DisplayList>> readHpglAside(QByteArray bytes);

} // namespace markast::hpgl
