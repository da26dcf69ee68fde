#include "logofile/OrdinaryFile.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace markast {

std::optional<qint64> openOrdinaryFile(const QString& path, QFile& file, LogoFileError& error) {
    // Without O_NONBLOCK, opening a FIFO waits for a writer that may never come.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        // Judged by what the open met, not by a later look, which may find another file.
        if (errno == ENOENT || errno == ENOTDIR || errno == ELOOP)
            error.problem = LogoFileProblem::Missing;
        else
            error.reason = QString::fromLocal8Bit(std::strerror(errno));
        return std::nullopt;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        error.problem = LogoFileProblem::NotAFile;
        return std::nullopt;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        error.reason = file.errorString();
        return std::nullopt;
    }
    return status.st_size;
}

} // namespace markast
