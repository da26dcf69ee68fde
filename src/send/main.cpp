// markast-send: sends one logo file to the marker from a terminal or a script, with the
// window's line settings and rules, and says in its exit status how it went.
#include "Version.h"
#include "logofile/LogoFile.h"
#include "platform/SettingsStore.h"
#include "platform/Translations.h"
#include "platform/XdgFolders.h"
#include "send/Console.h"
#include "send/Interrupts.h"
#include "send/SendOptions.h"
#include "serial/ComDevices.h"
#include "serial/MSComm.h"
#include "serial/PortConfiguration.h"
#include "serial/network/NetworkAddress.h"
#include "settings/Settings.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLoggingCategory>

#include <cstdio>

using namespace markast;

namespace {

// The exit statuses a script can act on.
enum Exit {
    Sent = 0,
    LineFailed = 1, // the line refused a byte, stalled, or the device went away
    CannotSend = 2, // a usage error, or a file that cannot be sent
    PortClosed = 3, // the port could not be opened
    Interrupted = 130,
};

void say(const QString& line) {
    std::fprintf(stderr, "%s\n", qUtf8Printable(line));
}

void listPorts(SettingsStore& settings) {
    std::printf("%s\n", qUtf8Printable(Send::tr("Serial devices the system reports:")));
    const QList<DetectedDevice> detected = detectedDevices();
    for (const DetectedDevice& device : detected)
        std::printf("  %s\n", qUtf8Printable(device.label));
    if (detected.isEmpty())
        std::printf("  %s\n", qUtf8Printable(Send::tr("none", "no serial devices")));
    std::printf("%s\n", qUtf8Printable(Send::tr("COM ports:")));
    const ComDevices devices(settings);
    for (int port = 1; port <= ComPortCount; ++port) {
        const std::optional<QString> environment = environmentDevice(port);
        const QString device = devices.deviceFor(port);
        const QString source = environment                     ? environmentVariable(port)
                               : device != builtInDevice(port) ? Send::tr("Devices dialog")
                                                               : Send::tr("built-in");
        std::printf("  COM%d  %s  (%s; %s)\n", port, qUtf8Printable(device), qUtf8Printable(source),
                    qUtf8Printable(deviceStateText(port, device, false)));
    }
}

QString amountText(double bytes) {
    if (bytes >= 1e6)
        return QStringLiteral("%1 MB").arg(bytes / 1e6, 0, 'f', 1);
    if (bytes >= 1e3)
        return QStringLiteral("%1 kB").arg(bytes / 1e3, 0, 'f', 1);
    return QStringLiteral("%1 B").arg(bytes, 0, 'f', 0);
}

// One line on a terminal, rewritten in place at most ten times a second.
class ProgressLine {
public:
    ProgressLine(qint64 total, bool shown) : total_(total), shown_(shown) { clock_.start(); }

    void show(qint64 sent) {
        if (!shown_ || (lastShown_ >= 0 && clock_.elapsed() - lastShown_ < 100))
            return;
        lastShown_ = clock_.elapsed();
        const double seconds = std::max(clock_.elapsed(), qint64(1)) / 1000.0;
        const double rate = sent / seconds;
        const qint64 left = rate > 0 ? qint64((total_ - sent) / rate) : 0;
        const QString line = Send::tr("%1 of %2 bytes  %3%  %4/s  %5:%6 left")
                                 .arg(sent)
                                 .arg(total_)
                                 .arg(total_ ? 100 * sent / total_ : 100, 3)
                                 .arg(amountText(rate))
                                 .arg(left / 60)
                                 .arg(left % 60, 2, 10, QLatin1Char('0'));
        std::fprintf(stderr, "\r%s\033[K", qUtf8Printable(line));
        std::fflush(stderr);
    }

    void finish(qint64 sent) {
        if (!shown_)
            return;
        lastShown_ = -1;
        show(sent);
        std::fprintf(stderr, "\n");
    }

