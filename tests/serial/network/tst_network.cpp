// Serial device servers without a server: their addresses, the line's pace, and the COM port
// commands of Telnet COM Port Control. The data itself is checked against a real ser2net, and
// fuzzed.
#include "serial/network/LinePace.h"
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
                           serverCommand("\x05\x08") + serverCommand("\x0a\x40") +
                           serverCommand("\x0b\x10"));
        QCOMPARE(telnet->confirmed(), QStringList{"SET-BAUDRATE 9600"});
        QCOMPARE(telnet->unconfirmed().size(), 7);
        sent.clear();
        telnet->purgeTransmitBuffer();
        QCOMPARE(sent, serverCommand("\x0c\x02"));
    }

    // What data waits for: the server's word on binary mode, on the COM port option and on
    // each line setting, DTR and the report masks aside. Each row's words come after the
    // server granted binary mode both ways, unless it says otherwise.
    void answers_data() {
        QTest::addColumn<QByteArray>("words");
        QTest::addColumn<bool>("settled");
        QTest::addColumn<QString>("differing"); // "asked | set"
        QTest::addColumn<QString>("unanswered");
        QTest::addColumn<bool>("binaryRefused");
        const QByteArray echoes = serverCommand(QByteArray("\x65\x00\x00\x25\x80", 5)) +
                                  serverCommand("\x66\x08") + serverCommand("\x67\x01") +
                                  serverCommand("\x68\x01");
        const QByteArray flowEcho = serverCommand("\x69\x03");
        QTest::newRow("every line setting confirmed")
            << AgreeToComPort + echoes + flowEcho << true << ""
            << "" << false;
        QTest::newRow("flow control set off")
            << AgreeToComPort + echoes + serverCommand("\x69\x01") << true
            << "SET-CONTROL 3 (RTS/CTS) | 1 (no flow control)"
            << "" << false;
        QTest::newRow("one setting unanswered")
            << AgreeToComPort + echoes.first(echoes.size() - 7) + flowEcho << false << ""
            << "SET-STOPSIZE 1" << false;
        QTest::newRow("no word on the COM port option") << QByteArray() << false << ""
                                                        << "" << false;
        QTest::newRow("the COM port option refused") << QByteArray("\xff\xfe\x2c") << true << ""
                                                     << "" << false;
        QTest::newRow("binary mode refused our way")
            << QByteArray("\xff\xfe\x00", 3) + AgreeToComPort + echoes + flowEcho << true << ""
            << "" << true;
        QTest::newRow("binary mode refused its way")
            << QByteArray("\xff\xfc\x00", 3) + AgreeToComPort + echoes + flowEcho << true << ""
            << "" << true;
    }

    void answers() {
        QFETCH(QByteArray, words);
        QFETCH(bool, settled);
        QFETCH(QString, differing);
        QFETCH(QString, unanswered);
        QFETCH(bool, binaryRefused);
        telnet->start();
        telnet->requestLineSettings({});
        telnet->receive(QByteArray("\xff\xfd\x00\xff\xfb\x00", 6) + words);
        QCOMPARE(telnet->settled(), settled);
        const auto difference = telnet->differingSetting();
        QCOMPARE(difference ? difference->asked + " | " + difference->set : QString(), differing);
        QCOMPARE(telnet->unansweredSettings().join(", "), unanswered);
        QCOMPARE(telnet->binaryRefused(), binaryRefused);
    }

    // A raw TCP server says nothing, or bytes that are no Telnet negotiation.
    void aTelnetServerSpeaksFirst() {
        telnet->receive("marker says hello\r\n");
        QVERIFY(!telnet->negotiationSeen());
        telnet->receive("\xff\xfb\x03");
        QVERIFY(telnet->negotiationSeen());
    }

    void flowControlAndLineState() {
        telnet->start();
        telnet->requestLineSettings({});
        telnet->receive(AgreeToComPort + serverCommand("\x6c"));
        QVERIFY(telnet->suspended());
        QVERIFY(telnet->lineHeld());
        telnet->receive(serverCommand("\x6d"));
        QVERIFY(!telnet->suspended());
        // CTS low holds the line only from a server that once reported it high: ser2net on a
        // pseudo-terminal reports 0 for ever.
        telnet->receive(serverCommand(QByteArray("\x6b\x00", 2)));
        QVERIFY(!telnet->lineHeld());
        telnet->receive(serverCommand("\x6b\x10") + serverCommand(QByteArray("\x6b\x00", 2)));
        QVERIFY(telnet->lineHeld());
        telnet->receive(serverCommand("\x6b\x30"));
        QVERIFY(!telnet->lineHeld());
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

    void lineRates_data() {
        QTest::addColumn<int>("baud");
        QTest::addColumn<int>("parity");
        QTest::addColumn<int>("dataBits");
        QTest::addColumn<int>("stopBits");
        QTest::addColumn<double>("bytesPerSecond");
        QTest::newRow("9600 8N1") << 9600 << int(QSerialPort::NoParity) << 8
                                  << int(QSerialPort::OneStop) << 960.0;
        QTest::newRow("9600 7E2") << 9600 << int(QSerialPort::EvenParity) << 7
                                  << int(QSerialPort::TwoStop) << 9600.0 / 11;
        QTest::newRow("1200 5N1.5") << 1200 << int(QSerialPort::NoParity) << 5
                                    << int(QSerialPort::OneAndHalfStop) << 1200.0 / 7.5;
    }

    void lineRates() {
        QFETCH(int, baud);
        QFETCH(int, parity);
        QFETCH(int, dataBits);
        QFETCH(int, stopBits);
        QFETCH(double, bytesPerSecond);
        const LineSettings settings{baud, QSerialPort::Parity(parity),
                                    QSerialPort::DataBits(dataBits),
                                    QSerialPort::StopBits(stopBits)};
        QCOMPARE(lineBytesPerSecond(settings), bytesPerSecond);
    }

    // 2,000 bytes handed to a 960 B/s line, then readings of the clock as "ms:acknowledged",
    // with ":held" where the line was held since the reading before.
    void pace_data() {
        QTest::addColumn<QString>("readings");
        QTest::addColumn<qint64>("carried");
        QTest::addColumn<qint64>("room");
        QTest::newRow("at the line's rate") << "0:2000 1000:2000" << 960ll << 400ll;
        QTest::newRow("never past what the server acknowledged") << "0:0 1000:500" << 500ll << 0ll;
        QTest::newRow("held time does not count")
            << "0:2000 600:2000:held 1000:2000" << 384ll << 0ll;
        QTest::newRow("idle time is not credited later") << "0:0 5000:0 5500:2000" << 480ll << 0ll;
        QTest::newRow("never beyond the last byte") << "0:2000 9000:2000" << 2000ll << 1440ll;
    }

    void pace() {
        QFETCH(QString, readings);
        QFETCH(qint64, carried);
        QFETCH(qint64, room);
        LinePace pace(960);
        pace.handed(2000);
        for (const QString& reading : readings.split(u' ')) {
            const QStringList parts = reading.split(u':');
            pace.advance(parts[0].toLongLong(), parts[1].toLongLong(), parts.size() > 2);
        }
        QCOMPARE(pace.carried(), carried);
        QCOMPARE(pace.ahead(), 2000 - carried);
        QCOMPARE(pace.room(), room);
    }
};

QTEST_GUILESS_MAIN(TestNetwork)
#include "tst_network.moc"
