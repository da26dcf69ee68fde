#include "serial/network/NetworkLine.h"

#include "serial/network/NameLookup.h"
#include "serial/network/SocketQueue.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QHostAddress>
#include <QTimer>

namespace markast {

namespace {

constexpr int SliceMs = 50;
// How often a wait for the line's pace looks again: 20 bytes at 9600 baud.
constexpr int PaceSliceMs = 20;
// How long a close waits for the last commands (a purge) to leave.
constexpr int CloseMs = 1000;
// What one read takes from the server at most, so that our answers to it are looked at
// between reads.
constexpr qint64 ReadChunk = 4096;

// Handles what arrives for the socket for a moment: name lookup, connection, data.
void runEventsFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

TelnetComPort::LineRequest requestFor(const LineSettings& settings) {
    TelnetComPort::LineRequest request;
    request.baudRate = quint32(settings.baudRate);
    request.dataSize = quint8(settings.dataBits);
    // RFC 2217 counts NONE, ODD, EVEN, MARK, SPACE from 1; Qt has gaps in its numbers.
    switch (settings.parity) {
    case QSerialPort::OddParity:
        request.parity = 2;
        break;
    case QSerialPort::EvenParity:
        request.parity = 3;
        break;
    case QSerialPort::MarkParity:
        request.parity = 4;
        break;
    case QSerialPort::SpaceParity:
        request.parity = 5;
        break;
    default:
        request.parity = 1;
    }
    request.stopSize = settings.stopBits == QSerialPort::TwoStop          ? 2
                       : settings.stopBits == QSerialPort::OneAndHalfStop ? 3
                                                                          : 1;
    request.hardwareFlow = settings.flow == QSerialPort::HardwareControl;
    return request;
}

} // namespace

NetworkLine::NetworkLine() {
    // Whatever the server sends is read as it comes, while idle too, and never held for long.
    socket_.setReadBufferSize(HoldLimit);
    QObject::connect(&socket_, &QTcpSocket::readyRead, &socket_, [this] { receive(); });
    QObject::connect(&socket_, &QTcpSocket::bytesWritten, &socket_, [this] { receive(); });
}

NetworkLine::~NetworkLine() {
    close();
}

bool NetworkLine::open(const QString& device, const LineSettings& settings,
                       const std::function<void()>& whileWaiting) {
    QString reason;
    address_ = parseNetworkAddress(device, reason);
    if (!address_)
        return failWith(Network::tr("not a network address: %1").arg(reason));
    pending_.clear();
    dropped_ = false;
    stopped_ = false;
    whileWaiting_ = whileWaiting;
    pace_.setBytesPerSecond(lineBytesPerSecond(settings));
    // Ready before the connection, for the server's first words.
    telnet_.reset();
    if (address_->protocol == NetworkAddress::Protocol::Rfc2217) {
        telnet_ = std::make_unique<TelnetComPort>(
            [this](QByteArrayView bytes) { socket_.write(bytes.data(), bytes.size()); });
    }
    if (!connectWithin(whileWaiting))
        return false;
    open_ = true;
    opening_ = true;
    const bool agreed = address_->protocol != NetworkAddress::Protocol::Rfc2217 ||
                        negotiate(settings, whileWaiting);
    opening_ = false;
    if (!agreed) {
        dropConnection(); // nothing of ours went out, and nothing may
        open_ = false;
        return false;
    }
    if (alive())
        return true;
    close();
    return false;
}

// The name lookup counts towards the connection's time, and a close from whileWaiting gives
// either up at once.
bool NetworkLine::connectWithin(const std::function<void()>& whileWaiting) {
    const QDeadlineTimer deadline(ConnectTimeoutMs);
    const auto waitAMoment = [&] {
        runEventsFor(SliceMs);
        if (whileWaiting)
            whileWaiting();
        return !stopped_ && !deadline.hasExpired();
    };
    QHostAddress host;
    if (!host.setAddress(address_->host)) {
        const NameLookup lookup(address_->host);
        while (!lookup.result() && waitAMoment()) {
        }
        if (stopped_)
            return failWith(Network::tr("the connection was given up"));
        if (!lookup.result())
            return failWith(socketFailure(QAbstractSocket::SocketTimeoutError));
        if (lookup.result()->addresses().isEmpty())
            return failWith(socketFailure(QAbstractSocket::HostNotFoundError));
        host = lookup.result()->addresses().constFirst();
    }
    socket_.connectToHost(host, address_->port);
    while (socket_.state() != QAbstractSocket::ConnectedState &&
           socket_.state() != QAbstractSocket::UnconnectedState && waitAMoment()) {
    }
    if (socket_.state() == QAbstractSocket::ConnectedState && !stopped_) {
        socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        pace_.restart();
        lineClock_.start();
        return true;
    }
    // A black-holed address leaves no error of its own: it simply never answers.
    const QAbstractSocket::SocketError error =
        deadline.hasExpired() && socket_.error() == QAbstractSocket::UnknownSocketError
            ? QAbstractSocket::SocketTimeoutError
            : socket_.error();
    socket_.abort();
    return failWith(stopped_ ? Network::tr("the connection was given up") : socketFailure(error));
}

// A Telnet server opens the negotiation. One that says nothing is taken for a raw TCP server,
// to which our own offers would be bytes for the marker: nothing at all is sent to it.
bool NetworkLine::negotiate(const LineSettings& settings,
                            const std::function<void()>& whileWaiting) {
    if (!waitUntil([this] { return telnet_->negotiationSeen(); }, AgreementMs, whileWaiting)) {
        if (stopped_)
            return failWith(Network::tr("the connection was given up"));
        if (!alive())
            return false; // closed by the server, which says so
        NetworkAddress raw = *address_;
        raw.protocol = NetworkAddress::Protocol::Socket;
        return failWith(Network::tr("the server did not negotiate Telnet within %1 s, so it "
                                    "does not speak RFC 2217; for a raw TCP server, use %2")
                            .arg(AgreementMs / 1000)
                            .arg(raw.text()));
    }
    telnet_->start();
    telnet_->requestLineSettings(requestFor(settings));
    // No data byte goes before the server's answers, for a line under other settings than
    // those asked for would garble every one; a server that does not answer is not waited for
    // longer than a moment, and then has its own way.
    waitUntil([this] { return telnet_->settled(); }, AgreementMs, whileWaiting);
    if (stopped_)
        return failWith(Network::tr("the connection was given up"));
    if (!alive())
        return false;
    const QString server = address_->text();
    if (!telnet_->binaryAnswered())
        qCWarning(lcNetwork, "%s did not answer on binary transmission", qUtf8Printable(server));
    if (!telnet_->comPortAgreed())
        qCWarning(lcNetwork, "%s did not agree to COM-PORT-OPTION: its own line settings apply",
                  qUtf8Printable(server));
    else if (const QStringList unanswered = telnet_->unansweredSettings(); !unanswered.isEmpty())
        qCWarning(lcNetwork, "%s did not answer %s: its own line settings may apply",
                  qUtf8Printable(server), qUtf8Printable(unanswered.join(QLatin1String(", "))));
    return true;
}

bool NetworkLine::waitUntil(const std::function<bool()>& done, int ms,
                            const std::function<void()>& whileWaiting) {
    const QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired() && !stopped_ && alive()) {
        socket_.flush();
        socket_.waitForReadyRead(SliceMs);
        if (whileWaiting)
            whileWaiting();
    }
    return done();
}

