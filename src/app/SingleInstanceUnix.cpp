#include "app/SingleInstance.h"

#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace markast {

std::optional<QString> SingleInstance::socketPath(QString& why) {
    // Qt names no folder when it refuses its fallback, for one that another user made first.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    struct stat status {};
    if (folder.isEmpty() || !QFileInfo(folder).isAbsolute()) {
        why = QStringLiteral("there is no runtime folder (XDG_RUNTIME_DIR)");
        return std::nullopt;
    }
    if (::stat(QFile::encodeName(folder).constData(), &status) != 0 || !S_ISDIR(status.st_mode) ||
        status.st_uid != ::geteuid() || (status.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
        why = QStringLiteral("the runtime folder %1 is not a private folder of this user's")
                  .arg(folder);
        return std::nullopt;
    }
    return folder + QStringLiteral("/markast.socket");
}

// Only this user may enter the folder the socket lies in.
bool SingleInstance::isThisUsersServer(QLocalSocket&, QString&) {
    return true;
}

} // namespace markast
