#include "transfer/LogoLoader.h"

#include "platform/FileDialog.h"
#include "platform/Translations.h"
#include "transfer/TransferView.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <limits>
#include <new>
#include <optional>

namespace markast {

namespace {

Q_LOGGING_CATEGORY(lcTransfer, "markast.transfer")

OpenDialogSetup logoDialog() {
    return {Transfer::tr("Open Logo File"),
            Transfer::tr("HPGL Plot Files (*.PLT) ") + QStringLiteral("|*.plt|") +
                Transfer::tr("Logo Files (*.Dot) ") + QStringLiteral("|*.Dot"),
            QString()};
}

// The file's size as LogoLength: an ordinary file of less than 2 GiB. Nothing, with error set,
// for anything else. An empty file is measured, as the load shows its size before it fails.
std::optional<std::int32_t> logoLength(const QString& path, LogoFileError& error) {
    const QFileInfo info(path);
    const LogoFileProblem problem = !info.exists()   ? LogoFileProblem::Missing
                                    : !info.isFile() ? LogoFileProblem::NotAFile
                                    : info.size() > std::numeric_limits<std::int32_t>::max()
                                        ? LogoFileProblem::TooLarge
                                        : LogoFileProblem::None;
    error = {problem, {}};
    if (problem != LogoFileProblem::None)
        return std::nullopt;
    return static_cast<std::int32_t>(info.size());
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
    const std::optional<std::int32_t> length = logoLength(path, error);
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
    QFile file(path);
    const auto undo = [&](LogoFileProblem problem) {
        view.setStatusText(statusBefore);
        view.setProgressMax(maxBefore);
        view.setProgressValue(valueBefore);
        return fail(problem, file.errorString());
    };
    view.setStatusText(
        Transfer::tr("Loading Logo File (%1 bytes)").arg(countText(fresh.LogoLength)));
    view.refreshAction();
    view.setProgressValue(0);
    if (!file.open(QIODevice::ReadOnly))
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
    const std::optional<std::int32_t> length = logoLength(path, error);
    if (!length)
        return std::nullopt;
    if (*length == 0)
        return fail(LogoFileProblem::Empty);
    LogoBuffer logo;
    if (!allocate(logo, *length))
        return fail(LogoFileProblem::NoMemory);
    // No window shows progress here, so the file is read in one call.
    QFile file(path);
    const std::span<std::uint8_t> payload = logo.payloadToFill();
    const bool read = file.open(QIODevice::ReadOnly) &&
                      file.read(reinterpret_cast<char*>(payload.data()), *length) == *length &&
                      file.atEnd();
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
