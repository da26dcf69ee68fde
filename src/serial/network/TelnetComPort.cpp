#include "serial/network/TelnetComPort.h"

#include <QtEndian>

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

const char* commandName(quint8 code) {
    switch (code) {
    case SetBaudRate:
        return "SET-BAUDRATE";
    case SetDataSize:
        return "SET-DATASIZE";
    case SetParity:
        return "SET-PARITY";
    case SetStopSize:
        return "SET-STOPSIZE";
    case SetControl:
        return "SET-CONTROL";
    case SetLineStateMask:
        return "SET-LINESTATE-MASK";
    case SetModemStateMask:
        return "SET-MODEMSTATE-MASK";
    case PurgeData:
        return "PURGE-DATA";
    default:
        return "COM-PORT command";
    }
}

// What a one-byte value means where RFC 2217 gives it a meaning we use.
const char* meaningOf(quint8 code, quint8 value) {
    static const std::map<std::pair<quint8, quint8>, const char*> meanings = {
        {{SetParity, 1}, "NONE"},
        {{SetParity, 2}, "ODD"},
        {{SetParity, 3}, "EVEN"},
        {{SetParity, 4}, "MARK"},
        {{SetParity, 5}, "SPACE"},
        {{SetStopSize, 3}, "1.5"},
        {{SetControl, 1}, "no flow control"},
        {{SetControl, 2}, "XON/XOFF"},
        {{SetControl, ControlHardwareFlow}, "RTS/CTS"},
        {{SetControl, ControlDtrOn}, "DTR on"},
        {{SetControl, 9}, "DTR off"},
        {{SetLineStateMask, TransmitterEmpty}, "transmit shift register empty"},
        {{SetModemStateMask, ClearToSend}, "CTS"},
        {{PurgeData, PurgeTransmit}, "transmit buffer"}};
    const auto meaning = meanings.find({code, value});
    return meaning == meanings.end() ? nullptr : meaning->second;
}

// A command's value as the log and the messages give it: "9600", "1 (NONE)".
QString valueText(quint8 code, QByteArrayView value) {
    if (code == SetBaudRate && value.size() == 4)
        return QString::number(qFromBigEndian<quint32>(value.data()));
    if (value.size() != 1)
        return QString::fromLatin1(value.toByteArray().toHex(' '));
    const auto number = quint8(value[0]);
    const char* meaning = meaningOf(code, number);
    return meaning ? QStringLiteral("%1 (%2)").arg(number).arg(QLatin1String(meaning))
                   : QString::number(number);
}

QString commandText(quint8 code, QByteArrayView value) {
    return QLatin1String(commandName(code)) + QLatin1Char(' ') + valueText(code, value);
}

// The line settings, whose answer says how the marker's line runs: the four of the
// character and outbound flow control (SET-CONTROL 1 to 3).
bool isLineSetting(quint8 code, QByteArrayView value) {
    if (code >= SetBaudRate && code <= SetStopSize)
        return true;
    return code == SetControl && value.size() == 1 && quint8(value[0]) >= 1 &&
           quint8(value[0]) <= ControlHardwareFlow;
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
    if (agreed_ && dataSent_)
        qCWarning(lcNetwork, "line settings asked for after the data had begun are not sent");
    else if (agreed_)
        sendLineSettings();
}

void TelnetComPort::sendLineSettings() {
    settingsSent_ = true;
    const LineRequest& r = *request_;
    QByteArray baud(4, Qt::Uninitialized);
    qToBigEndian(r.baudRate, baud.data());
    command(SetBaudRate, baud);
    command(SetDataSize, byte(r.dataSize));
    command(SetParity, byte(r.parity));
    command(SetStopSize, byte(r.stopSize));
    if (r.hardwareFlow)
        command(SetControl, byte(ControlHardwareFlow));
    command(SetControl, byte(ControlDtrOn));
    command(SetLineStateMask, byte(TransmitterEmpty));
    if (r.hardwareFlow)
        command(SetModemStateMask, byte(ClearToSend));
}

