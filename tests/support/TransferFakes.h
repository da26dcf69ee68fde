#pragma once

#include "app/TransferView.h"
#include "logofile/LogoBuffer.h"
#include "serial/SerialControl.h"

#include <QByteArray>
#include <QSet>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace markast::test {

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

// Records what a load or a download shows, in order. Progress values are kept apart, since
// there is one per byte.
class RecordingView final : public TransferView {
public:
    QString statusText() const override { return status; }
    void setStatusText(const QString& text) override {
        status = text;
        log.append("status: " + text);
    }
    void refreshAction() override { log.append("refresh"); }
    float progressMax() const override { return max; }
    void setProgressMax(float max) override {
        this->max = max;
        log.append(QStringLiteral("max: %1").arg(double(max), 0, 'f', 0));
    }
    float progressValue() const override { return values.empty() ? 0 : values.back(); }
    void setProgressValue(float value) override;
    void setFileText(const QString& text) override { log.append("file: " + text); }
    void setHelpText(const QString& text) override { log.append("help: " + text); }
    void setDownloadEnabled(bool enabled) override {
        log.append(enabled ? "download enabled" : "download disabled");
    }
    void enableOpen() override { log.append("open enabled"); }
    void setPhase(Phase phase) override;
    void keepResponsive() override { ++keepResponsiveCalls; }
    void processEvents() override;
    bool isUnloaded() const override { return unloaded; }

    QStringList log;
    QString status;
    std::vector<float> values; // every progress value, in order
    bool logEveryValue = true; // off for big files
    float max = 100;
    int keepResponsiveCalls = 0;
    int processEventsCalls = 0;
    bool unloaded = false;
    std::function<void(float)> onProgress;
    std::function<void()> onProcessEvents;
};

// A logo buffer with bytes at indices 1 on, as a load leaves it; index 0, which is never sent,
// holds 0xEE so that a send of it shows.
LogoBuffer logoOf(const QByteArray& bytes);

} // namespace markast::test
