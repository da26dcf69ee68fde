#pragma once

#include "serial/Line.h"
#include "serial/SerialControl.h"

#include <QElapsedTimer>

#include <chrono>
#include <memory>
#include <optional>

namespace markast {

// The serial-port component. A COM port's device is a serial device, opened through Qt Serial
// Port, or a serial device server's network address ("rfc2217://HOST:PORT",
// "socket://HOST:PORT"); the rest of the program does not know the difference.
class MSComm final : public SerialControl {
public:
    static constexpr int OutBufferSize = 512;
    // Long enough for a real UART to empty its kernel queue at 9600 baud while the marker
    // holds CTS for a moment.
    static constexpr std::chrono::milliseconds DefaultStallTime{30000};

    // The device COMn opens; by default MARKAST_COMn, else the built-in device.
    using DeviceLookup = std::function<QString(int port)>;
    // Bytes the driver still holds, or nothing when the device cannot say.
    using QueueQuery = std::function<std::optional<qint64>()>;

    explicit MSComm(DeviceLookup deviceFor = {});
    ~MSComm() override;

    bool setCommPort(int port) override;
    int commPort() const override { return commPort_; }
    bool setSettings(const QString& settings) override;
    bool setRTSEnable(bool enable) override;
    bool setHandshaking(int handshaking) override;
    bool setPortOpen(bool open) override;
    bool portOpen() const override { return line_ && line_->isOpen(); }
    bool setOutBufferCount(int count) override;
    int outBufferCount() const override;
    bool output(std::uint8_t byte) override;
    // Queues a block under the same rules as output(): never more than OutBufferSize bytes
    // pending, the same stall rule, nothing after a refused byte.
    [[nodiscard]] bool output(QByteArrayView bytes);
    bool drain() override;
    void setWaitHook(std::function<void()> hook) override { waitHook_ = std::move(hook); }
    SerialError lastError() const override { return lastError_; }

    // How long the device may take no byte before output() or drain() gives up.
    void setStallTime(std::chrono::milliseconds stallTime) { stallTime_ = stallTime; }
    // Bytes that have left our buffers for the line since the port opened, less what a
    // discard took back from the driver.
    qint64 bytesSent() const { return sent_; }
    // Bytes the line has carried, as far as can be told: those sent, less what the driver or
    // the device server still holds.
    qint64 bytesOnLine() const { return sent_ - queueQuery_().value_or(0); }
    // Where drain() asks how much the driver still holds; the driver itself by default.
    void setQueueQuery(QueueQuery query) { queueQuery_ = std::move(query); }

private:
    LineSettings settingsNow() const;
    bool openForOutput();
    bool waitUntilPendingAtMost(qint64 limit);
    bool waitUntilDriverQueueEmpty();
    bool keepWaiting(qint64& pending, qint64 now, QElapsedTimer& sinceProgress);
    // Discards what is pending, then notes reason; false.
    bool fail(const QString& reason);
    // Notes reason as the last error; false.
    bool failWith(const QString& reason);
    bool deviceGone();
    bool reopen();
    void discardPending();

    std::unique_ptr<Line> line_;
    QString device_; // what the last open tried
    SerialError lastError_;
    int commPort_ = 1;
    bool deviceLost_ = false; // closed because the device went away, not on purpose
    qint64 sent_ = 0;
    LineSettings settings_;
    bool rtsEnable_ = false;
    int handshaking_ = 0;
    std::chrono::milliseconds stallTime_ = DefaultStallTime;
    std::function<void()> waitHook_;
    DeviceLookup deviceFor_;
    QueueQuery queueQuery_;
};

} // namespace markast
