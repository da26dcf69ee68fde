#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

namespace markast {

// The context the network layer's texts are translated in.
class Network {
    Q_DECLARE_TR_FUNCTIONS(Network)
};

// A serial device server's address, in the forms pyserial's serial_for_url reads:
// "rfc2217://HOST:PORT" (Telnet COM Port Control) or "socket://HOST:PORT" (raw TCP). HOST is a
// name, an IPv4 address or a bracketed IPv6 address.
struct NetworkAddress {
    enum class Protocol { Rfc2217, Socket };

    Protocol protocol = Protocol::Socket;
    QString host; // IPv6 without its brackets
    quint16 port = 0;

    // The address as the operator writes it.
    QString text() const;
};

// Whether device names a network device at all, however well: it starts with one of the two
// schemes.
bool isNetworkDevice(const QString& device);

// The address device names; nothing, with reason set, when it names none.
std::optional<NetworkAddress> parseNetworkAddress(const QString& device, QString& reason);

} // namespace markast
