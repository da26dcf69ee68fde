#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>

#include <chrono>
#include <functional>
#include <string>

namespace markast::test {

// size bytes in which every value occurs and no short run repeats.
QByteArray patternedBytes(qsizetype size);
// The 256 byte values, 0 first.
QByteArray allByteValues();
// The bytes that would leak or be lost first through a device server: every value, runs of
// 0xFF, Telnet commands and line ends in the data.
QByteArray awkwardBytes();

// count copies of one byte as a .reg hex list, such as "41,41,41".
std::string hexList(std::size_t count, const std::string& byte);

// Writes bytes to path; the test cannot go on without it.
QString writeFile(const QString& path, const QByteArray& bytes);

#ifdef Q_OS_UNIX
// Runs check in a child process; its exit code is the result, or -1 when it has not ended
// within the time given, and is killed.
int inChildProcess(const std::function<int()>& check,
                   std::chrono::seconds within = std::chrono::seconds(60));
// Runs check in a child process with an ordinary user's rights (nobody), so that what root
// may do anyway is refused; the child's exit code is the result.
int asOrdinaryUser(const std::function<int()>& check);
#endif

struct Finished {
    int status = -1;
    QString log;    // standard error
    QString output; // standard output
};

// Runs program with arguments to its end; whileRunning may act on it meanwhile.
Finished runProgram(const QString& program, const QStringList& arguments,
                    const std::function<void(QProcess&)>& whileRunning = {});

} // namespace markast::test
