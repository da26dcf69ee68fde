#include "app/SingleInstance.h"

#include "app/Logging.h"

#include <QLocalSocket>
#include <QTimer>
#include <QUrl>

namespace markast {

namespace {

constexpr int ConnectMs = 1000;
constexpr int AnswerMs = 5000;
const QByteArray Taken = QByteArrayLiteral("taken");

} // namespace

QByteArray handOverMessage(const QString& file) {
    return file.isEmpty() ? QByteArray() : QUrl::fromLocalFile(file).toEncoded();
}

std::optional<QString> handedOverFile(QByteArrayView line) {
    if (line.isEmpty())
        return QString();
    const QUrl url = QUrl::fromEncoded(line.toByteArray(), QUrl::StrictMode);
    if (!url.isValid() || !url.isLocalFile() || url.toLocalFile().isEmpty())
        return std::nullopt;
    return url.toLocalFile();
}

SingleInstance::HandOver SingleInstance::handOver(const QString& file, QString& answer) {
    QString why;
    const std::optional<QString> path = socketPath(why);
    if (!path) {
        qCInfo(lcApp, "no hand-over to a running Markast: %s", qUtf8Printable(why));
        return HandOver::NoneRunning;
    }
    const QByteArray message = handOverMessage(file);
    if (message.size() >= MessageLimit) {
        answer = tr("the path of %1 is too long to hand over").arg(file);
        return HandOver::Refused;
    }
    QLocalSocket running;
    running.connectToServer(*path);
    if (!running.waitForConnected(ConnectMs))
        return HandOver::NoneRunning;
    if (!isThisUsersServer(running, why)) {
        qCWarning(lcApp, "no hand-over to a running Markast: %s", qUtf8Printable(why));
        return HandOver::NoneRunning;
    }
    running.write(message + '\n');
    while (!running.canReadLine() && running.waitForReadyRead(AnswerMs)) {
    }
    const QByteArray reply = running.readLine().trimmed();
    if (reply == Taken)
        return HandOver::Taken;
    answer = reply.isEmpty() ? tr("the running Markast did not answer") : QString::fromUtf8(reply);
    return HandOver::Refused;
}

bool SingleInstance::listen(Handler handler) {
    QString why;
    const std::optional<QString> path = socketPath(why);
    if (!path) {
        qCWarning(lcApp, "no second Markast can hand its file over: %s", qUtf8Printable(why));
        return false;
    }
    handler_ = std::move(handler);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = server_.nextPendingConnection())
            accept(client);
    });
    if (server_.listen(*path))
        return true;
    // Nobody answered above, so the socket is a killed program's: take it over.
    QLocalServer::removeServer(*path);
    if (server_.listen(*path))
        return true;
    qCWarning(lcApp, "no second Markast can hand its file over: %s",
              qUtf8Printable(server_.errorString()));
    return false;
}

// A second program has a moment and a line of bounded length to say what it wants; a crowd of
// them is turned away, so that nobody can hold the window's memory or its sockets.
void SingleInstance::accept(QLocalSocket* client) {
    const auto drop = [client] {
        client->abort();
        client->deleteLater();
    };
    connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
    // The clients are the server's children until they are gone.
    if (server_.findChildren<QLocalSocket*>().size() > WaitingLimit) {
        drop();
        return;
    }
    client->setReadBufferSize(MessageLimit);
    connect(client, &QLocalSocket::readyRead, this, [this, client] { answer(client); });
    QTimer::singleShot(ClientDeadlineMs, client, drop);
}

void SingleInstance::answer(QLocalSocket* client) {
    if (!client->canReadLine()) {
        if (client->bytesAvailable() >= MessageLimit) {
            client->abort();
            client->deleteLater();
        }
        return;
    }
    const std::optional<QString> file = handedOverFile(client->readLine().chopped(1));
    const QString refusal = file ? handler_(*file) : tr("no file was named");
    client->write(refusal.isEmpty() ? Taken + '\n' : refusal.toUtf8() + '\n');
    client->flush();
    client->disconnectFromServer();
}

} // namespace markast
