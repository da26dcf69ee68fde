#pragma once

#include <QObject>

namespace markast {

// Ctrl-C and SIGTERM (on Windows Ctrl-C, Ctrl-Break and the console's closing), noticed where
// the program looks for them rather than in the handler: the handler only writes a byte to a
// pipe (on Windows sets an event), which the event loop then notices.
class Interrupts final : public QObject {
public:
    Interrupts();
    ~Interrupts() override;

    // True once one has come; events must have been processed since.
    bool happened() const { return happened_; }

private:
    bool happened_ = false;
};

} // namespace markast
