#include "app/LogoSender.h"

#include "app/RestTexts.h"
#include "app/TransferView.h"
#include "platform/Clock.h"
#include "platform/Translations.h"
#include "serial/SerialControl.h"

#include <cfenv>
#include <cmath>

namespace markast {

namespace {

constexpr double SettleSeconds = 3.0;
constexpr double SecondsPerDay = 24 * 60 * 60;
constexpr std::chrono::milliseconds SettlePollInterval{20};
// How many bytes may go by between two repaints when the line never makes us wait.
constexpr std::int32_t BytesPerRepaint = 4096;

bool sendBytes(const LogoBuffer& logo, SerialControl& control, TransferView& view) {
    for (std::int32_t i = 1; i <= logo.LogoLength; ++i) {
        view.setProgressValue(static_cast<float>(i));
        if (!control.output(logo.LogoData[static_cast<std::size_t>(i)]))
            return false;
        if (i % BytesPerRepaint == 0)
            view.keepResponsive();
    }
    // "Download Complete" only once nothing waits in our own buffers any more.
    return control.drain();
}

} // namespace

double settleStart(double secondsSinceMidnight) {
    const int previousMode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double start = std::nearbyint(secondsSinceMidnight);
    std::fesetround(previousMode);
    return start;
}

bool settleTimeUp(double start, double secondsSinceMidnight) {
    // Rounding puts the start at most half a second past the first reading, so a reading
    // further below it can only come from a clock that started the day again.
    if (secondsSinceMidnight < start - 1.0)
        secondsSinceMidnight += SecondsPerDay;
    return secondsSinceMidnight >= start + SettleSeconds;
}

SendOutcome downloadLogo(const LogoBuffer& logo, SerialControl& control, TransferView& view,
                         Clock& clock) {
    view.setPhase(TransferView::Phase::Sending);
    view.setStatusText(
        Transfer::tr("Downloading HPGL file (%1 bytes)").arg(countText(logo.LogoLength)));
    view.refreshAction();
    view.setProgressValue(0);
    if (!sendBytes(logo, control, view)) {
        view.setPhase(TransferView::Phase::Idle);
        return SendOutcome::Refused;
    }
    view.setStatusText(Transfer::tr("Download Complete"));
    view.refreshAction();

    view.setPhase(TransferView::Phase::Settling);
    if (view.isUnloaded())
        return SendOutcome::WindowClosed; // a close that waited for the last byte
    const double start = settleStart(clock.secondsSinceMidnight());
    for (;;) {
        view.processEvents();
        if (view.isUnloaded())
            return SendOutcome::WindowClosed;
        if (settleTimeUp(start, clock.secondsSinceMidnight()))
            break;
        clock.pause(SettlePollInterval);
    }
    view.setPhase(TransferView::Phase::Idle);

    const RestTexts rest = RestTexts::of(Rest::AfterDownload);
    view.enableOpen();
    view.setStatusText(rest.status);
    view.setFileText(rest.file.value_or(QString()));
    view.setDownloadEnabled(false);
    view.setProgressValue(0);
    view.setHelpText(rest.help);
    return SendOutcome::Completed;
}

} // namespace markast
