#include "app/LogoLoader.h"

#include "app/RestTexts.h"
#include "app/TransferView.h"
#include "platform/FileDialog.h"
#include "platform/Translations.h"

#include <QFile>
#include <QLoggingCategory>

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
    if (!allocateLogo(fresh, *length))
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
    const RestTexts rest = RestTexts::of(Rest::Loaded);
    view.setProgressValue(0);
    view.setFileText(path);
    view.setStatusText(rest.status);
    view.refreshAction();
    view.setDownloadEnabled(true);
    view.setHelpText(rest.help);
    return true;
}

} // namespace markast
