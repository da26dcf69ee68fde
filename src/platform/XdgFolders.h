#pragma once

namespace markast {

// The XDG base folders must be absolute paths: a relative one is ignored, as the XDG Base
// Directory specification asks, so that nothing is read from or written to whatever folder
// Markast was started in. Unsets each such variable that is relative and drops the relative
// entries of the folder lists, for Qt's lookups and ours alike; a program calls it first.
void ignoreRelativeXdgFolders();

} // namespace markast
