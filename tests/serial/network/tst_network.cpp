// Serial device servers without a server: their addresses, and the COM port commands of Telnet
// COM Port Control. The data itself is checked against a real ser2net, and fuzzed.
#include "serial/network/NetworkAddress.h"
#include "serial/network/TelnetComPort.h"

#include <QTest>

using namespace markast;

namespace {

QByteArray serverCommand(const QByteArray& payload) {
    return "\xff\xfa\x2c" + payload + "\xff\xf0";
}

const QByteArray AgreeToComPort("\xff\xfd\x2c");

} // namespace

class TestNetwork : public QObject {
    Q_OBJECT

    QByteArray sent;
    std::unique_ptr<TelnetComPort> telnet;

private Q_SLOTS:
    void init() {
        sent.clear();
        telnet =
            std::make_unique<TelnetComPort>([this](QByteArrayView bytes) { sent.append(bytes); });
    }

    // Each device string, and the address read from it or why there is none.
    void addresses_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("address");
        const QString port = QStringLiteral("the port must be a number from 1 to 65535, not ");
        const std::pair<const char*, QString> rows[] = {
            {"rfc2217://marker-3.plant:7017", "rfc2217://marker-3.plant:7017"},
            {"socket://10.0.0.5:4001", "socket://10.0.0.5:4001"},
            {"rfc2217://[::1]:7017", "rfc2217://[::1]:7017"},
            {" SOCKET://Host:80?ign_set_control ", "socket://Host:80"},
            {"socket://", "the port is missing"},
            {"socket://host", "the port is missing"},
            {"socket://:4001", "the host is missing"},
            {"socket://host:0", port + "\"0\""},
            {"rfc2217://host:65536", port + "\"65536\""},
            {"socket://host:+7", port + "\"+7\""},
            {"socket:// host :7", "it holds a blank"},
            {"rfc2217://[::1", "the IPv6 address has no closing bracket"},
            {"socket://::1:7", "an IPv6 address must stand in brackets"},
            {"socket://[banana]:7", "\"banana\" is no IPv6 address"},
            {"socket://a/b:7", "\"a/b\" is no host name"}};
        for (const auto& [device, address] : rows)
            QTest::newRow(device) << QString::fromLatin1(device) << address;
    }

    void addresses() {
        QFETCH(QString, device);
        QFETCH(QString, address);
        QString reason;
        const std::optional<NetworkAddress> read = parseNetworkAddress(device, reason);
        QVERIFY(isNetworkDevice(device));
        QCOMPARE(read ? read->text() : reason, address);
    }

    void settingsGoOnceTheServerAgrees() {
        telnet->start();
        telnet->requestLineSettings({});
        QVERIFY(!sent.contains("\xff\xfa"));
        sent.clear();
        telnet->receive(AgreeToComPort + serverCommand(QByteArray("\x65\x00\x00\x25\x80", 5)));
        QCOMPARE(sent, serverCommand(QByteArray("\x01\x00\x00\x25\x80", 5)) +
                           serverCommand("\x02\x08") + serverCommand("\x03\x01") +
                           serverCommand("\x04\x01") + serverCommand("\x05\x03") +
                           serverCommand("\x05\x08") + serverCommand("\x0a\x40"));
        QCOMPARE(telnet->confirmed(), QStringList{"SET-BAUDRATE 9600"});
        QCOMPARE(telnet->unconfirmed().size(), 6);
        sent.clear();
        telnet->purgeTransmitBuffer();
        QCOMPARE(sent, serverCommand("\x0c\x02"));
    }

    void flowControlAndLineState() {
        telnet->start();
        telnet->receive(AgreeToComPort + serverCommand("\x6c"));
        QVERIFY(telnet->suspended());
        telnet->receive(serverCommand("\x6d"));
        QVERIFY(!telnet->suspended());
        // A server that never said its transmitter is empty (ser2net on a pseudo-terminal
        // says 0) is not waited for; one that did is, after each send, until it says so again.
        telnet->receive(serverCommand(QByteArray("\x6a\x00", 2)));
        telnet->sendData("x");
        QVERIFY(!telnet->farEndSending());
        telnet->receive(serverCommand("\x6a\x60"));
        QVERIFY(!telnet->farEndSending());
        telnet->sendData("y");
        QVERIFY(telnet->farEndSending());
        telnet->receive(serverCommand("\x6a\x40"));
        QVERIFY(!telnet->farEndSending());
    }
};

QTEST_GUILESS_MAIN(TestNetwork)
#include "tst_network.moc"
