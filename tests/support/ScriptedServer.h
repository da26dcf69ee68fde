#pragma once

#include <QByteArray>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace markast::test {

// A TCP server on 127.0.0.1 that plays one part to each client in turn, on a thread of its own
// so that it goes on while the program under test waits: what it says on connecting, what it
// says in reply, what it then says again and again, whether it reads, and when it hangs up.
class ScriptedServer {
public:
    // Once what the server has read holds when (at once where it is empty), it waits afterMs
    // and says say, once a connection.
    struct Reply {
        QByteArray when;
        QByteArray say;
        int afterMs = 0;
    };
    struct Script {
        QByteArray greeting = {};        // sent once the client is accepted
        std::vector<Reply> replies = {}; // said as what the client sends calls for them
        QByteArray repeated = {};        // then sent over and over until the server ends
        bool reads = true;               // whether it reads what the client sends
        qsizetype closeAfter = -1;       // hangs up once it has read this many bytes
    };

    explicit ScriptedServer(Script script);
    ~ScriptedServer();
    ScriptedServer(const ScriptedServer&) = delete;
    ScriptedServer& operator=(const ScriptedServer&) = delete;

    bool isReady() const { return listener_ >= 0; }
    // "rfc2217://127.0.0.1:PORT" or "socket://127.0.0.1:PORT".
    QString address(const QString& scheme) const;
    QByteArray received() const;
    // Bytes the server has sent so far.
    qint64 sentCount() const { return sent_; }
    int connections() const { return connections_; }
    // Connections the client reset rather than closed.
    int resets() const { return resets_; }

private:
    void run();
    void serve(int client);

    Script script_;
    int listener_ = -1;
    quint16 port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<qint64> sent_{0};
    std::atomic<int> connections_{0};
    std::atomic<int> resets_{0};
    mutable std::mutex mutex_;
    QByteArray received_;
    std::thread thread_;
};

// A listener that never accepts and whose backlog is full: a connection to it is never
// answered, as to an address the network swallows.
struct BlackHole {
    QTcpServer listener;
    QTcpSocket fillers[64]; // more than the backlog Qt asks for
    BlackHole() {
        listener.listen(QHostAddress::LocalHost);
        listener.pauseAccepting();
        for (QTcpSocket& filler : fillers)
            filler.connectToHost(QHostAddress::LocalHost, listener.serverPort());
    }
    QString address(const QString& scheme) const {
        return QStringLiteral("%1://127.0.0.1:%2").arg(scheme).arg(listener.serverPort());
    }
};

// The most memory a running process has held so far, in megabytes, by the kernel's count.
double peakMegabytes(qint64 pid);

} // namespace markast::test
