#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace markast {

// What the open dialog is set up with before it is shown.
struct OpenDialogSetup {
    QString title;
    // Entries "description|pattern|description|pattern...", as the marker software always wrote
    // them.
    QString filter;
    QString fileName;
};

// The file a save dialog chose, and which of its filter's entries was chosen with it.
struct SavedFile {
    QString path;
    int filterIndex = 0;
};

// The file dialogs: to open a file and to save one. Tests answer them without a person.
class FileDialog {
public:
    virtual ~FileDialog() = default;
    // The chosen path, or nothing when the operator cancelled.
    virtual std::optional<QString> showOpen(const OpenDialogSetup& setup) = 0;
    // The file to save, set up as the open dialog is; nothing when the operator cancelled.
    virtual std::optional<SavedFile> showSave(const OpenDialogSetup& setup) = 0;
};

struct NameFilter {
    QString description;
    QStringList patterns;
};

// Splits "description|pattern|..." into its entries; a pattern may hold several globs split by ';'.
QList<NameFilter> parseFilter(const QString& filter);

} // namespace markast
