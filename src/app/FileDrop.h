#pragma once

#include <QString>

class QMimeData;

namespace markast {

// What a drop onto the main window comes to: the one local file to load, or why not.
struct DropVerdict {
    QString path;    // the file to load, when the drop is taken
    QString refusal; // why the drop is refused, else empty
};

// A drop carries exactly one local file that is no folder; none is taken while busy, that is
// during a send or its settle wait.
DropVerdict judgeDrop(const QMimeData& dropped, bool busy);

} // namespace markast
