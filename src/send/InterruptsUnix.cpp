#include "send/Interrupts.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace markast {

namespace {

int selfPipe[2] = {-1, -1};

extern "C" void onSignal(int) {
    const char byte = 1;
    (void)!::write(selfPipe[1], &byte, 1); // async-signal-safe, and nothing more
}

} // namespace

Interrupts::Interrupts() {
    if (::pipe2(selfPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        qFatal("markast-send: no pipe for signals");
    const auto* notifier = new QSocketNotifier(selfPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        while (::read(selfPipe[0], &byte, 1) > 0)
            happened_ = true;
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

Interrupts::~Interrupts() {
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    ::close(selfPipe[0]);
    ::close(selfPipe[1]);
}

} // namespace markast
