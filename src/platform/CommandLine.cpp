#include "platform/CommandLine.h"

#include <QCommandLineParser>

namespace markast {

bool readCommandLine(QCommandLineParser& parser, const QStringList& arguments, QString& error) {
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return false;
    }
    if (parser.isSet(help))
        parser.showHelp(0);
    if (parser.isSet(version))
        parser.showVersion();
    return true;
}

} // namespace markast
