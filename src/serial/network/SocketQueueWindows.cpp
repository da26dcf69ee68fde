#include "serial/network/SocketQueue.h"

#include <winsock2.h>

namespace markast {

// Windows keeps no count that a program may read of what TCP still holds.
std::optional<qint64> unacknowledgedBytes(qintptr) {
    return std::nullopt;
}

void dropQueuedOnClose(qintptr socket) {
    const linger reset{1, 0};
    ::setsockopt(SOCKET(socket), SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&reset),
                 sizeof reset);
}

} // namespace markast
