#pragma once

#include <QString>

#include <cstdint>
#include <functional>

namespace markast {

// Why the last operation of a serial control failed, for the log and for messages of our own.
struct SerialError {
    QString device;            // the device it was on, such as "/dev/ttyUSB0"
    QString reason;            // the operating system's words, such as "Permission denied"
    bool noPermission = false; // the device exists, but this account may not write it

    QString text() const { return device + QLatin1String(": ") + reason; }
};

// What the program needs of its serial-port component. Every operation reports failure by
// returning false; the caller decides whether to stop or carry on.
class SerialControl {
public:
    static constexpr int HandshakeRtsCts = 2;

    virtual ~SerialControl() = default;

    // Selects COMn. Only while the port is closed; an invalid number fails and selects no port.
    [[nodiscard]] virtual bool setCommPort(int port) = 0;
    virtual int commPort() const = 0;
    // "baud,parity,data,stop" as in "9600,N,8,1"; the empty text keeps the line settings in force.
    [[nodiscard]] virtual bool setSettings(const QString& settings) = 0;
    [[nodiscard]] virtual bool setRTSEnable(bool enable) = 0;
    [[nodiscard]] virtual bool setHandshaking(int handshaking) = 0;
    // True opens the selected port; false closes it, which is no error when it is closed already.
    [[nodiscard]] virtual bool setPortOpen(bool open) = 0;
    virtual bool portOpen() const = 0;
    // Only 0 is accepted: it discards whatever waits to be sent.
    [[nodiscard]] virtual bool setOutBufferCount(int count) = 0;
    virtual int outBufferCount() const = 0;
    // Queues one byte. Bytes leave in call order and none is dropped. A byte that cannot be
    // queued (port closed, line stalled, device gone) fails; nothing after it is sent. After
    // the device went away, the next output first opens the port again, as it was set up.
    [[nodiscard]] virtual bool output(std::uint8_t byte) = 0;
    // Waits until every queued byte has left our buffers and the driver's. A line that takes
    // no byte for the stall time fails, and what is still queued is discarded.
    [[nodiscard]] virtual bool drain() = 0;
    // Called now and then while output() or drain() waits, so the window can repaint.
    virtual void setWaitHook(std::function<void()> hook) = 0;
    // What made the last failing operation fail.
    virtual SerialError lastError() const = 0;
};

} // namespace markast
