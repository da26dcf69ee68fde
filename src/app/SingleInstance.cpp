#include "app/SingleInstance.h"

#include "app/Logging.h"

#include <QLocalSocket>
#include <QStandardPaths>

namespace markast {

namespace {

constexpr int ConnectMs = 1000;
constexpr int AnswerMs = 5000;
const QByteArray Taken = QByteArrayLiteral("taken");

QString serverName() {
#ifdef Q_OS_WIN
    return QStringLiteral("markast-") + qEnvironmentVariable("USERNAME");
#else
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           QStringLiteral("/markast.socket");
#endif
}

} // namespace

SingleInstance::HandOver SingleInstance::handOver(const QString& file, QString& answer) {
    QLocalSocket running;
    running.connectToServer(serverName());
    if (!running.waitForConnected(ConnectMs))
        return HandOver::NoneRunning;
    running.write(file.toUtf8() + '\n');
    while (!running.canReadLine() && running.waitForReadyRead(AnswerMs)) {
    }
    const QByteArray reply = running.readLine().trimmed();
    if (reply == Taken)
        return HandOver::Taken;
    answer = reply.isEmpty() ? tr("the running Markast did not answer") : QString::fromUtf8(reply);
    return HandOver::Refused;
}

bool SingleInstance::listen(Handler handler) {
    handler_ = std::move(handler);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = server_.nextPendingConnection()) {
            connect(client, &QLocalSocket::readyRead, this, [this, client] { answer(client); });
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        }
    });
    if (server_.listen(serverName()))
        return true;
    // Nobody answered above, so the socket is a killed program's: take it over.
    QLocalServer::removeServer(serverName());
    if (server_.listen(serverName()))
        return true;
    qCWarning(lcApp, "no second Markast can hand its file over: %s",
              qUtf8Printable(server_.errorString()));
    return false;
}

void SingleInstance::answer(QLocalSocket* client) {
    if (!client->canReadLine())
        return;
    const QString file = QString::fromUtf8(client->readLine()).chopped(1);
    const QString refusal = handler_(file);
    client->write(refusal.isEmpty() ? Taken + '\n' : refusal.toUtf8() + '\n');
    client->flush();
    client->disconnectFromServer();
}

} // namespace markast
