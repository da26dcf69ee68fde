#include "logofile/OrdinaryFile.h"

#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <cerrno>
#include <cstdint>
#include <cstring>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace markast {

std::optional<qint64> openOrdinaryFile(const QString& path, QFile& file, LogoFileError& error) {
    // Others may go on reading the file, but not write, rename or delete it while it is open:
    // the file measured stays the file read. Opening a pipe or a device never waits.
    const QString nativePath = QDir::toNativeSeparators(path);
    const HANDLE handle =
        ::CreateFileW(reinterpret_cast<const wchar_t*>(nativePath.utf16()), GENERIC_READ,
                      FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        // Judged by what the open met, not by a later look, which may find another file.
        const DWORD code = ::GetLastError();
        if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND ||
            code == ERROR_INVALID_NAME)
            error.problem = LogoFileProblem::Missing;
        else
            error.reason = qt_error_string(static_cast<int>(code));
        return std::nullopt;
    }
    // A console, a COM port or a pipe is no disk file; nor is a folder, which opens only with
    // FILE_FLAG_BACKUP_SEMANTICS, but whose refusal is not to be relied on alone.
    BY_HANDLE_FILE_INFORMATION information{};
    if (::GetFileType(handle) != FILE_TYPE_DISK ||
        !::GetFileInformationByHandle(handle, &information) ||
        (information.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0) {
        ::CloseHandle(handle);
        error.problem = LogoFileProblem::NotAFile;
        return std::nullopt;
    }
    const qint64 size = static_cast<qint64>(
        (static_cast<std::uint64_t>(information.nFileSizeHigh) << 32) | information.nFileSizeLow);
    // The C runtime's descriptor takes the handle over (binary, as no _O_TEXT is given), and
    // the QFile the descriptor, so the bytes are read through the handle that was measured.
    const int fd = ::_open_osfhandle(reinterpret_cast<std::intptr_t>(handle), _O_RDONLY);
    if (fd < 0) {
        error.reason = QString::fromLocal8Bit(std::strerror(errno));
        ::CloseHandle(handle);
        return std::nullopt;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        error.reason = file.errorString();
        ::_close(fd); // closes the handle too
        return std::nullopt;
    }
    return size;
}

} // namespace markast
