#include "send/Interrupts.h"

#include <QWinEventNotifier>

#include <windows.h>

namespace markast {

namespace {

// Made once and never closed: a handler may still be running on its own thread after the
// program has let go of it.
HANDLE interruptEvent() {
    static const HANDLE event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    return event;
}

// Windows runs this on a thread of its own.
BOOL WINAPI onConsoleEvent(DWORD event) {
    switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
        SetEvent(interruptEvent());
        return TRUE;
    case CTRL_CLOSE_EVENT:
        SetEvent(interruptEvent());
        // Windows ends the process as soon as this returns, so it waits: the main thread
        // drops what is pending, closes the port and exits first, or the system's time runs
        // out.
        Sleep(INFINITE);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

Interrupts::Interrupts() {
    if (!interruptEvent())
        qFatal("markast-send: no event for console interrupts");
    ResetEvent(interruptEvent());
    const auto* notifier = new QWinEventNotifier(interruptEvent(), this);
    connect(notifier, &QWinEventNotifier::activated, this, [this] { happened_ = true; });
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

Interrupts::~Interrupts() {
    SetConsoleCtrlHandler(onConsoleEvent, FALSE);
}

} // namespace markast
