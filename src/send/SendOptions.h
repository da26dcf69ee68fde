#pragma once

#include "serial/MSComm.h"

#include <QCoreApplication>
#include <QString>

#include <chrono>
#include <optional>

class QCommandLineParser;

namespace markast {

// The context markast-send's texts are translated in.
class Send {
    Q_DECLARE_TR_FUNCTIONS(Send)
};

// What the command line asks of markast-send.
struct SendOptions {
    QString file;
    std::optional<int> port; // COM1 to COM4
    QString device;          // any device, used as given
    std::chrono::milliseconds stallTime = MSComm::DefaultStallTime;
    bool quiet = false;
    bool listPorts = false;
};

// Sets up parser with markast-send's options and reads arguments with it. --help and
// --version print and end the program; a usage error gives nothing, with error set.
std::optional<SendOptions> parseSendOptions(QCommandLineParser& parser,
                                            const QStringList& arguments, QString& error);

} // namespace markast
