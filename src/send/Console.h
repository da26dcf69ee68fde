#pragma once

#include <QtGlobal>

namespace markast {

// The terminal markast-send writes to, while the program runs.
class Console {
public:
    Console();
    ~Console();
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    // Whether standard error is a terminal that can show a line rewritten in place.
    bool errorIsTerminal() const { return errorIsTerminal_; }

private:
    bool errorIsTerminal_ = false;
#ifdef Q_OS_WIN
    // What the console had before, given back at the end: its code page and the mode of
    // standard error.
    unsigned outputCodePage_ = 0;
    unsigned long errorMode_ = 0;
#endif
};

} // namespace markast
