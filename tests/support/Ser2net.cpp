#include "support/Ser2net.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace markast::test {

namespace {

quint16 freePort() {
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost) ? probe.serverPort() : 0;
}

// Debian installs it in /usr/sbin, which an ordinary user's PATH may leave out.
QString ser2netPath() {
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("ser2net"));
    return onPath.isEmpty()
               ? QStandardPaths::findExecutable(QStringLiteral("ser2net"), {"/usr/sbin"})
               : onPath;
}

} // namespace

bool ser2netInstalled() {
    return !ser2netPath().isEmpty();
}

Ser2net::Ser2net() {
    rfc2217Port_ = freePort();
    rawPort_ = freePort();
    ready_ = line_.isReady() && ser2netInstalled() && start();
}

Ser2net::~Ser2net() {
    kill();
}

QString Ser2net::address(const QString& scheme) const {
    const quint16 port = scheme == QLatin1String("rfc2217") ? rfc2217Port_ : rawPort_;
    return QStringLiteral("%1://127.0.0.1:%2").arg(scheme).arg(port);
}

bool Ser2net::start() {
    const QString config = dir_.filePath(QStringLiteral("ser2net.yaml"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QString device = line_.deviceName();
    file.write(QStringLiteral("connection: &rfc2217\n"
                              "  accepter: telnet(rfc2217),tcp,127.0.0.1,%1\n"
                              "  connector: serialdev,%3,9600n81,local\n"
                              "connection: &raw\n"
                              "  accepter: tcp,127.0.0.1,%2\n"
                              "  connector: serialdev,%3,9600n81,local\n")
                   .arg(rfc2217Port_)
                   .arg(rawPort_)
                   .arg(device)
                   .toUtf8());
    file.close();
    server_.setStandardOutputFile(QProcess::nullDevice());
    server_.setStandardErrorFile(QProcess::nullDevice());
    // No UUCP lock: the device is the test's alone, and a killed server would leave its lock.
    server_.start(ser2netPath(), {"-n", "-d", "-u", "-c", config});
    // Ready once its accepter takes a connection.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 10000 && server_.state() != QProcess::NotRunning) {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, rawPort_);
        if (probe.waitForConnected(200)) {
            // The probe took the device for a moment: give ser2net time to let it go.
            probe.abort();
            QThread::msleep(300);
            return true;
        }
        QThread::msleep(50);
    }
    return false;
}

void Ser2net::kill() {
    if (server_.state() == QProcess::NotRunning)
        return;
    server_.kill();
    server_.waitForFinished(5000);
}

bool Ser2net::restart() {
    kill();
    ready_ = start();
    return ready_;
}

} // namespace markast::test
