#include "send/SendOptions.h"

#include "platform/CommandLine.h"
#include "serial/ComDevices.h"
#include "serial/network/NetworkAddress.h"

#include <QCommandLineParser>

#include <cmath>

namespace markast {

std::optional<SendOptions> parseSendOptions(QCommandLineParser& parser,
                                            const QStringList& arguments, QString& error) {
    parser.setApplicationDescription(Send::tr(
        "Sends a logo file (HPGL *.plt or *.Dot) byte for byte, unchanged, over a serial line "
        "to a dot-marking machine: 9600 baud, 8N1, RTS/CTS, as the Markast window does."));
    const QCommandLineOption port(QStringLiteral("port"),
                                  Send::tr("COM port 1 to %1, as the window resolves it "
                                           "(MARKAST_COMn, the Devices dialog, built-in).")
                                      .arg(ComPortCount),
                                  QStringLiteral("N"));
    const QCommandLineOption device(
        QStringLiteral("device"),
        Send::tr("Any serial device, used as given, or a serial device server: "
                 "rfc2217://HOST:PORT or socket://HOST:PORT."),
        QStringLiteral("DEVICE"));
    const QString defaultStallSeconds =
        QString::number(std::chrono::duration<double>(MSComm::DefaultStallTime).count());
    const QCommandLineOption stallTime(
        QStringLiteral("stall-time"),
        Send::tr("How long the line may take no byte before the send fails (default %1).")
            .arg(defaultStallSeconds),
        QStringLiteral("SECONDS"), defaultStallSeconds);
    const QCommandLineOption quiet(QStringLiteral("quiet"), Send::tr("No progress."));
    const QCommandLineOption listPorts(
        QStringLiteral("list-ports"),
        Send::tr("List the serial devices and what COM1 to COM4 stand for now."));
    parser.addOptions({port, device, stallTime, quiet, listPorts});
    parser.addPositionalArgument(QStringLiteral("FILE"), Send::tr("The logo to send."));
    if (!readCommandLine(parser, arguments, error))
        return std::nullopt;

    SendOptions options;
    options.quiet = parser.isSet(quiet);
    options.listPorts = parser.isSet(listPorts);
    const QStringList files = parser.positionalArguments();
    if (options.listPorts != files.isEmpty() || files.size() > 1) {
        error = options.listPorts ? Send::tr("--list-ports takes no FILE")
                                  : Send::tr("give exactly one FILE to send");
        return std::nullopt;
    }
    options.file = files.value(0);
    if (parser.isSet(port) && parser.isSet(device)) {
        error = Send::tr("give --port or --device, not both");
        return std::nullopt;
    }
    if (parser.isSet(port)) {
        bool ok = false;
        const int number = parser.value(port).toInt(&ok);
        if (!ok || number < 1 || number > ComPortCount) {
            error = Send::tr("--port takes 1 to %1, not \"%2\"")
                        .arg(ComPortCount)
                        .arg(parser.value(port));
            return std::nullopt;
        }
        options.port = number;
    }
    options.device = parser.value(device);
    if (parser.isSet(device) && options.device.trimmed().isEmpty()) {
        error = Send::tr("--device needs a device");
        return std::nullopt;
    }
    QString reason;
    if (isNetworkDevice(options.device) && !parseNetworkAddress(options.device, reason)) {
        error = Send::tr("--device %1 is no network address: %2").arg(options.device, reason);
        return std::nullopt;
    }
    bool ok = false;
    const double seconds = parser.value(stallTime).toDouble(&ok);
    if (!ok || !std::isfinite(seconds) || seconds <= 0 || seconds > 24 * 3600) {
        error =
            Send::tr("--stall-time takes seconds above 0, not \"%1\"").arg(parser.value(stallTime));
        return std::nullopt;
    }
    options.stallTime = std::chrono::milliseconds(std::llround(seconds * 1000));
    return options;
}

} // namespace markast
