#pragma once

#include <QLoggingCategory>

namespace markast {

// The window's log, "markast.app": one category for all of the window layer.
Q_DECLARE_LOGGING_CATEGORY(lcApp)

} // namespace markast
