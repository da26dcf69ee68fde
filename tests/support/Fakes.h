#pragma once

#include "about/SysInfo.h"
#include "app/FormServices.h"
#include "platform/Clock.h"
#include "platform/FileDialog.h"
#include "platform/MessageBoxes.h"
#include "platform/Registry.h"
#include "platform/SettingsStore.h"
#include "serial/SerialControl.h"

#include <QMap>
#include <QSet>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace markast::test {

struct ShownMessage {
    QString text;
    QString title;
    MessageBoxes::Icon icon;
};

class RecordingMessageBoxes final : public MessageBoxes {
public:
    void show(const QString& text, const QString& title, Icon icon) override;

    std::vector<ShownMessage> shown;
    // Runs while the box would be open, before show() returns.
    std::function<void()> whileOpen;
};

// Answers each open dialog with the next queued path; an empty queue cancels.
class ScriptedFileDialog final : public FileDialog {
public:
    std::optional<QString> showOpen(const OpenDialogSetup& setup) override;

    std::deque<std::optional<QString>> answers;
    std::vector<OpenDialogSetup> setups;
    bool throwsWhenShown = false; // stands for any failure escaping a handler
    std::function<void()> whileOpen;
};

// A clock that stands still until paused: every pause moves it on by the pause's length.
class FakeClock final : public Clock {
public:
    explicit FakeClock(double start = 1000.0) : now(start) {}
    double secondsSinceMidnight() override;
    void pause(std::chrono::milliseconds duration) override;

    double now;
    std::vector<double> readings;
    // Runs at every pause, after the clock has moved on.
    std::function<void()> onPause;
};

class MemorySettingsStore final : public SettingsStore {
public:
    QString read(const QString& application, const QString& section, const QString& key,
                 const QString& fallback) override;
    bool write(const QString& application, const QString& section, const QString& key,
               const QString& text) override;

    QString value(const QString& key) const { return values.value(key); }

    QMap<QString, QString> values;  // group Settings, by key
    QMap<QString, QString> devices; // group Devices, by key
    QStringList writtenKeys;        // of group Settings, in the order written
    bool refuseWrites = false;
    std::function<void()> beforeWrite;

private:
    // The group of application and section; any other than ours fails the test.
    QMap<QString, QString>& group(const QString& application, const QString& section);
};

// A serial control that records every operation and fails those it is told to.
class FakeSerialControl final : public SerialControl {
public:
    bool setCommPort(int port) override;
    int commPort() const override { return port_; }
    bool setSettings(const QString& settings) override;
    bool setRTSEnable(bool enable) override;
    bool setHandshaking(int handshaking) override;
    bool setPortOpen(bool open) override;
    bool portOpen() const override { return open_; }
    bool setOutBufferCount(int count) override;
    int outBufferCount() const override { return 0; }
    bool output(std::uint8_t byte) override;
    bool drain() override;
    void setWaitHook(std::function<void()> hook) override { waitHook = std::move(hook); }
    SerialError lastError() const override { return error; }

    // What output() took, in order.
    QByteArray sentBytes() const {
        return QByteArray(reinterpret_cast<const char*>(sent.data()), qsizetype(sent.size()));
    }

    QStringList calls;
    QSet<QString>
        failingSteps; // "CommPort", "Settings", "RTSEnable", "Handshaking", "PortOpen=True", ...
    QSet<int> portsThatFail; // ports whose open fails
    std::vector<std::uint8_t> sent;
    // Output refuses the byte with this index from 0 on, when set.
    std::optional<std::size_t> refuseAt;
    bool drainFails = false;
    std::function<void()> waitHook;
    SerialError error;

private:
    bool step(const QString& call, const QString& stepName);

    int port_ = 1;
    bool open_ = false;
};

class RecordingProcessStarter final : public ProcessStarter {
public:
    bool start(const QString& program) override;

    QStringList started;
    bool startSucceeds = true;
};

// Every fake a main window needs, with an empty registry.
struct FakeServices {
    MemorySettingsStore settings;
    RecordingMessageBoxes messages;
    ScriptedFileDialog fileDialog;
    FakeClock clock;
    FakeSerialControl serial;
    RegFileRegistry registry{RegFileRegistry::Hive()};
    RecordingProcessStarter processes;

    FormServices services();
    FormServices services(SerialControl& realSerial);
};

} // namespace markast::test
