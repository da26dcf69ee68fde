#include "serial/network/SocketQueue.h"

#include <sys/ioctl.h>
#include <sys/socket.h>
#if defined(Q_OS_LINUX)
#include <linux/sockios.h>
#endif

namespace markast {

std::optional<qint64> unacknowledgedBytes(qintptr socket) {
#if defined(Q_OS_LINUX)
    int queued = 0;
    if (::ioctl(int(socket), SIOCOUTQ, &queued) == 0)
        return queued;
#elif defined(Q_OS_DARWIN)
    int queued = 0;
    socklen_t size = sizeof queued;
    if (::getsockopt(int(socket), SOL_SOCKET, SO_NWRITE, &queued, &size) == 0)
        return queued;
#else
    Q_UNUSED(socket);
#endif
    return std::nullopt;
}

void dropQueuedOnClose(qintptr socket) {
    const linger reset{1, 0};
    ::setsockopt(int(socket), SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
}

} // namespace markast
