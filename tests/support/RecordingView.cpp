#include "support/RecordingView.h"

namespace markast::test {

void RecordingView::setProgressValue(float value) {
    values.push_back(value);
    if (logEveryValue)
        log.append(QStringLiteral("value: %1").arg(double(value), 0, 'f', 0));
    if (onProgress)
        onProgress(value);
}

void RecordingView::setPhase(Phase phase) {
    static const char* const names[] = {"idle", "sending", "settling"};
    log.append(QStringLiteral("phase: ") + QLatin1String(names[static_cast<int>(phase)]));
}

void RecordingView::processEvents() {
    ++processEventsCalls;
    if (onProcessEvents)
        onProcessEvents();
}

LogoBuffer logoOf(const QByteArray& bytes) {
    LogoBuffer logo;
    logo.LogoLength = static_cast<std::int32_t>(bytes.size());
    logo.LogoData.assign(1, 0xEE);
    logo.LogoData.insert(logo.LogoData.end(), bytes.begin(), bytes.end());
    return logo;
}

} // namespace markast::test
