#include "logofile/LogoFile.h"

#include "logofile/OrdinaryFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <limits>
#include <new>
#include <span>

namespace markast {

namespace {

// The context the file's problems are translated in.
class LogoFile {
    Q_DECLARE_TR_FUNCTIONS(LogoFile)
};

// Why the file at path cannot be a logo, judged by its name alone: nothing when it could be.
std::optional<LogoFileProblem> problemByName(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return LogoFileProblem::Missing;
    if (!info.isFile())
        return LogoFileProblem::NotAFile;
    return std::nullopt;
}

} // namespace

QString LogoFileError::text(const QString& path) const {
    switch (problem) {
    case LogoFileProblem::None:
        break;
    case LogoFileProblem::Missing:
        return LogoFile::tr("%1 does not exist").arg(path);
    case LogoFileProblem::NotAFile:
        return LogoFile::tr("%1 is not a file").arg(path);
    case LogoFileProblem::TooLarge:
        return LogoFile::tr("%1 is 2 GiB or larger").arg(path);
    case LogoFileProblem::Empty:
        return LogoFile::tr("%1 is empty").arg(path);
    case LogoFileProblem::NoMemory:
        return LogoFile::tr("there is not enough memory for %1").arg(path);
    case LogoFileProblem::Unreadable:
        return LogoFile::tr("%1 cannot be read: %2").arg(path, reason);
    case LogoFileProblem::ChangedWhileRead:
        return LogoFile::tr("%1 changed size while it was read").arg(path);
    }
    return {};
}

std::optional<std::int32_t> openLogoFile(const QString& path, QFile& file, LogoFileError& error) {
    error = {};
    std::optional<qint64> size = openOrdinaryFile(path, file, error);
    if (error.problem != LogoFileProblem::None)
        return std::nullopt;
    if (!size) {
        if (const std::optional<LogoFileProblem> problem = problemByName(path)) {
            error = {*problem, {}};
            return std::nullopt;
        }
        size = QFileInfo(path).size();
    }
    if (*size > std::numeric_limits<std::int32_t>::max()) {
        file.close();
        error = {LogoFileProblem::TooLarge, {}};
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*size);
}

bool allocateLogo(LogoBuffer& fresh, std::int32_t length) {
    try {
        fresh.recreate(length);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

std::optional<LogoBuffer> readLogoFile(const QString& path, LogoFileError& error) {
    const auto fail = [&error](LogoFileProblem problem, const QString& reason = {}) {
        error = {problem, reason};
        return std::nullopt;
    };
    QFile file;
    const std::optional<std::int32_t> length = openLogoFile(path, file, error);
    if (!length)
        return std::nullopt;
    if (*length == 0)
        return fail(LogoFileProblem::Empty);
    if (!file.isOpen())
        return fail(LogoFileProblem::Unreadable, error.reason);
    LogoBuffer logo;
    if (!allocateLogo(logo, *length))
        return fail(LogoFileProblem::NoMemory);
    // No window shows progress here, so the file is read in one call.
    const std::span<std::uint8_t> payload = logo.payloadToFill();
    const bool read =
        file.read(reinterpret_cast<char*>(payload.data()), *length) == *length && file.atEnd();
    if (read)
        return logo;
    if (file.error() == QFileDevice::NoError)
        return fail(LogoFileProblem::ChangedWhileRead);
    return fail(LogoFileProblem::Unreadable, file.errorString());
}

} // namespace markast
