#include "serial/network/TelnetComPort.h"

#include <libtelnet.h>

namespace markast {

Q_LOGGING_CATEGORY(lcNetwork, "markast.network")

namespace {

constexpr unsigned char ComPortOption = 44;
// Client commands; the server answers with the code plus 100.
constexpr quint8 SetBaudRate = 1;
constexpr quint8 SetDataSize = 2;
constexpr quint8 SetParity = 3;
constexpr quint8 SetStopSize = 4;
constexpr quint8 SetControl = 5;
constexpr quint8 NotifyLineState = 6;
constexpr quint8 NotifyModemState = 7;
constexpr quint8 FlowControlSuspend = 8;
constexpr quint8 FlowControlResume = 9;
constexpr quint8 SetLineStateMask = 10;
constexpr quint8 SetModemStateMask = 11;
constexpr quint8 PurgeData = 12;
constexpr quint8 ServerOffset = 100;

constexpr quint8 ControlHardwareFlow = 3;
constexpr quint8 ControlDtrOn = 8;
constexpr quint8 PurgeTransmit = 2;
constexpr quint8 TransmitterEmpty = 0x40;
constexpr quint8 ClearToSend = 0x10;

// What we agree to: binary transmission and suppressed go-ahead both ways, and the COM port
// option on our side. Everything else is refused.
const telnet_telopt_t Options[] = {{TELNET_TELOPT_BINARY, TELNET_WILL, TELNET_DO},
                                   {TELNET_TELOPT_SGA, TELNET_WILL, TELNET_DO},
                                   {ComPortOption, TELNET_WILL, TELNET_DONT},
                                   {-1, 0, 0}};

QByteArray byte(quint8 value) {
    return QByteArray(1, char(value));
}

} // namespace

TelnetComPort::TelnetComPort(Sink toServer) : toServer_(std::move(toServer)) {
    telnet_ = telnet_init(Options, &TelnetComPort::onEvent, 0, this);
}

TelnetComPort::~TelnetComPort() {
    if (telnet_)
        telnet_free(telnet_);
}

void TelnetComPort::start() {
    telnet_negotiate(telnet_, TELNET_WILL, ComPortOption);
    telnet_negotiate(telnet_, TELNET_WILL, TELNET_TELOPT_BINARY);
    telnet_negotiate(telnet_, TELNET_DO, TELNET_TELOPT_BINARY);
}

void TelnetComPort::requestLineSettings(const LineRequest& request) {
    request_ = request;
    if (agreed_)
        sendLineSettings();
}

void TelnetComPort::sendLineSettings() {
    settingsSent_ = true;
    const LineRequest& r = *request_;
    QByteArray baud(4, Qt::Uninitialized);
    for (int i = 0; i < 4; ++i)
        baud[i] = char(r.baudRate >> (8 * (3 - i)));
    command(SetBaudRate, baud, QStringLiteral("SET-BAUDRATE %1").arg(r.baudRate));
    command(SetDataSize, byte(r.dataSize), QStringLiteral("SET-DATASIZE %1").arg(r.dataSize));
    command(SetParity, byte(r.parity), QStringLiteral("SET-PARITY %1").arg(r.parity));
    command(SetStopSize, byte(r.stopSize), QStringLiteral("SET-STOPSIZE %1").arg(r.stopSize));
    if (r.hardwareFlow)
        command(SetControl, byte(ControlHardwareFlow), QStringLiteral("SET-CONTROL 3 (RTS/CTS)"));
    command(SetControl, byte(ControlDtrOn), QStringLiteral("SET-CONTROL 8 (DTR on)"));
    command(SetLineStateMask, byte(TransmitterEmpty),
            QStringLiteral("SET-LINESTATE-MASK 64 (transmit shift register empty)"));
    if (r.hardwareFlow)
        command(SetModemStateMask, byte(ClearToSend),
                QStringLiteral("SET-MODEMSTATE-MASK 16 (CTS)"));
}

void TelnetComPort::command(quint8 code, QByteArrayView value, const QString& asked) {
    asked_[{code, value.toByteArray()}] = {asked, false};
    const QByteArray payload = byte(code) + value.toByteArray();
    telnet_subnegotiation(telnet_, ComPortOption, payload.constData(), std::size_t(payload.size()));
}

void TelnetComPort::sendData(QByteArrayView data) {
    if (data.isEmpty())
        return;
    transmitterEmpty_ = false;
    telnet_send(telnet_, data.data(), std::size_t(data.size()));
}

void TelnetComPort::purgeTransmitBuffer() {
    if (agreed_)
        command(PurgeData, byte(PurgeTransmit), QStringLiteral("PURGE-DATA 2 (transmit buffer)"));
}

void TelnetComPort::receive(QByteArrayView bytes) {
    if (bytes.isEmpty() || !protocolError_.isEmpty())
        return;
    receiving_ = true;
    telnet_recv(telnet_, bytes.data(), std::size_t(bytes.size()));
    receiving_ = false;
}

bool TelnetComPort::lineHeld() const {
    const bool ctsHeld = request_ && request_->hardwareFlow && ctsTrusted_ && !cts_;
    return suspended_ || ctsHeld;
}

bool TelnetComPort::purging() const {
    const auto purge = asked_.find({PurgeData, byte(PurgeTransmit)});
    return purge != asked_.end() && !purge->second.confirmed;
}

QStringList TelnetComPort::askedFor(bool confirmed) const {
    QStringList names;
    for (const auto& [key, request] : asked_) {
        if (request.confirmed == confirmed)
            names.append(request.name);
    }
    return names;
}

void TelnetComPort::onEvent(telnet_t*, telnet_event_t* event, void* self) {
    static_cast<TelnetComPort*>(self)->handle(*event);
}

void TelnetComPort::handle(const telnet_event_t& event) {
    switch (event.type) {
    case TELNET_EV_WILL:
    case TELNET_EV_WONT:
        negotiationSeen_ = true;
        break;
    case TELNET_EV_SEND:
        // An answer to what the server sent: libtelnet refuses an option it was offered
        // without telling us of the offer.
        negotiationSeen_ |= receiving_;
        toServer_(QByteArrayView(event.data.buffer, qsizetype(event.data.size)));
        break;
    case TELNET_EV_DO:
        negotiationSeen_ = true;
        // The settings go once a connection: a server that withdraws and grants the option
        // again and again gets no more than its own words back.
        if (event.neg.telopt == ComPortOption && !agreed_) {
            agreed_ = true;
            if (request_ && !settingsSent_)
                sendLineSettings();
        }
        break;
    case TELNET_EV_DONT:
        negotiationSeen_ = true;
        if (event.neg.telopt == ComPortOption && agreed_) {
            agreed_ = false;
            qCWarning(lcNetwork, "the server refused COM-PORT-OPTION: its own line settings apply");
        }
        break;
    case TELNET_EV_SUBNEGOTIATION:
        negotiationSeen_ = true;
        if (event.sub.telopt == ComPortOption)
            serverCommand(QByteArrayView(event.sub.buffer, qsizetype(event.sub.size)));
        break;
    case TELNET_EV_WARNING:
        qCWarning(lcNetwork, "the server's Telnet: %s", event.error.msg);
        break;
    case TELNET_EV_ERROR:
        protocolError_ = QString::fromLocal8Bit(event.error.msg);
        break;
    default:
        break; // data from the marker, and the server's other commands, are of no use here
    }
}

// A COM-PORT command from the server: an answer to ours, a line-state report or flow control.
void TelnetComPort::serverCommand(QByteArrayView payload) {
    if (payload.isEmpty())
        return;
    const auto code = quint8(quint8(payload[0]) - ServerOffset);
    const QByteArrayView value = payload.sliced(1);
    if (code == FlowControlSuspend || code == FlowControlResume) {
        suspended_ = code == FlowControlSuspend;
        return;
    }
    if (code == NotifyModemState && value.size() == 1) {
        cts_ = (quint8(value[0]) & ClearToSend) != 0;
        ctsTrusted_ |= cts_;
    }
    if (code == NotifyLineState && value.size() == 1) {
        transmitterEmpty_ = (quint8(value[0]) & TransmitterEmpty) != 0;
        lineStateTrusted_ |= transmitterEmpty_;
    }
    const auto asked = asked_.find({code, value.toByteArray()});
    if (asked != asked_.end())
        asked->second.confirmed = true;
}

} // namespace markast
