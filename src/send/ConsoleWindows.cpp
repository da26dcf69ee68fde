#include "send/Console.h"

#include <windows.h>

namespace markast {

// The texts are UTF-8, which a console shows as such only under its UTF-8 code page; and
// the progress line is rewritten in place with the terminal's escape sequences, which a
// console follows only in its virtual-terminal mode. The console is shared with the shell
// that started the program, so both are given back at the end.
Console::Console() {
    outputCodePage_ = GetConsoleOutputCP(); // 0 without a console
    if (outputCodePage_ != 0 && outputCodePage_ != CP_UTF8 && !SetConsoleOutputCP(CP_UTF8))
        outputCodePage_ = 0;
    DWORD mode = 0;
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (GetConsoleMode(error, &mode)) {
        errorMode_ = mode;
        errorIsTerminal_ = (mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0 ||
                           SetConsoleMode(error, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
    }
}

Console::~Console() {
    if (outputCodePage_ != 0 && outputCodePage_ != CP_UTF8)
        SetConsoleOutputCP(outputCodePage_);
    if (errorIsTerminal_)
        SetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), errorMode_);
}

} // namespace markast
