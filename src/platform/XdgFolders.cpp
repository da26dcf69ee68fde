#include "platform/XdgFolders.h"

#include <QDir>
#include <QFile>
#include <QStringList>

namespace markast {

void ignoreRelativeXdgFolders() {
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME",
                             "XDG_RUNTIME_DIR"}) {
        if (qEnvironmentVariableIsSet(name) && !QDir::isAbsolutePath(qEnvironmentVariable(name)))
            qunsetenv(name);
    }
    for (const char* name : {"XDG_CONFIG_DIRS", "XDG_DATA_DIRS"}) {
        if (!qEnvironmentVariableIsSet(name))
            continue;
        QStringList absolute = qEnvironmentVariable(name).split(u':', Qt::SkipEmptyParts);
        absolute.removeIf([](const QString& folder) { return !QDir::isAbsolutePath(folder); });
        if (absolute.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, QFile::encodeName(absolute.join(u':')));
    }
}

} // namespace markast
