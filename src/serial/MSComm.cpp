#include "serial/MSComm.h"

#include "serial/ComDevices.h"
#include "serial/DeviceAccess.h"
#include "serial/SerialLine.h"
#include "serial/network/NetworkAddress.h"
#include "serial/network/NetworkLine.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <optional>

namespace markast {

Q_LOGGING_CATEGORY(lcSerial, "markast.serial")

namespace {

class Serial {
    Q_DECLARE_TR_FUNCTIONS(Serial)
};

constexpr int MaxPort = 16;
constexpr int WaitSliceMs = 50;

template <typename Value> struct Named {
    const char* text;
    Value value;
};
// The letters and numbers of a line-settings text such as "9600,N,8,1".
constexpr Named<QSerialPort::Parity> Parities[] = {{"N", QSerialPort::NoParity},
                                                   {"E", QSerialPort::EvenParity},
                                                   {"O", QSerialPort::OddParity},
                                                   {"M", QSerialPort::MarkParity},
                                                   {"S", QSerialPort::SpaceParity}};
constexpr Named<QSerialPort::StopBits> StopBitCounts[] = {
    {"1", QSerialPort::OneStop}, {"1.5", QSerialPort::OneAndHalfStop}, {"2", QSerialPort::TwoStop}};

template <typename Value, std::size_t N>
std::optional<Value> lookUp(const Named<Value> (&table)[N], const QString& text) {
    for (const auto& entry : table) {
        if (text.compare(QLatin1String(entry.text), Qt::CaseInsensitive) == 0)
            return entry.value;
    }
    return std::nullopt;
}

} // namespace

MSComm::MSComm(DeviceLookup deviceFor)
    : deviceFor_(deviceFor ? std::move(deviceFor) : DeviceLookup([](int port) {
          return resolveComDevice(port, environmentDevice(port), QString());
      })),
      queueQuery_([this] { return line_ ? line_->heldBelow() : std::nullopt; }) {}

MSComm::~MSComm() = default;

bool MSComm::setCommPort(int port) {
    if (portOpen())
        return false;
    if (port < 1 || port > MaxPort) {
        commPort_ = 0; // an open must not fall back to the port chosen before
        return false;
    }
    commPort_ = port;
    return true;
}

bool MSComm::setSettings(const QString& settings) {
    if (settings.isEmpty())
        return true;
    const QStringList fields = settings.split(QLatin1Char(','));
    if (fields.size() != 4)
        return false;
    bool baudOk = false;
    bool dataOk = false;
    const int baud = fields[0].trimmed().toInt(&baudOk);
    const int data = fields[2].trimmed().toInt(&dataOk);
    const auto parity = lookUp(Parities, fields[1].trimmed());
    const auto stop = lookUp(StopBitCounts, fields[3].trimmed());
    if (!baudOk || baud <= 0 || !dataOk || data < 5 || data > 8 || !parity || !stop)
        return false;
    settings_ = {baud, *parity, static_cast<QSerialPort::DataBits>(data), *stop};
    return !portOpen() || line_->applySettings(settingsNow());
}

bool MSComm::setRTSEnable(bool enable) {
    rtsEnable_ = enable;
    if (portOpen())
        line_->setRequestToSend(enable);
    return true;
}

bool MSComm::setHandshaking(int handshaking) {
    if (handshaking < 0 || handshaking > 3)
        return false;
    handshaking_ = handshaking;
    return !portOpen() || line_->applySettings(settingsNow());
}

bool MSComm::setPortOpen(bool open) {
    deviceLost_ = false; // a port closed or opened on purpose is never reopened behind it
    if (!open) {
        if (line_)
            line_->close();
        return true;
    }
    if (portOpen())
        return failWith(Serial::tr("the port is open already"));
    if (commPort_ == 0)
        return failWith(Serial::tr("no COM port is chosen"));
    device_ = deviceFor_(commPort_);
    const bool network = isNetworkDevice(device_);
    line_ = network ? std::unique_ptr<Line>(std::make_unique<NetworkLine>())
                    : std::make_unique<SerialLine>();
    if (!line_->open(device_, settingsNow(), waitHook_)) {
        failWith(line_->errorString());
        lastError_.noPermission = !network && deviceAccess(device_) == DeviceAccess::NoPermission;
        qCWarning(lcSerial, "COM%d could not be opened: %s", commPort_,
                  qUtf8Printable(lastError_.text()));
        return false;
    }
    line_->setRequestToSend(rtsEnable_);
    sent_ = 0;
    return true;
}

// Handshaking 3 (RTS/CTS with XON/XOFF) has no Qt equivalent; the hardware lines win.
LineSettings MSComm::settingsNow() const {
    LineSettings settings = settings_;
    settings.flow = handshaking_ >= HandshakeRtsCts ? QSerialPort::HardwareControl
                    : handshaking_ == 1             ? QSerialPort::SoftwareControl
                                                    : QSerialPort::NoFlowControl;
    return settings;
}

bool MSComm::setOutBufferCount(int count) {
    if (count != 0 || !portOpen())
        return false;
    discardPending();
    return true;
}

int MSComm::outBufferCount() const {
    return portOpen() ? static_cast<int>(line_->queued()) : 0;
}

bool MSComm::output(std::uint8_t byte) {
    if (!openForOutput())
        return false;
    if (!waitUntilPendingAtMost(OutBufferSize - 1))
        return false;
    const char c = static_cast<char>(byte);
    return line_->queue(QByteArrayView(&c, 1)) || deviceGone();
}

// The driver is offered the whole rest at once, as cat would; only when it is full do a few
// bytes go through Qt's buffer, whose wait for them is the wait for the driver to take
// bytes again. The line takes none directly while its buffer holds some, so order is kept.
bool MSComm::output(QByteArrayView bytes) {
    if (!openForOutput() || !waitUntilPendingAtMost(0))
        return false;
    while (!bytes.isEmpty()) {
        const qint64 taken = line_->writeNow(bytes);
        if (taken < 0)
            return deviceGone();
        sent_ += taken;
        bytes = bytes.sliced(taken);
        if (taken > 0 || bytes.isEmpty())
            continue;
        const QByteArrayView part = bytes.first(std::min<qint64>(OutBufferSize, bytes.size()));
        if (!line_->queue(part))
            return deviceGone();
        bytes = bytes.sliced(part.size());
        if (!waitUntilPendingAtMost(0))
            return false;
    }
    return true;
}

bool MSComm::openForOutput() {
    // After the device went away the port is opened again; else the failure that closed it
    // stays the one to report.
    return portOpen() || (deviceLost_ && reopen());
}

// A replugged adapter is a new device, which the old handle never reaches again.
bool MSComm::reopen() {
    if (setPortOpen(true) && setOutBufferCount(0))
        return true;
    deviceLost_ = true; // still away: the next output tries again
    return false;
}

// "Done" means the bytes have left the driver too: the marker may still be receiving the
// kilobytes a UART's driver holds, seconds of them at 9600 baud.
// A device server that closed the connection may have dropped what it acknowledged: that is
// no completion.
bool MSComm::drain() {
    return portOpen() && waitUntilPendingAtMost(0) && waitUntilDriverQueueEmpty() &&
           (line_->alive() || deviceGone());
}

// Qt holds written bytes in an unbounded buffer that reaches the device only while we wait
// for it, so every wait happens here, in short slices that never spin and never block for good.
bool MSComm::waitUntilPendingAtMost(qint64 limit) {
    qint64 pending = line_->queued();
    QElapsedTimer sinceProgress;
    sinceProgress.start();
    while (pending > limit) {
        if (!line_->waitForWritten(WaitSliceMs))
            return deviceGone();
        const qint64 now = line_->queued();
        sent_ += std::max<qint64>(0, pending - now);
        if (!keepWaiting(pending, now, sinceProgress))
            return false;
    }
    return true;
}

// A device that cannot say what its driver holds counts as empty.
bool MSComm::waitUntilDriverQueueEmpty() {
    qint64 queued = queueQuery_().value_or(0);
    QElapsedTimer sinceProgress;
    sinceProgress.start();
    while (queued > 0) {
        if (!line_->waitBelow(WaitSliceMs))
            return deviceGone();
        if (!keepWaiting(queued, queueQuery_().value_or(0), sinceProgress))
            return false;
    }
    return true;
}

// One slice of a wait: bytes gone restart the stall clock, none for the stall time fail the
// wait; between slices the window repaints, and may close the port meanwhile.
bool MSComm::keepWaiting(qint64& pending, qint64 now, QElapsedTimer& sinceProgress) {
    if (now < pending) {
        pending = now;
        sinceProgress.restart();
    } else if (sinceProgress.elapsed() >= stallTime_.count()) {
        return fail(Serial::tr("the line took no byte for %1 s")
                        .arg(std::chrono::duration<double>(stallTime_).count()));
    }
    if (waitHook_)
        waitHook_();
    if (!portOpen())
        return false; // closed on purpose meanwhile
    return line_->alive() || deviceGone();
}

// Drops what is still queued so that no byte after a refused one reaches the line.
bool MSComm::fail(const QString& reason) {
    discardPending();
    return failWith(reason);
}

// What the driver still holds never reaches the line either.
void MSComm::discardPending() {
    if (!portOpen())
        return;
    if (line_->discardDropsHeld())
        sent_ -= queueQuery_().value_or(0);
    line_->discard();
}

// The device went away under us: its handle is dead, so it is closed, and the next output
// opens the port again with the same settings.
bool MSComm::deviceGone() {
    fail(line_->errorString());
    line_->close();
    deviceLost_ = true;
    return false;
}

bool MSComm::failWith(const QString& reason) {
    lastError_ = {device_, reason, false};
    return false;
}

} // namespace markast
