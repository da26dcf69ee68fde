#pragma once

#include "serial/Line.h"

#include <QSerialPort>

namespace markast {

// A serial device through Qt Serial Port, opened write-only, since nothing is ever read from
// the marker (read-write only where the system allows no less, as Wine on Windows).
class SerialLine final : public Line {
public:
    ~SerialLine() override;

    bool open(const QString& device, const LineSettings& settings,
              const std::function<void()>& whileWaiting) override;
    void close() override;
    bool isOpen() const override { return port_.isOpen(); }
    bool applySettings(const LineSettings& settings) override;
    void setRequestToSend(bool raised) override;
    qint64 writeNow(QByteArrayView bytes) override;
    bool queue(QByteArrayView bytes) override;
    qint64 queued() const override { return reopenBeforeWrite_ ? 0 : port_.bytesToWrite(); }
    bool waitForWritten(int ms) override;
    bool waitBelow(int ms) override;
    std::optional<qint64> heldBelow() const override;
    bool alive() override { return true; } // a tty tells only when written to
    void discard() override;
    bool discardDropsHeld() const override { return true; }
    QString errorString() const override { return error_; }

private:
    bool fail();
    // Opens the port again where a discard left it unable to write.
    bool readyToWrite();

    QSerialPort port_;
    LineSettings settings_;
    bool requestToSend_ = false;
    bool reopenBeforeWrite_ = false;
    QString error_;
};

} // namespace markast
