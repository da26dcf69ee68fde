#pragma once

#include <QByteArrayView>
#include <QSerialPort>
#include <QString>

#include <functional>
#include <optional>

namespace markast {

// The line settings MSComm hands down: 9600 baud, 8N1 and RTS/CTS unless told otherwise.
struct LineSettings {
    qint32 baudRate = 9600;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
    QSerialPort::FlowControl flow = QSerialPort::NoFlowControl;
};

// Where MSComm's bytes go: a serial device (SerialLine) or a serial device server on the
// network (network/NetworkLine). Every wait is short and bounded; MSComm strings them together
// under its stall rule. Only the waits move bytes: the questions leave the line as it is.
class Line {
public:
    virtual ~Line() = default;

    // Opens device with settings; false, with errorString() set, when it cannot be opened.
    // whileWaiting is called now and then during an open that takes time; a close() from it
    // gives the open up at once.
    [[nodiscard]] virtual bool open(const QString& device, const LineSettings& settings,
                                    const std::function<void()>& whileWaiting) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    [[nodiscard]] virtual bool applySettings(const LineSettings& settings) = 0;
    virtual void setRequestToSend(bool raised) = 0;

    // Hands as much of bytes to the system as it takes now, without waiting: the count taken
    // (0 when it takes none now, while bytes wait in the line's own buffer, which go first,
    // or where bytes only go through queue()), or -1 when the device went away.
    virtual qint64 writeNow(QByteArrayView bytes) = 0;
    // Puts bytes in the line's own buffer, behind what waits there; false when the device
    // went away.
    [[nodiscard]] virtual bool queue(QByteArrayView bytes) = 0;
    // Bytes waiting in the line's own buffer.
    virtual qint64 queued() const = 0;
    // Waits up to ms for the buffer to move on; false when the device went away.
    [[nodiscard]] virtual bool waitForWritten(int ms) = 0;
    // Waits up to ms while what the system below holds moves on; false when the device went
    // away.
    [[nodiscard]] virtual bool waitBelow(int ms) = 0;
    // Bytes the system below still holds for the far end, or nothing when it cannot say.
    virtual std::optional<qint64> heldBelow() const = 0;
    // False once the device has gone away, as far as can be told without writing.
    virtual bool alive() = 0;
    // Drops what waits in the line's own buffer, and below it where the system lets it.
    virtual void discard() = 0;
    // Whether discard() drops what heldBelow() counts, or only what waits above it.
    virtual bool discardDropsHeld() const = 0;
    // Why the last operation failed, in the system's words.
    virtual QString errorString() const = 0;
};

} // namespace markast
