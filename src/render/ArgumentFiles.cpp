#include "render/ArgumentFiles.h"

#include <QFileInfo>

namespace markast::render {

ArgumentFiles::ArgumentFiles(const QStringList& arguments) {
    for (const QString& path : arguments) {
        if (QFileInfo(path).size() > LargestLookedAt) {
            mayDrawText_ = true;
            continue;
        }
        Read read;
        read.logo = readLogoFile(path, read.error);
        if (read.logo && QLatin1StringView(read.logo->payload())
                             .contains(QLatin1StringView("LB"), Qt::CaseInsensitive))
            mayDrawText_ = true;
        read_.insert_or_assign(path, std::move(read));
    }
}

std::optional<LogoBuffer> ArgumentFiles::take(const QString& path, LogoFileError& error) {
    auto read = read_.extract(path);
    if (read.empty())
        return readLogoFile(path, error);
    error = read.mapped().error;
    return std::move(read.mapped().logo);
}

} // namespace markast::render
