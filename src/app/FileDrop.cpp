#include "app/FileDrop.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace markast {

namespace {
class Desktop {
    Q_DECLARE_TR_FUNCTIONS(Desktop)
};
} // namespace

DropVerdict judgeDrop(const QMimeData& dropped, bool busy) {
    if (busy)
        return {{},
                Desktop::tr("Not opened: a logo is being downloaded. Drop it again when "
                            "the download is done.")};
    const QList<QUrl> urls = dropped.urls();
    if (urls.size() != 1)
        return {{}, Desktop::tr("Not opened: drop one logo file at a time.")};
    const QUrl& url = urls.front();
    if (!url.isLocalFile())
        return {{},
                Desktop::tr("Not opened: %1 is not a file on this computer.")
                    .arg(url.toDisplayString())};
    const QString path = QFileInfo(url.toLocalFile()).absoluteFilePath();
    if (QFileInfo(path).isDir())
        return {{}, Desktop::tr("Not opened: %1 is a folder.").arg(path)};
    return {path, {}};
}

} // namespace markast
