#pragma once

#include "serial/Line.h"
#include "serial/network/LinePace.h"
#include "serial/network/NetworkAddress.h"
#include "serial/network/TelnetComPort.h"

#include <QElapsedTimer>
#include <QTcpSocket>

#include <memory>

namespace markast {

// A serial device server reached over TCP: raw ("socket://"), where the server owns the line
// settings, or with Telnet COM Port Control ("rfc2217://"), where Markast asks for them. It
// connects only where it is pointed and never listens.
//
// The server's kernel acknowledges bytes long before its line has carried them, so the bytes
// go out at the marker's line rate (LinePace), never more than a moment ahead, and the line
// counts them as held below until the estimate has carried the last one.
class NetworkLine final : public Line {
public:
    // The longest a connection attempt may take, name lookup included.
    static constexpr int ConnectTimeoutMs = 5000;
    // How long an RFC 2217 server may take to negotiate, and then to answer on binary
    // transmission, the COM port option and the line settings.
    static constexpr int AgreementMs = 2000;
    // The most Markast holds of what the server sends, and of its own unsent answers to it.
    static constexpr qint64 HoldLimit = 64 * 1024;

    NetworkLine();
    ~NetworkLine() override;

    bool open(const QString& device, const LineSettings& settings,
              const std::function<void()>& whileWaiting) override;
    void close() override;
    bool isOpen() const override { return open_; }
    bool applySettings(const LineSettings& settings) override;
    void setRequestToSend(bool) override {} // the server raises its lines for its own device
    qint64 writeNow(QByteArrayView) override { return 0; }
    bool queue(QByteArrayView bytes) override;
    qint64 queued() const override { return pending_.size(); }
    bool waitForWritten(int ms) override;
    bool waitBelow(int ms) override;
    // What the line cannot have carried yet, acknowledged or not, and a byte more while an
    // RFC 2217 server says its transmitter is still sending.
    std::optional<qint64> heldBelow() const override;
    bool alive() override;
    void discard() override;
    // A raw connection is reset, which drops what TCP holds; RFC 2217's still delivers it, and
    // the server purges what it holds then.
    bool discardDropsHeld() const override { return !telnet_; }
    QString errorString() const override { return error_; }

private:
    bool connectWithin(const std::function<void()>& whileWaiting);
    bool negotiate(const LineSettings& settings, const std::function<void()>& whileWaiting);
    // Handles the socket's events until done() or ms have passed; whether done() came.
    bool waitUntil(const std::function<bool()>& done, int ms,
                   const std::function<void()>& whileWaiting);
    // Reads what the server sent: Telnet heeds its commands, its data is of no use. Nothing is
    // read while our answers to it pile up unsent.
    void receive();
    // Moves waiting bytes into the socket as far as the line's pace lets them.
    void hand();
    void advancePace();
    bool lineHeld() const { return telnet_ && telnet_->lineHeld(); }
    // Resets the connection, dropping what TCP still holds; the next bytes connect again.
    void dropConnection();
    bool failWith(const QString& reason);
    QString socketFailure(QAbstractSocket::SocketError error) const;
    void logConfirmations() const;

    QTcpSocket socket_;
    std::optional<NetworkAddress> address_;
    std::unique_ptr<TelnetComPort> telnet_;
    std::function<void()> whileWaiting_;
    QByteArray pending_; // data bytes not yet handed to the socket
    LinePace pace_;
    QElapsedTimer lineClock_;
    bool open_ = false;
    bool dropped_ = false; // reset on purpose after a discard
    bool stopped_ = false; // closed, which an open or a connection under way heeds
    bool opening_ = false; // agreeing with the server, which closes on its own when stopped
    QString error_;
};

} // namespace markast
