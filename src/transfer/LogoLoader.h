#pragma once

#include "transfer/LogoBuffer.h"

#include <QString>

#include <optional>

namespace markast {

class FileDialog;
class TransferView;

// Lets the operator choose a logo file and reads it whole into logo. Any failure, Cancel
// included, ends the load quietly; logo then still holds the file loaded before, whole, and
// the view shows what it showed before the load. Returns true when a new logo is in.
bool loadLogo(FileDialog& dialog, TransferView& view, LogoBuffer& logo);

// Why a file cannot be sent as a logo.
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
};

// Reads the file at path whole, by the rules of the window's load, without a dialog or a
// window; nothing, with error set, when it cannot be sent.
std::optional<LogoBuffer> readLogoFile(const QString& path, LogoFileError& error);

} // namespace markast
