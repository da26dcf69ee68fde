#pragma once

#include "logofile/LogoBuffer.h"

#include <QString>

#include <cstdint>
#include <optional>

class QFile;

namespace markast {

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

// Opens the file at path for reading and measures it through the same handle, so that the file
// checked is the file read: one swapped for a FIFO or a device after a check by name would
// block the open, or the read, for good. Its size as LogoLength: an ordinary file of less than
// 2 GiB; nothing, with error set, for anything else. An empty file is measured, as the window's
// load shows its size before it fails; so is a file that exists but cannot be opened, which
// then stays closed, with the reason in error.
std::optional<std::int32_t> openLogoFile(const QString& path, QFile& file, LogoFileError& error);

// Makes fresh a buffer of length bytes, all zero; false when there is no memory.
bool allocateLogo(LogoBuffer& fresh, std::int32_t length);

// Reads the file at path whole, by the rules of the window's load, without a window; nothing,
// with error set, when it cannot be sent.
std::optional<LogoBuffer> readLogoFile(const QString& path, LogoFileError& error);

} // namespace markast
