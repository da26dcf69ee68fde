#pragma once

#include <QtGlobal>

#include <optional>

namespace markast {

// The operating system's TCP layer below Qt Network.

// Bytes the connection has sent but the far end has not acknowledged yet, and bytes not sent
// yet at all; nothing where the system cannot say.
std::optional<qint64> unacknowledgedBytes(qintptr socket);

// Makes the next close drop whatever the system still holds for the far end and reset the
// connection, rather than deliver it.
void dropQueuedOnClose(qintptr socket);

} // namespace markast