void NetworkLine::close() {
    stopped_ = true; // an open or a connection under way gives up, and cleans up after itself
    if (!open_ || opening_)
        return;
    open_ = false;
    if (dropped_)
        return;
    // The last commands, a purge among them, go out first, and a purge is seen through.
    const QDeadlineTimer deadline(CloseMs);
    while (socket_.state() == QAbstractSocket::ConnectedState && !deadline.hasExpired() &&
           (socket_.bytesToWrite() > 0 || (telnet_ && telnet_->purging()))) {
        socket_.waitForBytesWritten(SliceMs) || socket_.waitForReadyRead(SliceMs);
    }
    logConfirmations();
    socket_.disconnectFromHost();
    if (socket_.state() != QAbstractSocket::UnconnectedState)
        socket_.abort();
    telnet_.reset();
}

bool NetworkLine::applySettings(const LineSettings& settings) {
    pace_.setBytesPerSecond(lineBytesPerSecond(settings));
    if (telnet_)
        telnet_->requestLineSettings(requestFor(settings));
    return true;
}

bool NetworkLine::queue(QByteArrayView bytes) {
    if (dropped_ && !connectWithin(whileWaiting_))
        return false;
    dropped_ = false;
    if (!alive())
        return false;
    pending_.append(bytes.data(), bytes.size());
    return true;
}

bool NetworkLine::waitForWritten(int ms) {
    hand();
    if (socket_.bytesToWrite() > 0)
        socket_.waitForBytesWritten(ms);
    else // nothing may go now: wait for the line's pace, or for the server to resume
        socket_.waitForReadyRead(pending_.isEmpty() ? ms : std::min(ms, PaceSliceMs));
    hand();
    return alive();
}

void NetworkLine::receive() {
    while (socket_.bytesAvailable() > 0 && socket_.bytesToWrite() < HoldLimit) {
        const QByteArray received = socket_.read(ReadChunk);
        if (telnet_)
            telnet_->receive(received);
    }
}