    double seconds() const { return clock_.elapsed() / 1000.0; }

private:
    qint64 total_;
    bool shown_;
    QElapsedTimer clock_;
    qint64 lastShown_ = -1;
};

// Sends the logo's bytes and waits until they have left the driver. Between slices of the
// wait it shows the progress, and it stops at once on Ctrl-C or SIGTERM: what is pending here
// and in the driver is discarded and the port closed.
Exit sendLogo(MSComm& comm, const LogoBuffer& logo, const QString& device, bool quiet,
              const Interrupts& interrupts, const Console& console) {
    ProgressLine progress(logo.LogoLength, !quiet && console.errorIsTerminal());
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    comm.setWaitHook([&] {
        if (sinceEvents.elapsed() < 20)
            return;
        sinceEvents.restart();
        QCoreApplication::processEvents();
        progress.show(comm.bytesOnLine());
        if (interrupts.happened()) {
            (void)comm.setOutBufferCount(0);
            (void)comm.setPortOpen(false);
        }
    });
    const QByteArrayView bytes = logo.payload();
    const bool sent = comm.output(bytes) && comm.drain();
    QCoreApplication::processEvents();
    const qint64 sentCount = comm.bytesSent();
    (void)comm.setPortOpen(false); // what the close has to say comes before the last line
    progress.finish(sentCount);
    const QString count = Send::tr("%1 of %2 bytes").arg(sentCount).arg(bytes.size());
    if (interrupts.happened()) {
        say(Send::tr("Interrupted: %1 sent to %2").arg(count, device));
        return Interrupted;
    }
    if (!sent) {
        say(Send::tr("The line took no more bytes: %1. %2 sent")
                .arg(comm.lastError().text(), count));
        return LineFailed;
    }
    say(Send::tr("Sent %1 bytes to %2 in %3 s")
            .arg(bytes.size())
            .arg(device)
            .arg(progress.seconds(), 0, 'f', 2));
    return Sent;
}

} // namespace

int main(int argc, char* argv[]) {
    ignoreRelativeXdgFolders();
    const Console console;
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("markast-send"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MARKAST_VERSION));
    // The system's language; exit codes and the layout of --list-ports stay as they are.
    Translations translations;
    translations.apply({});
    // Every failure is told once, in the final line.
    QLoggingCategory::setFilterRules(QStringLiteral("markast.serial.warning=false"));

    QCommandLineParser parser;
    QString error;
    const std::optional<SendOptions> options = parseSendOptions(parser, app.arguments(), error);
    if (!options) {
        say(QStringLiteral("markast-send: %1\n\n%2").arg(error, parser.helpText()));
        return CannotSend;
    }
    // The window's settings are read, never written.
    NativeSettingsStore settings;
    if (options->listPorts) {
        listPorts(settings);
        return Sent;
    }

    const Interrupts interrupts;
    // The whole file is read before the port is touched.
    LogoFileError fileError;
    const std::optional<LogoBuffer> logo = readLogoFile(options->file, fileError);
    if (!logo) {
        say(Send::tr("Not sent: %1").arg(fileError.text(options->file)));
        return CannotSend;
    }
    QCoreApplication::processEvents();
    if (interrupts.happened()) {
        say(Send::tr("Interrupted: 0 of %1 bytes sent").arg(logo->LogoLength));
        return Interrupted;
    }

    const Settings stored(settings);
    const int port =
        options->port.value_or(startUpPort([&stored](int n) { return stored.portChecked(n); }));
    // A relative path is taken from here; a bare name such as ttyUSB0 is Qt's, in /dev; a
    // network address stays as it is.
    const QString device = options->device.isEmpty() ? ComDevices(settings).deviceFor(port)
                           : options->device.contains(u'/') && !isNetworkDevice(options->device)
                               ? QFileInfo(options->device).absoluteFilePath()
                               : options->device;
    MSComm comm([&device](int) { return device; });
    comm.setStallTime(options->stallTime);
    // A stop gives up a name lookup, a connection or a Telnet agreement at once.
    comm.setWaitHook([&] {
        QCoreApplication::processEvents();
        if (interrupts.happened())
            (void)comm.setPortOpen(false);
    });
    const bool opened = configurePort(comm, port, QString(), SequenceForm::StartUp);
    QCoreApplication::processEvents();
    if (interrupts.happened()) {
        (void)comm.setPortOpen(false);
        say(Send::tr("Interrupted: 0 of %1 bytes sent").arg(logo->LogoLength));
        return Interrupted;
    }
    if (!opened) {
        say(Send::tr("Not sent: %1 could not be opened: %2. 0 of %3 bytes sent")
                .arg(device, comm.lastError().reason)
                .arg(logo->LogoLength));
        return PortClosed;
    }
    return sendLogo(comm, *logo, device, options->quiet, interrupts, console);
}
