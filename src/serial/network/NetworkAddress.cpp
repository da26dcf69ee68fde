#include "serial/network/NetworkAddress.h"

#include <QHostAddress>
#include <QRegularExpression>

namespace markast {

namespace {

struct Scheme {
    QLatin1String prefix;
    NetworkAddress::Protocol protocol;
};
const Scheme Schemes[] = {{QLatin1String("rfc2217://"), NetworkAddress::Protocol::Rfc2217},
                          {QLatin1String("socket://"), NetworkAddress::Protocol::Socket}};

const Scheme* schemeOf(const QString& device) {
    for (const Scheme& scheme : Schemes) {
        if (device.trimmed().startsWith(scheme.prefix, Qt::CaseInsensitive))
            return &scheme;
    }
    return nullptr;
}

// A host name: letters, digits, hyphens and dots, as DNS and /etc/hosts have them.
bool isHostName(const QString& host) {
    static const QRegularExpression name(QStringLiteral("^[A-Za-z0-9_]([A-Za-z0-9_.-]*)$"));
    return host.size() <= 253 && name.match(host).hasMatch();
}

} // namespace

QString NetworkAddress::text() const {
    const QString scheme =
        protocol == Protocol::Rfc2217 ? QStringLiteral("rfc2217://") : QStringLiteral("socket://");
    const QString shownHost = host.contains(u':') ? u'[' + host + u']' : host;
    return scheme + shownHost + u':' + QString::number(port);
}

bool isNetworkDevice(const QString& device) {
    return schemeOf(device) != nullptr;
}

std::optional<NetworkAddress> parseNetworkAddress(const QString& device, QString& reason) {
    const auto fail = [&reason](const QString& why) {
        reason = why;
        return std::nullopt;
    };
    const Scheme* scheme = schemeOf(device);
    if (!scheme)
        return fail(Network::tr("it starts with neither rfc2217:// nor socket://"));
    QString rest = device.trimmed().mid(scheme->prefix.size());
    // pyserial's options after '?', such as ?ign_set_control, ask nothing of us.
    rest = rest.left(rest.indexOf(u'?'));
    if (rest.contains(QRegularExpression(QStringLiteral("\\s"))))
        return fail(Network::tr("it holds a blank"));

    NetworkAddress address{scheme->protocol, {}, 0};
    qsizetype colon = -1;
    if (rest.startsWith(u'[')) {
        const qsizetype close = rest.indexOf(u']');
        if (close < 0)
            return fail(Network::tr("the IPv6 address has no closing bracket"));
        address.host = rest.mid(1, close - 1);
        if (QHostAddress(address.host).protocol() != QAbstractSocket::IPv6Protocol)
            return fail(Network::tr("\"%1\" is no IPv6 address").arg(address.host));
        if (rest.mid(close + 1, 1) != QLatin1String(":"))
            return fail(Network::tr("the port is missing"));
        colon = close + 1;
    } else {
        colon = rest.lastIndexOf(u':');
        if (colon < 0)
            return fail(Network::tr("the port is missing"));
        address.host = rest.left(colon);
        if (address.host.isEmpty())
            return fail(Network::tr("the host is missing"));
        if (address.host.contains(u':'))
            return fail(Network::tr("an IPv6 address must stand in brackets"));
        if (!isHostName(address.host))
            return fail(Network::tr("\"%1\" is no host name").arg(address.host));
    }
    const QString port = rest.mid(colon + 1);
    bool isNumber = false;
    const uint number = port.toUInt(&isNumber);
    if (port.isEmpty())
        return fail(Network::tr("the port is missing"));
    if (!isNumber || number < 1 || number > 65535 || !port.front().isDigit())
        return fail(Network::tr("the port must be a number from 1 to 65535, not \"%1\"").arg(port));
    address.port = static_cast<quint16>(number);
    return address;
}

} // namespace markast
