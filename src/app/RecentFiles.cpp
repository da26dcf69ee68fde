#include "app/RecentFiles.h"

#include "app/Logging.h"
#include "app/PathLabel.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>

namespace markast {

namespace {

// A menu item's text for path: shortened in the middle where it is long, so that the file's
// name stays in view, with its control characters shown and its ampersands no access keys.
QString itemText(const QString& path) {
    constexpr qsizetype Longest = 60;
    const QString shown = visiblePath(path);
    const QString shortened = shown.size() <= Longest
                                  ? shown
                                  : shown.left(20) + QChar(0x2026) + shown.right(Longest - 21);
    return QString(shortened).replace(u'&', QStringLiteral("&&"));
}

} // namespace

// Paths are kept exactly as they were loaded: a blank at an end is part of a file's name.
QStringList cleanedRecentFiles(const QStringList& stored) {
    QStringList files;
    for (const QString& path : stored) {
        if (files.size() == RecentFilesMenu::Most)
            break;
        if (!QDir::isAbsolutePath(path) || QFileInfo(path).isDir() || files.contains(path))
            continue;
        files.append(path);
    }
    return files;
}

RecentFilesMenu::RecentFilesMenu(SettingsStore& store, QWidget* parent)
    : QMenu(parent), settings_(store) {
    const QStringList stored = settings_.recentFiles();
    files_ = cleanedRecentFiles(stored);
    if (files_ != stored)
        setFiles(files_); // a broken list heals at once
    retranslate();
}

void RecentFilesMenu::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMenu::changeEvent(event);
}

void RecentFilesMenu::retranslate() {
    setTitle(tr("Open &Recent"));
    rebuild();
}

void RecentFilesMenu::add(const QString& path) {
    QStringList files = files_;
    files.prepend(path);
    setFiles(cleanedRecentFiles(files));
}

void RecentFilesMenu::remove(const QString& path) {
    QStringList files = files_;
    files.removeAll(path);
    setFiles(files);
}

void RecentFilesMenu::setFiles(const QStringList& files) {
    files_ = files;
    if (!settings_.setRecentFiles(files_))
        qCWarning(lcApp, "the recent files could not be saved");
    rebuild();
}

void RecentFilesMenu::rebuild() {
    clear();
    for (int i = 0; i < files_.size(); ++i) {
        const QString path = files_[i];
        QAction* item = addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(itemText(path)));
        item->setToolTip(visiblePath(path));
        connect(item, &QAction::triggered, this, [this, path] { Q_EMIT chosen(path); });
    }
    addSeparator();
    QAction* clearAll = addAction(tr("&Clear Recent Files"));
    connect(clearAll, &QAction::triggered, this, [this] { setFiles({}); });
    clearAll->setEnabled(!files_.isEmpty());
    setToolTipsVisible(true);
    menuAction()->setEnabled(!files_.isEmpty());
}

} // namespace markast
