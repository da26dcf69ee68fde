#pragma once

#include <QObject>

class QSocketNotifier;

namespace markast {

// Ctrl-C and SIGTERM, noticed where the program looks for them rather than in the signal
// handler: the handler only writes a byte to a pipe, which the event loop then reads.
class Interrupts final : public QObject {
public:
    Interrupts();
    ~Interrupts() override;

    // True once SIGINT or SIGTERM has come; events must have been processed since.
    bool happened() const { return happened_; }

private:
    QSocketNotifier* notifier_;
    bool happened_ = false;
};

} // namespace markast
