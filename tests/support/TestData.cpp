#include "support/TestData.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace markast::test {

QByteArray patternedBytes(qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 251 + i / 256) % 256);
    return bytes;
}

QByteArray allByteValues() {
    QByteArray bytes(256, Qt::Uninitialized);
    for (int value = 0; value < 256; ++value)
        bytes[value] = static_cast<char>(value);
    return bytes;
}

QByteArray awkwardBytes() {
    return allByteValues().repeated(8) + QByteArray(4096, char(0xff)) +
           QByteArray("\xff\xfa\x2c\x01\xff\xf0\r\n\r\0", 10).repeated(50);
}

std::string hexList(std::size_t count, const std::string& byte) {
    std::string list = byte;
    for (std::size_t i = 1; i < count; ++i)
        list.append(",").append(byte);
    return list;
}

QString writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

#ifdef Q_OS_UNIX
int inChildProcess(const std::function<int()>& check, std::chrono::seconds within) {
    const pid_t child = fork();
    if (child == 0)
        _exit(check());
    const auto deadline = std::chrono::steady_clock::now() + within;
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return -1;
        }
        usleep(10'000);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 98;
}

int asOrdinaryUser(const std::function<int()>& check) {
    return inChildProcess([&] {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            return 99;
        return check();
    });
}
#endif

Finished runProgram(const QString& program, const QStringList& arguments,
                    const std::function<void(QProcess&)>& whileRunning) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(5000))
        return {};
    if (whileRunning)
        whileRunning(process);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError()),
            QString::fromLocal8Bit(process.readAllStandardOutput())};
}

} // namespace markast::test
