#include "serial/network/NetworkLine.h"

#include "serial/network/SocketQueue.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace markast {

namespace {

constexpr int SliceMs = 50;
// How long the server may take to agree to the COM port option before the data goes anyway.
constexpr int AgreementMs = 1000;
// How long a close waits for the last commands (a purge) to leave.
constexpr int CloseMs = 1000;

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
    inSocket_ = 0;
    sentData_ = discarded_ = false;
    if (!connectWithin(whileWaiting))
        return false;
    open_ = true;
    if (address_->protocol == NetworkAddress::Protocol::Rfc2217)
        negotiate(settings, whileWaiting);
    if (alive())
        return true;
    close();
    return false;
}

bool NetworkLine::connectWithin(const std::function<void()>& whileWaiting) {
    const QDeadlineTimer deadline(ConnectTimeoutMs);
    socket_.connectToHost(address_->host, address_->port);
    while (socket_.state() != QAbstractSocket::ConnectedState &&
           socket_.state() != QAbstractSocket::UnconnectedState && !deadline.hasExpired()) {
        runEventsFor(SliceMs);
        if (whileWaiting)
            whileWaiting();
    }
    if (socket_.state() == QAbstractSocket::ConnectedState) {
        socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        return true;
    }
    // A black-holed address leaves no error of its own: it simply never answers.
    const QAbstractSocket::SocketError error =
        deadline.hasExpired() && socket_.error() == QAbstractSocket::UnknownSocketError
            ? QAbstractSocket::SocketTimeoutError
            : socket_.error();
    socket_.abort();
    return failWith(socketFailure(error));
}

void NetworkLine::negotiate(const LineSettings& settings,
                            const std::function<void()>& whileWaiting) {
    telnet_ = std::make_unique<TelnetComPort>(
        [this](QByteArrayView bytes) { socket_.write(bytes.data(), bytes.size()); });
    telnet_->start();
    telnet_->requestLineSettings(requestFor(settings));
    // The settings go out once the server agrees to the option; the data waits that long,
    // but no longer than a moment, so that it follows them.
    const QDeadlineTimer deadline(AgreementMs);
    while (!telnet_->comPortAgreed() && !deadline.hasExpired() && alive()) {
        socket_.waitForReadyRead(SliceMs);
        pump();
        if (whileWaiting)
            whileWaiting();
    }
    if (!telnet_->comPortAgreed())
        qCWarning(lcNetwork, "%s did not agree to COM-PORT-OPTION: its own line settings apply",
                  qUtf8Printable(address_->text()));
}

void NetworkLine::close() {
    if (!open_)
        return;
    open_ = false;
    if (discarded_ && !telnet_) {
        // Nothing more may reach the marker: reset the connection rather than deliver it.
        dropQueuedOnClose(socket_.socketDescriptor());
        socket_.abort();
        return;
    }
    // The last commands, a purge among them, go out first, and a purge is seen through.
    const QDeadlineTimer deadline(CloseMs);
    while (socket_.state() == QAbstractSocket::ConnectedState && !deadline.hasExpired() &&
           (socket_.bytesToWrite() > 0 || (telnet_ && telnet_->purging()))) {
        socket_.waitForBytesWritten(SliceMs) || socket_.waitForReadyRead(SliceMs);
        pump();
    }
    logConfirmations();
    socket_.disconnectFromHost();
    if (socket_.state() != QAbstractSocket::UnconnectedState)
        socket_.abort();
    telnet_.reset();
}

bool NetworkLine::applySettings(const LineSettings& settings) {
    if (telnet_)
        telnet_->requestLineSettings(requestFor(settings));
    return true;
}

bool NetworkLine::queue(QByteArrayView bytes) {
    if (!alive())
        return false;
    discarded_ = false;
    pending_.append(bytes.data(), bytes.size());
    return true;
}

qint64 NetworkLine::queued() const {
    return pending_.size() + (socket_.bytesToWrite() > 0 ? inSocket_ : 0);
}

bool NetworkLine::waitForWritten(int ms) {
    pump();
    if (socket_.bytesToWrite() > 0)
        socket_.waitForBytesWritten(ms);
    else
        socket_.waitForReadyRead(ms); // nothing may go now: wait for the server to resume
    pump();
    return alive();
}

void NetworkLine::pump() {
    if (socket_.state() != QAbstractSocket::ConnectedState)
        return;
    const QByteArray received = socket_.readAll();
    if (telnet_)
        telnet_->receive(received);
    if (socket_.bytesToWrite() > 0 || pending_.isEmpty() || (telnet_ && telnet_->suspended()))
        return;
    inSocket_ = pending_.size();
    sentData_ = true;
    if (telnet_)
        telnet_->sendData(pending_);
    else
        socket_.write(pending_);
    pending_.clear();
}

std::optional<qint64> NetworkLine::heldBelow() {
    if (!alive())
        return std::nullopt;
    socket_.waitForReadyRead(0);
    pump();
    const qint64 held = unacknowledgedBytes(socket_.socketDescriptor()).value_or(0);
    return held + (telnet_ && telnet_->farEndSending() ? 1 : 0);
}

bool NetworkLine::alive() {
    if (!open_)
        return false;
    if (socket_.state() != QAbstractSocket::ConnectedState)
        return failWith(socketFailure(socket_.error()));
    if (telnet_ && !telnet_->protocolError().isEmpty())
        return failWith(Network::tr("the server's Telnet could not be read (%1)")
                            .arg(telnet_->protocolError()));
    return true;
}

// Data the server holds from an earlier connection, or from a send that completed, is not
// ours to drop: the purge only follows data of this connection's.
void NetworkLine::discard() {
    pending_.clear();
    discarded_ = true;
    if (telnet_ && sentData_)
        telnet_->purgeTransmitBuffer();
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
