#pragma once

#include <QLocalServer>
#include <QString>

#include <functional>

namespace markast {

// One Markast window per user. The first program listens on a local socket that only its user
// may reach (in the user's runtime folder; it is no network socket); a second one hands its
// file to the first, which loads it and comes to the front, and ends.
class SingleInstance final : public QObject {
    Q_OBJECT
public:
    enum class HandOver {
        NoneRunning, // no Markast of this user answers: this one is the window
        Taken,       // the running window took the file, or came to the front
        Refused,     // the running window is busy; why is in the answer
    };

    // Asks the running window to open file, or only to come to the front when file is empty.
    static HandOver handOver(const QString& file, QString& answer);

    // What the window answers a hand-over: empty when it takes it, else why not.
    using Handler = std::function<QString(const QString& file)>;
    // Listens for hand-overs; the socket a killed program left behind is taken over.
    bool listen(Handler handler);

private:
    void answer(class QLocalSocket* client);

    QLocalServer server_;
    Handler handler_;
};

} // namespace markast
