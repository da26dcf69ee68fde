#include "support/ScriptedServer.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>

#include <optional>

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace markast::test {

ScriptedServer::ScriptedServer(Script script) : script_(std::move(script)) {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        ::listen(listener_, 1) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        if (listener_ >= 0)
            ::close(listener_);
        listener_ = -1;
        return;
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { run(); });
}

ScriptedServer::~ScriptedServer() {
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    if (listener_ >= 0)
        ::close(listener_);
}

QString ScriptedServer::address(const QString& scheme) const {
    return QStringLiteral("%1://127.0.0.1:%2").arg(scheme).arg(port_);
}

QByteArray ScriptedServer::received() const {
    std::lock_guard lock(mutex_);
    return received_;
}

void ScriptedServer::run() {
    pollfd waiting{listener_, POLLIN, 0};
    while (!stop_) {
        if (::poll(&waiting, 1, 20) <= 0)
            continue;
        const int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (client >= 0) {
            ++connections_;
            serve(client);
            ::close(client);
        }
    }
}

void ScriptedServer::serve(int client) {
    QByteArray out = script_.greeting;
    const qsizetype start = received().size();
    std::vector<Reply> replies = script_.replies;
    std::vector<std::optional<QDeadlineTimer>> due(replies.size());
    std::vector<char> buffer(65536);
    while (!stop_) {
        if (script_.closeAfter >= 0 && received().size() >= script_.closeAfter)
            return;
        for (std::size_t i = 0; i < replies.size(); ++i) {
            if (!due[i] && received().indexOf(replies[i].when, start) >= 0)
                due[i] = QDeadlineTimer(replies[i].afterMs);
            if (due[i] && due[i]->hasExpired() && !replies[i].say.isNull()) {
                out += replies[i].say;
                replies[i].say = QByteArray();
            }
        }
        if (out.isEmpty())
            out = script_.repeated;
        const short wanted = short((script_.reads ? POLLIN : 0) | (out.isEmpty() ? 0 : POLLOUT));
        pollfd ready{client, wanted, 0};
        if (::poll(&ready, 1, 20) <= 0)
            continue;
        if (ready.revents & POLLERR) {
            ++resets_;
            return;
        }
        if ((ready.revents & POLLHUP) && !(ready.revents & POLLIN))
            return;
        if (ready.revents & POLLOUT) {
            const ssize_t written =
                ::send(client, out.constData(), size_t(out.size()), MSG_NOSIGNAL);
            if (written < 0)
                return;
            sent_ += written;
            out.remove(0, written);
        }
        if (ready.revents & POLLIN) {
            const ssize_t got = ::recv(client, buffer.data(), buffer.size(), 0);
            if (got < 0 && errno == ECONNRESET)
                ++resets_;
            if (got <= 0)
                return;
            std::lock_guard lock(mutex_);
            received_.append(buffer.data(), got);
        }
    }
}

double peakMegabytes(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QRegularExpression peak(QStringLiteral("VmHWM:\\s+(\\d+) kB"));
    return peak.match(QString::fromLatin1(status.readAll())).captured(1).toDouble() / 1024;
}

} // namespace markast::test
