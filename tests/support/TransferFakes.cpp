#include "support/TransferFakes.h"

namespace markast::test {

bool FakeSerialControl::step(const QString& call, const QString& stepName) {
    calls.append(call);
    return !failingSteps.contains(stepName) && !failingSteps.contains(call);
}

bool FakeSerialControl::setCommPort(int port) {
    const bool ok = step(QStringLiteral("CommPort=%1").arg(port), QStringLiteral("CommPort"));
    if (open_ || port < 1 || port > 16) {
        port_ = 0;
        return false;
    }
    port_ = port;
    return ok;
}

bool FakeSerialControl::setSettings(const QString& settings) {
    return step(QStringLiteral("Settings=\"%1\"").arg(settings), QStringLiteral("Settings"));
}

bool FakeSerialControl::setRTSEnable(bool enable) {
    return step(QStringLiteral("RTSEnable=%1").arg(enable ? "True" : "False"),
                QStringLiteral("RTSEnable"));
}

bool FakeSerialControl::setHandshaking(int handshaking) {
    return step(QStringLiteral("Handshaking=%1").arg(handshaking), QStringLiteral("Handshaking"));
}

bool FakeSerialControl::setPortOpen(bool open) {
    const QString call = open ? QStringLiteral("PortOpen=True") : QStringLiteral("PortOpen=False");
    if (!step(call, call))
        return false;
    if (!open) {
        open_ = false;
        return true;
    }
    if (open_ || port_ == 0 || portsThatFail.contains(port_))
        return false;
    open_ = true;
    return true;
}

bool FakeSerialControl::setOutBufferCount(int count) {
    return step(QStringLiteral("OutBufferCount=%1").arg(count), QStringLiteral("OutBufferCount")) &&
           open_;
}

bool FakeSerialControl::output(std::uint8_t byte) {
    if (!open_ || (refuseAt && sent.size() == *refuseAt))
        return false;
    sent.push_back(byte);
    return true;
}

bool FakeSerialControl::drain() {
    return open_ && !drainFails;
}

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
