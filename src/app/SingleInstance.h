#pragma once

#include <QLocalServer>
#include <QString>

#include <functional>
#include <optional>

class QLocalSocket;

namespace markast {

// One Markast window per user. The first program listens on a local socket that only its user
// may reach (in the user's private runtime folder; on Windows a named pipe of the user's in
// that logon session; it is no network socket); a second one hands its file to the first,
// which loads it and comes to the front, and ends. Where there is no private runtime folder
// there is no hand-over: each program is a window of its own.
class SingleInstance final : public QObject {
    Q_OBJECT
public:
    enum class HandOver {
        NoneRunning, // no Markast of this user answers: this one is the window
        Taken,       // the running window took the file, or came to the front
        Refused,     // the running window is busy, or the file cannot be handed over; why is in
                     // the answer
    };

    // The longest message a hand-over may be.
    static constexpr qsizetype MessageLimit = 64 * 1024;
    // How long a second program may take to say what it wants.
    static constexpr int ClientDeadlineMs = 3000;
    // How many second programs may wait for an answer at once; more are turned away.
    static constexpr int WaitingLimit = 16;

    // Asks the running window to open file, or only to come to the front when file is empty.
    static HandOver handOver(const QString& file, QString& answer);

    // What the window answers a hand-over: empty when it takes it, else why not.
    using Handler = std::function<QString(const QString& file)>;
    // Listens for hand-overs; the socket a killed program left behind is taken over.
    bool listen(Handler handler);

    // The hand-over's socket: in the user's runtime folder, which must be a folder of this
    // user's that no one else may enter; on Windows a pipe named by the user's SID and logon
    // session. Nothing, with why, where there is none.
    static std::optional<QString> socketPath(QString& why);
    // Whether the program at the other end of a connected socket runs as this user, in this
    // session, so that no one else can take a hand-over; false, with why, when not.
    static bool isThisUsersServer(QLocalSocket& socket, QString& why);

private:
    void accept(QLocalSocket* client);
    void answer(QLocalSocket* client);

    QLocalServer server_;
    Handler handler_;
};

// A file's path as one line that no character of the path can break: its encoded file URL.
// An empty path stands for no file.
QByteArray handOverMessage(const QString& file);
// The path a hand-over line names; nothing when it is no file URL.
std::optional<QString> handedOverFile(QByteArrayView line);

} // namespace markast