void TelnetComPort::command(quint8 code, QByteArrayView value) {
    asked_[{code, value.toByteArray()}] = false;
    if (isLineSetting(code, value))
        lineSettings_[code] = {value.toByteArray(), std::nullopt};
    const QByteArray payload = byte(code) + value.toByteArray();
    telnet_subnegotiation(telnet_, ComPortOption, payload.constData(), std::size_t(payload.size()));
}

void TelnetComPort::sendData(QByteArrayView data) {
    if (data.isEmpty())
        return;
    transmitterEmpty_ = false;
    dataSent_ = true;
    telnet_send(telnet_, data.data(), std::size_t(data.size()));
}

void TelnetComPort::purgeTransmitBuffer() {
    if (agreed_)
        command(PurgeData, byte(PurgeTransmit));
}

void TelnetComPort::receive(QByteArrayView bytes) {
    if (bytes.isEmpty() || !protocolError_.isEmpty())
        return;
    noteNegotiation(bytes);
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
    return purge != asked_.end() && !purge->second;
}

bool TelnetComPort::settled() const {
    if (!binaryAnswered() || !comPortTaken_)
        return false;
    return !*comPortTaken_ || (settingsSent_ && unansweredSettings().isEmpty());
}

std::optional<TelnetComPort::Difference> TelnetComPort::differingSetting() const {
    for (const auto& [code, setting] : lineSettings_) {
        const auto& [asked, answered] = setting;
        if (answered && *answered != asked)
            return Difference{commandText(code, asked), valueText(code, *answered)};
    }
    return std::nullopt;
}

QStringList TelnetComPort::unansweredSettings() const {
    QStringList names;
    for (const auto& [code, setting] : lineSettings_) {
        if (!setting.second)
            names.append(commandText(code, setting.first));
    }
    return names;
}

QStringList TelnetComPort::askedFor(bool confirmed) const {
    QStringList names;
    for (const auto& [key, wasConfirmed] : asked_) {
        if (wasConfirmed == confirmed)
            names.append(commandText(key.first, key.second));
    }
    return names;
}

void TelnetComPort::noteNegotiation(QByteArrayView bytes) {
    for (const char c : bytes) {
        const auto b = quint8(c);
        switch (scan_) {
        case Scan::Data:
            if (b == TELNET_IAC)
                scan_ = Scan::Command;
            break;
        case Scan::Command:
            verb_ = b;
            scan_ = b >= TELNET_WILL && b <= TELNET_DONT ? Scan::Option
                    : b == TELNET_SB                     ? Scan::Sub
                                                         : Scan::Data;
            break;
        case Scan::Option: {
            scan_ = Scan::Data;
            const bool yes = verb_ == TELNET_WILL || verb_ == TELNET_DO;
            const bool ourSide = verb_ == TELNET_DO || verb_ == TELNET_DONT;
            if (b == TELNET_TELOPT_BINARY)
                (ourSide ? binaryOurs_ : binaryTheirs_) = yes;
            else if (b == ComPortOption && ourSide)
                comPortTaken_ = yes;
            break;
        }
        case Scan::Sub:
            if (b == TELNET_IAC)
                scan_ = Scan::SubCommand;
            break;
        case Scan::SubCommand:
            scan_ = b == TELNET_SE ? Scan::Data : Scan::Sub;
            break;
        }
    }
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
        // Settings sent after data would change the marker's line in the middle of a logo.
        if (event.neg.telopt == ComPortOption && !agreed_) {
            agreed_ = true;
            if (request_ && !settingsSent_ && dataSent_)
                qCWarning(lcNetwork, "the server agreed to COM-PORT-OPTION only after the data "
                                     "had begun: its own line settings apply");
            else if (request_ && !settingsSent_)
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
        asked->second = true;
    const auto setting = lineSettings_.find(code);
    if (setting != lineSettings_.end() && isLineSetting(code, value))
        setting->second.second = value.toByteArray();
}

} // namespace markast
