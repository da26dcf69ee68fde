#pragma once

#include "settings/Settings.h"

#include <QMenu>
#include <QStringList>

namespace markast {

// A stored list made fit to show: blank entries, relative paths, folders and repeats dropped,
// and no more than the newest eight kept.
QStringList cleanedRecentFiles(const QStringList& stored);

// File > Open Recent: the files last loaded, newest first, numbered 1 to 8, and "Clear Recent
// Files". The list lives in the settings group "Recent" and is stored whenever it changes.
class RecentFilesMenu final : public QMenu {
    Q_OBJECT
public:
    static constexpr int Most = 8;

    RecentFilesMenu(SettingsStore& store, QWidget* parent);

    QStringList files() const { return files_; }
    // A file loaded: first in the list.
    void add(const QString& path);
    // A file that could not be loaded: off the list.
    void remove(const QString& path);
Q_SIGNALS:
    void chosen(const QString& path);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void setFiles(const QStringList& files);
    void rebuild();

    Settings settings_;
    QStringList files_;
};

} // namespace markast
