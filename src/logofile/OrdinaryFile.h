#pragma once

#include "logofile/LogoFile.h"

#include <QtGlobal>

#include <optional>

class QFile;

namespace markast {

// The platform's part of openLogoFile: opens path for reading into file without waiting for a
// FIFO's writer or a device, and gives the size measured through that same handle. Nothing,
// with error.problem set, when what the open met is missing or no ordinary file; nothing, with
// file closed and error.reason set, when something is there that could not be opened.
std::optional<qint64> openOrdinaryFile(const QString& path, QFile& file, LogoFileError& error);

} // namespace markast
