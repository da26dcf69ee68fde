#pragma once

#include "transfer/LogoBuffer.h"

#include <QString>

#include <optional>

namespace markast {

class FileDialog;
class TransferView;

// Why a file cannot be a logo.
enum class LogoFileProblem {
    None,
    Missing,
    NotAFile, // a folder, a device
    TooLarge, // 2 GiB or more
    Empty,
    NoMemory,
    Unreadable,       // reason says why
    ChangedWhileRead, // it grew or shrank while it was read
};

struct LogoFileError {
    LogoFileProblem problem = LogoFileProblem::None;
    QString reason; // the operating system's words, where there are any

    // "/x/logo.plt does not exist", and so on.
    QString text(const QString& path) const;
};

// The open dialog of File > Open...: the path chosen, or nothing when the operator cancelled
// or chose no name.
std::optional<QString> chooseLogoFile(FileDialog& dialog);

// The window's load of the file at path: reads it whole into logo, one byte at a time, with
// its progress on view, and shows it loaded. On a failure logo still holds the file loaded
// before, whole, the view shows what it showed before the load, and error says why.
bool loadLogoFile(const QString& path, TransferView& view, LogoBuffer& logo, LogoFileError& error);

// Reads the file at path whole, by the rules of the window's load, without a window; nothing,
// with error set, when it cannot be sent.
std::optional<LogoBuffer> readLogoFile(const QString& path, LogoFileError& error);

} // namespace markast