// Nothing goes while the socket still holds bytes of ours: a server that does not read
// stops us, and the stall rule sees it.
void NetworkLine::hand() {
    if (dropped_ || socket_.state() != QAbstractSocket::ConnectedState)
        return;
    socket_.flush();
    advancePace();
    if (pending_.isEmpty() || socket_.bytesToWrite() > 0 || lineHeld())
        return;
    const qint64 count = std::min<qint64>(pending_.size(), pace_.room());
    if (count <= 0)
        return;
    const QByteArrayView part = QByteArrayView(pending_).first(count);
    if (telnet_)
        telnet_->sendData(part);
    else
        socket_.write(part.data(), part.size());
    socket_.flush();
    pace_.handed(count);
    pending_.remove(0, count);
}

// What the socket and TCP hold counts as not acknowledged; Telnet's doubled 0xFF and its
// commands only make that count larger, never smaller.
void NetworkLine::advancePace() {
    const qint64 unacknowledged =
        socket_.bytesToWrite() + unacknowledgedBytes(socket_.socketDescriptor()).value_or(0);
    pace_.advance(lineClock_.elapsed(), pace_.handedCount() - unacknowledged, lineHeld());
}

bool NetworkLine::waitBelow(int ms) {
    const QDeadlineTimer deadline(ms);
    while (!dropped_ && socket_.state() == QAbstractSocket::ConnectedState &&
           !deadline.hasExpired())
        socket_.waitForReadyRead(int(deadline.remainingTime()));
    hand();
    return alive();
}

std::optional<qint64> NetworkLine::heldBelow() const {
    if (!open_)
        return std::nullopt;
    if (dropped_)
        return 0;
    return pace_.ahead() + (telnet_ && telnet_->farEndSending() ? 1 : 0);
}

bool NetworkLine::alive() {
    if (!open_)
        return false;
    if (dropped_)
        return true;
    if (socket_.state() != QAbstractSocket::ConnectedState)
        return failWith(socketFailure(socket_.error()));
    if (telnet_ && !telnet_->protocolError().isEmpty())
        return failWith(Network::tr("the server's Telnet could not be read (%1)")
                            .arg(telnet_->protocolError()));
    if (const auto differing = telnet_ ? telnet_->differingSetting() : std::nullopt)
        return failWith(Network::tr("the server answered %1 with %2: the marker would receive "
                                    "every byte garbled")
                            .arg(differing->asked, differing->set));
    if (telnet_ && telnet_->binaryRefused()) {
        NetworkAddress raw = *address_;
        raw.protocol = NetworkAddress::Protocol::Socket;
        return failWith(Network::tr("the server refused binary transmission, without which the "
                                    "logo's bytes do not pass unchanged; for a raw TCP port on "
                                    "the server, use %1")
                            .arg(raw.text()));
    }
    return true;
}

// Data the server holds from an earlier connection, or from a send that completed, is not
// ours to drop: only what the line cannot have carried yet is.
void NetworkLine::discard() {
    pending_.clear();
    if (dropped_ || socket_.state() != QAbstractSocket::ConnectedState)
        return;
    advancePace();
    const bool oursHeld = pace_.ahead() > 0 || (telnet_ && telnet_->farEndSending());
    if (oursHeld && telnet_)
        telnet_->purgeTransmitBuffer();
    else if (oursHeld)
        dropConnection();
    pace_.restart();
}

void NetworkLine::dropConnection() {
    dropQueuedOnClose(socket_.socketDescriptor());
    socket_.abort();
    telnet_.reset();
    dropped_ = true;
}

QString NetworkLine::socketFailure(QAbstractSocket::SocketError error) const {
    switch (error) {
    case QAbstractSocket::HostNotFoundError:
        return Network::tr("the name was not found");
    case QAbstractSocket::ConnectionRefusedError:
        return Network::tr("the connection was refused");
    case QAbstractSocket::RemoteHostClosedError:
        return Network::tr("the connection was closed by the server");
    case QAbstractSocket::SocketTimeoutError:
        return Network::tr("no answer within %1 s").arg(ConnectTimeoutMs / 1000);
    default:
        return socket_.errorString();
    }
}

bool NetworkLine::failWith(const QString& reason) {
    error_ = reason;
    return false;
}

void NetworkLine::logConfirmations() const {
    if (!telnet_)
        return;
    const QStringList confirmed = telnet_->confirmed();
    const QStringList unconfirmed = telnet_->unconfirmed();
    if (!confirmed.isEmpty())
        qCInfo(lcNetwork, "%s confirmed %s", qUtf8Printable(address_->text()),
               qUtf8Printable(confirmed.join(QLatin1String(", "))));
    if (!unconfirmed.isEmpty())
        qCWarning(lcNetwork, "%s did not confirm %s", qUtf8Printable(address_->text()),
                  qUtf8Printable(unconfirmed.join(QLatin1String(", "))));
}

} // namespace markast
