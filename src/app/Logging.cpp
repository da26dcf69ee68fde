#include "app/Logging.h"

namespace markast {

Q_LOGGING_CATEGORY(lcApp, "markast.app")

} // namespace markast
