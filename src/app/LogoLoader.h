#pragma once

#include "logofile/LogoFile.h"

#include <QString>

#include <optional>

namespace markast {

class FileDialog;
class TransferView;

// The open dialog of File > Open...: the path chosen, or nothing when the operator cancelled
// or chose no name.
std::optional<QString> chooseLogoFile(FileDialog& dialog);

// The window's load of the file at path: reads it whole into logo, one byte at a time, with
// its progress on view, and shows it loaded. On a failure logo still holds the file loaded
// before, whole, the view shows what it showed before the load, and error says why.
bool loadLogoFile(const QString& path, TransferView& view, LogoBuffer& logo, LogoFileError& error);

} // namespace markast
