#pragma once

#include <QString>

namespace markast {

enum class DeviceAccess {
    Ready,        // it exists and this account may write it
    NotPresent,   // nothing of that name
    NoPermission, // it exists, but this account may not write it
    NotADevice,   // a directory or an ordinary file
};

// Whether device can take bytes, worked out without opening it: an open toggles DTR and RTS
// on a live marker.
DeviceAccess deviceAccess(const QString& device);

} // namespace markast
