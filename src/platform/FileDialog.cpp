#include "platform/FileDialog.h"

namespace markast {

QList<NameFilter> parseFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QList<NameFilter> entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        entries.append({parts[i], parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)});
    return entries;
}

} // namespace markast
