#include "support/Fakes.h"

#include <QTest>

#include <stdexcept>

namespace markast::test {

void RecordingMessageBoxes::show(const QString& text, const QString& title, Icon icon) {
    shown.push_back({text, title, icon});
    if (whileOpen)
        whileOpen();
}

std::optional<QString> ScriptedFileDialog::showOpen(const OpenDialogSetup& setup) {
    setups.push_back(setup);
    if (throwsWhenShown)
        throw std::runtime_error("dialog failed");
    if (whileOpen)
        whileOpen();
    if (answers.empty())
        return std::nullopt;
    const bool cancelled = !answers.front().has_value();
    const QString path = answers.front().value_or(QString());
    answers.pop_front();
    if (cancelled)
        return std::nullopt;
    return path;
}

double FakeClock::secondsSinceMidnight() {
    readings.push_back(now);
    return now;
}

void FakeClock::pause(std::chrono::milliseconds duration) {
    now += duration.count() / 1000.0;
    if (onPause)
        onPause();
}

QMap<QString, QString>& MemorySettingsStore::group(const QString& application,
                                                   const QString& section) {
    if (application == QLatin1String("Markast") && section == QLatin1String("Devices"))
        return devices;
    if (application != QLatin1String("Markast") || section != QLatin1String("Settings"))
        QTest::qFail("settings outside Markast/Settings and Markast/Devices", __FILE__, __LINE__);
    return values;
}

QString MemorySettingsStore::read(const QString& application, const QString& section,
                                  const QString& key, const QString& fallback) {
    return group(application, section).value(key, fallback);
}

bool MemorySettingsStore::write(const QString& application, const QString& section,
                                const QString& key, const QString& text) {
    if (section == QLatin1String("Devices")) {
        devices.insert(key, text);
        return true;
    }
    group(application, section);
    if (beforeWrite)
        beforeWrite();
    writtenKeys.append(key);
    if (refuseWrites)
        return false;
    values.insert(key, text);
    return true;
}

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

bool RecordingProcessStarter::start(const QString& program) {
    started.append(program);
    return startSucceeds && !program.isEmpty();
}

FormServices FakeServices::services() {
    return services(serial);
}

FormServices FakeServices::services(SerialControl& realSerial) {
    return {settings, messages, fileDialog, clock, realSerial, registry, processes};
}

} // namespace markast::test
