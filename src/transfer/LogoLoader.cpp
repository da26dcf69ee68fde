#include "transfer/LogoLoader.h"

#include "platform/FileDialog.h"
#include "platform/Translations.h"
#include "transfer/TransferView.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <cerrno>
#include <cstring>
#include <limits>
#include <new>
#include <optional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace markast {

namespace {

Q_LOGGING_CATEGORY(lcTransfer, "markast.transfer")

OpenDialogSetup logoDialog() {
    return {Transfer::tr("Open Logo File"),
            Transfer::tr("HPGL Plot Files (*.PLT) ") + QStringLiteral("|*.plt|") +
                Transfer::tr("Logo Files (*.Dot) ") + QStringLiteral("|*.Dot"),
            QString()};
}

// Why the file at path cannot be a logo, judged by its name alone: nothing when it could be.
std::optional<LogoFileProblem> problemByName(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return LogoFileProblem::Missing;
    if (!info.isFile())
        return LogoFileProblem::NotAFile;
    return std::nullopt;
}

// Opens the file at path for reading and measures it through the same handle, so that the file
// checked is the file read: one swapped for a FIFO or a device after a check by name would
// block the open, or the read, for good. Its size as LogoLength: an ordinary file of less than
// 2 GiB; nothing, with error set, for anything else. An empty file is measured, as the load
// shows its size before it fails; so is a file that exists but cannot be opened, which then
// stays closed, with the reason in error.
std::optional<std::int32_t> openLogoFile(const QString& path, QFile& file, LogoFileError& error) {
    error = {};
    qint64 size = 0;
#ifdef Q_OS_UNIX
    // Without O_NONBLOCK, opening a FIFO waits for a writer that may never come.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    struct stat status {};
    if (fd >= 0 && (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))) {
        ::close(fd);
        error.problem = LogoFileProblem::NotAFile;
        return std::nullopt;
    }
    if (fd >= 0) {
        size = status.st_size;
        file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    } else if (errno == ENOENT || errno == ENOTDIR || errno == ELOOP) {
        // Judged by what the open met, not by a later look, which may find another file.
        error.problem = LogoFileProblem::Missing;
        return std::nullopt;
    } else {
        error.reason = QString::fromLocal8Bit(std::strerror(errno));
    }
#else
    file.setFileName(path);
    if (!problemByName(path) && file.open(QIODevice::ReadOnly))
        size = file.size();
    else
        error.reason = file.errorString();
#endif
    if (!file.isOpen()) {
        if (const std::optional<LogoFileProblem> problem = problemByName(path)) {
            error = {*problem, {}};
            return std::nullopt;
        }
        size = QFileInfo(path).size();
    }
    if (size > std::numeric_limits<std::int32_t>::max()) {
        file.close();
        error = {LogoFileProblem::TooLarge, {}};
        return std::nullopt;
    }
    return static_cast<std::int32_t>(size);
}

// A buffer of length bytes, all zero; false when there is no memory.
bool allocate(LogoBuffer& fresh, std::int32_t length) {
    try {
        fresh.recreate(length);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

// Reads the file's bytes, one read call per byte, into indices 1 to LogoLength of fresh.
bool readBytes(QFile& file, TransferView& view, LogoBuffer& fresh) {
    char InByte = 0;
    const std::int32_t length = fresh.LogoLength;
    // An index outside the buffer is a failure, never a write: this ends the load of an empty file.
    if (!file.getChar(&InByte) || length < 1)
        return false;
    fresh.LogoData[1] = static_cast<std::uint8_t>(InByte);
    for (std::int32_t i = 2; i <= length; ++i) {
        view.setProgressValue(static_cast<float>(i));
        if (!file.getChar(&InByte))
            return false; // a read error, or the file shrank
        fresh.LogoData[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(InByte);
    }
    return file.atEnd(); // a file that grew meanwhile is no longer the file we sized
}

} // namespace

QString LogoFileError::text(const QString& path) const {
    switch (problem) {
    case LogoFileProblem::None:
        break;
    case LogoFileProblem::Missing:
        return Transfer::tr("%1 does not exist").arg(path);
    case LogoFileProblem::NotAFile:
        return Transfer::tr("%1 is not a file").arg(path);
    case LogoFileProblem::TooLarge:
        return Transfer::tr("%1 is 2 GiB or larger").arg(path);
    case LogoFileProblem::Empty:
        return Transfer::tr("%1 is empty").arg(path);
    case LogoFileProblem::NoMemory:
        return Transfer::tr("there is not enough memory for %1").arg(path);
    case LogoFileProblem::Unreadable:
        return Transfer::tr("%1 cannot be read: %2").arg(path, reason);
    case LogoFileProblem::ChangedWhileRead:
        return Transfer::tr("%1 changed size while it was read").arg(path);
    }
    return {};
}

std::optional<QString> chooseLogoFile(FileDialog& dialog) {
    const std::optional<QString> chosen = dialog.showOpen(logoDialog());
    if (!chosen || chosen->isEmpty())
        return std::nullopt;
    return chosen;
}

bool loadLogoFile(const QString& path, TransferView& view, LogoBuffer& logo, LogoFileError& error) {
    const auto fail = [&](LogoFileProblem problem, const QString& reason = {}) {
        error = {problem, reason};
        qCWarning(lcTransfer, "not loaded: %s", qUtf8Printable(error.text(path)));
        return false;
    };
    QFile file;
    const std::optional<std::int32_t> length = openLogoFile(path, file, error);
    if (!length)
        return fail(error.problem);
    // Read into a buffer of its own so that a failed load leaves the earlier logo whole.
    LogoBuffer fresh;
    if (!allocate(fresh, *length))
        return fail(LogoFileProblem::NoMemory);

    // A load that fails from here on puts back what the window showed before it began, so
    // that the status and the bar agree with the logo the File frame still names.
    const QString statusBefore = view.statusText();
    const float maxBefore = view.progressMax();
    const float valueBefore = view.progressValue();
    const auto undo = [&](LogoFileProblem problem) {
        view.setStatusText(statusBefore);
        view.setProgressMax(maxBefore);
        view.setProgressValue(valueBefore);
        return fail(problem, file.isOpen() ? file.errorString() : error.reason);
    };
    view.setStatusText(
        Transfer::tr("Loading Logo File (%1 bytes)").arg(countText(fresh.LogoLength)));
    view.refreshAction();
    view.setProgressValue(0);
    if (!file.isOpen())
        return undo(LogoFileProblem::Unreadable);
    view.setProgressMax(static_cast<float>(fresh.LogoLength));
    if (!readBytes(file, view, fresh)) {
        return undo(fresh.LogoLength == 0                  ? LogoFileProblem::Empty
                    : file.error() == QFileDevice::NoError ? LogoFileProblem::ChangedWhileRead
                                                           : LogoFileProblem::Unreadable);
    }
    file.close();

    logo = std::move(fresh);
    view.setProgressValue(0);
    view.setFileText(path);
    view.setStatusText(texts::loadedStatus());
    view.refreshAction();
    view.setDownloadEnabled(true);
    view.setHelpText(texts::loadedHelp());
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
    if (!allocate(logo, *length))
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

namespace texts {

QString loadedStatus() {
    return Transfer::tr("Logo Loaded, Now Select Download");
}

QString loadedHelp() {
    return Transfer::tr(
        "On the marker select F10, F10, F1, F8) Load HPGL. Enter a name for the logo then "
        "press Enter. Then click Download.");
}

} // namespace texts

} // namespace markast
