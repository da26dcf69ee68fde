#pragma once

#include "serial/network/Line.h"
#include "serial/network/NetworkAddress.h"
#include "serial/network/TelnetComPort.h"

#include <QTcpSocket>

#include <memory>

namespace markast {

// A serial device server reached over TCP: raw ("socket://"), where the server owns the line
// settings, or with Telnet COM Port Control ("rfc2217://"), where Markast asks for them. It
// connects only where it is pointed and never listens.
class NetworkLine final : public Line {
public:
    // The longest a connection attempt may take, name lookup included.
    static constexpr int ConnectTimeoutMs = 5000;

    ~NetworkLine() override;

    bool open(const QString& device, const LineSettings& settings,
              const std::function<void()>& whileWaiting) override;
    void close() override;
    bool isOpen() const override { return open_; }
    bool applySettings(const LineSettings& settings) override;
    void setRequestToSend(bool) override {} // the server raises its lines for its own device
    qint64 writeNow(QByteArrayView) override { return 0; }
    bool queue(QByteArrayView bytes) override;
    qint64 queued() const override;
    bool waitForWritten(int ms) override;
    // What TCP has not yet had acknowledged, and a byte more while an RFC 2217 server says its
    // transmitter is still sending.
    std::optional<qint64> heldBelow() override;
    bool alive() override;
    void discard() override;
    // A raw connection is reset, which drops what TCP holds; RFC 2217's still delivers it, and
    // the server purges what it holds then.
    bool discardDropsHeld() const override { return !telnet_; }
    QString errorString() const override { return error_; }

private:
    bool connectWithin(const std::function<void()>& whileWaiting);
    void negotiate(const LineSettings& settings, const std::function<void()>& whileWaiting);
    // Reads what the server sent, and moves the buffer on into the socket where it may.
    void pump();
    bool failWith(const QString& reason);
    QString socketFailure(QAbstractSocket::SocketError error) const;
    void logConfirmations() const;

    QTcpSocket socket_;
    std::optional<NetworkAddress> address_;
    std::unique_ptr<TelnetComPort> telnet_;
    QByteArray pending_;  // data bytes not yet handed to the socket
    qint64 inSocket_ = 0; // data bytes handed to the socket, while it still holds them
    bool open_ = false;
    bool sentData_ = false; // only then is there anything of ours for a purge to drop
    bool discarded_ = false;
    QString error_;
};

} // namespace markast
