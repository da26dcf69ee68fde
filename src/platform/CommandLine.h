#pragma once

#include <QString>
#include <QStringList>

class QCommandLineParser;

namespace markast {

// Reads arguments with parser, set up with a program's own options; it adds --help and
// --version, which print and end the program. False, with error set, on a usage error.
bool readCommandLine(QCommandLineParser& parser, const QStringList& arguments, QString& error);

} // namespace markast
