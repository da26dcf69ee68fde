#include "serial/SerialLine.h"

#include "serial/DriverQueue.h"

#include <QThread>

namespace markast {

namespace {

// A modem-line or flow-control call that the device cannot do (a pseudo-terminal has no modem
// lines) is no failure: the line still carries the bytes.
bool succeededOrUnsupported(bool ok, QSerialPort& port) {
    if (ok)
        return true;
    if (port.error() == QSerialPort::UnsupportedOperationError) {
        port.clearError();
        return true;
    }
    return false;
}

} // namespace

SerialLine::~SerialLine() {
    close();
}

bool SerialLine::open(const QString& device, const LineSettings& settings,
                      const std::function<void()>&) {
    reopenBeforeWrite_ = false;
    port_.setPortName(device);
    if (!(openForWriting(port_) || fail()) || !applySettings(settings)) {
        close();
        return false;
    }
    succeededOrUnsupported(port_.setDataTerminalReady(true), port_);
    port_.clearError();
    return true;
}

void SerialLine::close() {
    if (port_.isOpen())
        port_.close();
    port_.clearError();
}

bool SerialLine::applySettings(const LineSettings& settings) {
    settings_ = settings;
    return (succeededOrUnsupported(port_.setBaudRate(settings.baudRate), port_) &&
            succeededOrUnsupported(port_.setParity(settings.parity), port_) &&
            succeededOrUnsupported(port_.setDataBits(settings.dataBits), port_) &&
            succeededOrUnsupported(port_.setStopBits(settings.stopBits), port_) &&
            succeededOrUnsupported(port_.setFlowControl(settings.flow), port_)) ||
           fail();
}

void SerialLine::setRequestToSend(bool raised) {
    requestToSend_ = raised;
    // Under RTS/CTS handshaking the driver owns RTS and keeps it raised while it can receive.
    if (port_.flowControl() != QSerialPort::HardwareControl)
        succeededOrUnsupported(port_.setRequestToSend(raised), port_);
    port_.clearError();
}

// Bytes in Qt's buffer reach the driver later: any handed to the driver now would overtake them.
qint64 SerialLine::writeNow(QByteArrayView bytes) {
    if (!readyToWrite())
        return -1;
    if (port_.bytesToWrite() > 0)
        return 0;
    const qint64 taken = writeToDriver(port_, bytes);
    if (taken < 0)
        fail();
    return taken;
}

bool SerialLine::queue(QByteArrayView bytes) {
    if (!readyToWrite())
        return false;
    return port_.write(bytes.data(), bytes.size()) == bytes.size() || fail();
}

// Qt holds written bytes in an unbounded buffer that reaches the device only while we wait
// for it; a wait that merely timed out is no failure.
bool SerialLine::waitForWritten(int ms) {
    port_.waitForBytesWritten(ms);
    if (port_.error() == QSerialPort::TimeoutError || errorLeavesPortUsable(port_))
        port_.clearError();
    return port_.error() == QSerialPort::NoError || fail();
}

// The driver sends on its own: there is nothing to move.
bool SerialLine::waitBelow(int ms) {
    QThread::msleep(ulong(ms));
    return true;
}

std::optional<qint64> SerialLine::heldBelow() const {
    return driverOutputQueue(port_);
}

void SerialLine::discard() {
    reopenBeforeWrite_ = discardOutput(port_) || reopenBeforeWrite_;
    port_.clearError();
}

// Not at the discard itself: the port stays open, with its modem lines as they are, until
// there is something to send again.
bool SerialLine::readyToWrite() {
    if (!reopenBeforeWrite_)
        return true;
    const QString device = port_.portName();
    close();
    if (!open(device, settings_, {}))
        return false;
    setRequestToSend(requestToSend_);
    return true;
}

bool SerialLine::fail() {
    error_ = port_.errorString();
    // Windows' own texts end in a full stop ("Access denied."); the sentences around them
    // add their own.
    while (error_.endsWith(QLatin1Char('.')))
        error_.chop(1);
    port_.clearError();
    return false;
}

} // namespace markast
