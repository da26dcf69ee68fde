#pragma once

#include <QtGlobal>

namespace markast {

// The XDG base folders must be absolute paths: a relative one is ignored, as the XDG Base
// Directory specification asks, so that nothing is read from or written to whatever folder
// Markast was started in. Unsets each such variable that is relative and drops the relative
// entries of the folder lists, for Qt's lookups and ours alike; a program calls it first.
#ifdef Q_OS_WIN
// Neither Qt nor Markast reads an XDG folder on Windows.
inline void ignoreRelativeXdgFolders() {}
#else
void ignoreRelativeXdgFolders();
#endif

} // namespace markast
