#include "send/Console.h"

#include <unistd.h>

namespace markast {

Console::Console() : errorIsTerminal_(::isatty(STDERR_FILENO) != 0) {}

Console::~Console() = default;

} // namespace markast
