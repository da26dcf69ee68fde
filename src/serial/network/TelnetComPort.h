#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QLoggingCategory>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>

struct telnet_t;
union telnet_event_t;

namespace markast {

// The network layer's log, "markast.network".
Q_DECLARE_LOGGING_CATEGORY(lcNetwork)

// The Telnet protocol with its COM-PORT-OPTION (RFC 2217), on one connection but without it:
// bytes from the server go in through receive(), and every byte for the server comes out
// through the sink. The Telnet layer is libtelnet's; the COM-PORT commands sit on top of it.
class TelnetComPort {
public:
    // Line settings as RFC 2217 codes them.
    struct LineRequest {
        quint32 baudRate = 9600;
        quint8 dataSize = 8;
        quint8 parity = 1;   // NONE
        quint8 stopSize = 1; // one
        bool hardwareFlow = true;
    };

    // A line setting the server answered with another value than the one asked for, as
    // "SET-BAUDRATE 9600" and "1200".
    struct Difference {
        QString asked;
        QString set;
    };

    using Sink = std::function<void(QByteArrayView bytes)>;

    explicit TelnetComPort(Sink toServer);
    ~TelnetComPort();
    TelnetComPort(const TelnetComPort&) = delete;
    TelnetComPort& operator=(const TelnetComPort&) = delete;

    // Offers COM-PORT-OPTION, and binary transmission so that no byte is read as a line end.
    void start();
    // The line settings to ask for: at once where the server agreed to the option, else as
    // soon as it does, but never once data has gone: the marker's line is not changed under
    // a logo.
    void requestLineSettings(const LineRequest& request);
    // Bytes for the marker, each 0xFF doubled.
    void sendData(QByteArrayView data);
    // Asks the server to drop what it still holds for the marker.
    void purgeTransmitBuffer();
    void receive(QByteArrayView bytes);

    // Whether the server has negotiated any Telnet option at all: a Telnet server speaks
    // first, a raw TCP server never does.
    bool negotiationSeen() const { return negotiationSeen_; }
    bool comPortAgreed() const { return agreed_; }
    // The server has said all that data waits for: whether it takes and sends binary
    // transmission, whether it takes the COM port option, and its answer to each line setting.
    bool settled() const;
    // The server refused binary transmission, one way or the other: data would be read as
    // Telnet text, in which CR NUL is a bare CR and bytes from 0x80 up need not pass.
    bool binaryRefused() const { return binaryOurs_ == false || binaryTheirs_ == false; }
    // Whether the server has answered on binary transmission both ways.
    bool binaryAnswered() const { return binaryOurs_ && binaryTheirs_; }
    // The first line setting the server set otherwise than asked, if any.
    std::optional<Difference> differingSetting() const;
    // The line settings asked for that the server has not answered, as "SET-PARITY 1 (NONE)".
    QStringList unansweredSettings()
        const; // The server asked us to hold back (FLOWCONTROL-SUSPEND) and has not resumed yet.
    bool suspended() const { return suspended_; }
    // The line to the marker carries nothing now, as far as the server says: it asked us to
    // hold back, or the marker holds CTS low under hardware flow control. Only a server that
    // once reported CTS high is taken at its word about CTS: a server without modem lines
    // (ser2net on a pseudo-terminal) reports it low for ever.
    bool lineHeld() const;
    // Whether the server may still be sending bytes to the marker, as far as it says: only a
    // server that once reported its transmit shift register empty is taken at its word.
    bool farEndSending() const { return lineStateTrusted_ && !transmitterEmpty_; }
    // A purge was asked for and the server has not confirmed it yet.
    bool purging() const;
    // The settings asked for that the server has not confirmed, as "SET-BAUDRATE 9600".
    QStringList unconfirmed() const { return askedFor(false); }
    // What the server confirmed, as "SET-BAUDRATE 9600".
    QStringList confirmed() const { return askedFor(true); }
    // A fatal protocol error of the server's, empty while there is none.
    QString protocolError() const { return protocolError_; }

private:
    static void onEvent(telnet_t* telnet, telnet_event_t* event, void* self);
    void handle(const telnet_event_t& event);
    void sendLineSettings();
    void command(quint8 code, QByteArrayView value);
    void serverCommand(QByteArrayView payload);
    // Notes what the server says of binary transmission and of the COM port option.
    void noteNegotiation(QByteArrayView bytes);
    QStringList askedFor(bool confirmed) const;

    // Where the scan of the server's bytes for its negotiation stands.
    enum class Scan { Data, Command, Option, Sub, SubCommand };

    Sink toServer_;
    telnet_t* telnet_ = nullptr;
    std::optional<LineRequest> request_;
    bool receiving_ = false;
    bool negotiationSeen_ = false;
    bool agreed_ = false;
    bool settingsSent_ = false;
    bool dataSent_ = false;
    bool suspended_ = false;
    bool ctsTrusted_ = false;
    bool cts_ = false;
    bool lineStateTrusted_ = false;
    bool transmitterEmpty_ = true;
    // What was asked for, by command code and value, and whether the server confirmed it.
    std::map<std::pair<quint8, QByteArray>, bool> asked_;
    // The line settings asked for, by command code (SET-CONTROL for outbound flow control
    // only), each with the value asked for and the value the server answered.
    std::map<quint8, std::pair<QByteArray, std::optional<QByteArray>>> lineSettings_;
    // What the server said last of binary transmission our way and its way, and of the COM
    // port option: libtelnet tells of an option only where it is granted.
    std::optional<bool> binaryOurs_;
    std::optional<bool> binaryTheirs_;
    std::optional<bool> comPortTaken_;
    Scan scan_ = Scan::Data;
    quint8 verb_ = 0;
    QString protocolError_;
};

} // namespace markast
