#pragma once

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

} // namespace markast::test
