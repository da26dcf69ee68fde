#include "transfer/LogoLoader.h"

#include "platform/FileDialog.h"
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

const OpenDialogSetup LogoDialog{
    QStringLiteral("Open Logo File"),
    QStringLiteral("HPGL Plot Files (*.PLT) |*.plt|Logo Files (*.Dot) |*.Dot"),
    QString(),
};

// A file that can be a logo is an ordinary file whose size fits LogoLength.
std::optional<std::int32_t> logoLength(const QFileInfo& info) {
    if (!info.isFile() || info.size() > std::numeric_limits<std::int32_t>::max())
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

bool loadLogo(FileDialog& dialog, TransferView& view, LogoBuffer& logo) {
    const std::optional<QString> chosen = dialog.showOpen(LogoDialog);
    if (!chosen || chosen->isEmpty())
        return false;
    const QString path = *chosen;

    const std::optional<std::int32_t> length = logoLength(QFileInfo(path));
    // Read into a buffer of its own so that a failed load leaves the earlier logo whole.
    LogoBuffer fresh;
    if (!length || !allocate(fresh, *length)) {
        qCWarning(lcTransfer,
                  "%s was not loaded: it is no file of less than 2 GiB, or there "
                  "is not enough memory for it",
                  qUtf8Printable(path));
        return false;
    }

    // A load that fails from here on puts back what the window showed before it began, so
    // that the status and the bar agree with the logo the File frame still names.
    const QString statusBefore = view.statusText();
    const float maxBefore = view.progressMax();
    const float valueBefore = view.progressValue();
    QFile file(path);
    const auto fail = [&] {
        qCWarning(lcTransfer, "%s was not loaded: %s", qUtf8Printable(path),
                  file.error() == QFileDevice::NoError ? "it changed size while it was read"
                                                       : qUtf8Printable(file.errorString()));
        view.setStatusText(statusBefore);
        view.setProgressMax(maxBefore);
        view.setProgressValue(valueBefore);
        return false;
    };
    view.setStatusText(QStringLiteral("Loading Logo File (%1 bytes)").arg(fresh.LogoLength));
    view.refreshAction();
    view.setProgressValue(0);
    if (!file.open(QIODevice::ReadOnly))
        return fail();
    view.setProgressMax(static_cast<float>(fresh.LogoLength));
    if (!readBytes(file, view, fresh))
        return fail();
    file.close();

    logo = std::move(fresh);
    view.setProgressValue(0);
    view.setFileText(path);
    view.setStatusText(QStringLiteral("Logo Loaded, Now Select Download"));
    view.refreshAction();
    view.setDownloadEnabled(true);
    view.setHelpText(texts::LoadedHelp);
    return true;
}

std::optional<LogoBuffer> readLogoFile(const QString& path, LogoFileError& error) {
    const auto fail = [&error](LogoFileProblem problem, const QString& reason = {}) {
        error = {problem, reason};
        return std::nullopt;
    };
    const QFileInfo info(path);
    if (!info.exists())
        return fail(LogoFileProblem::Missing);
    if (!info.isFile())
        return fail(LogoFileProblem::NotAFile);
    const std::optional<std::int32_t> length = logoLength(info);
    if (!length)
        return fail(LogoFileProblem::TooLarge);
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

} // namespace markast
