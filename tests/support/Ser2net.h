#pragma once

#include "support/Pty.h"

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace markast::test {

// Debian's ser2net on 127.0.0.1, in front of a pseudo-terminal whose far end the test reads,
// with nothing in between: an RFC 2217 accepter and a raw TCP one, each on a free port of its
// own.
class Ser2net {
public:
    Ser2net();
    ~Ser2net();

    bool isReady() const { return ready_; }
    // "rfc2217://127.0.0.1:PORT" or "socket://127.0.0.1:PORT".
    QString address(const QString& scheme) const;
    // The reading end of the terminal; call once.
    int openFarEnd() { return line_.takeMaster(); }
    // Ends the server at once, as a device server that loses power does.
    void kill();
    // Starts it again on the same ports.
    bool restart();

private:
    bool start();

    HeldLine line_;
    QTemporaryDir dir_;
    QProcess server_;
    quint16 rfc2217Port_ = 0;
    quint16 rawPort_ = 0;
    bool ready_ = false;
};

bool ser2netInstalled();

// Skips the test where ser2net is not installed, and fails it when the server did not come up.
#define MARKAST_VERIFY_SER2NET(server)                                                             \
    do {                                                                                           \
        if (!markast::test::ser2netInstalled())                                                    \
            QSKIP("ser2net is not installed (apt install ser2net): no device server to test");     \
        QVERIFY((server).isReady());                                                               \
    } while (false)

} // namespace markast::test
