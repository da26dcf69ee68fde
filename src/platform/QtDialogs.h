#pragma once

#include "platform/FileDialog.h"
#include "platform/MessageBoxes.h"
#include "platform/PrintDialog.h"

namespace markast {

// Message boxes owned by the main window, or by the modal window open over it.
class QtMessageBoxes final : public MessageBoxes {
public:
    void show(const QString& text, const QString& title, Icon icon) override;
};

// Qt's own (not the desktop's) open dialog, owned like the message boxes, so every platform
// matches patterns the same way.
class QtFileDialog final : public FileDialog {
public:
    std::optional<QString> showOpen(const OpenDialogSetup& setup) override;
    std::optional<SavedFile> showSave(const OpenDialogSetup& setup) override;
};

// Qt's print dialog, owned like the message boxes.
class QtPrintDialog final : public PrintDialog {
public:
    bool choose(QPrinter& printer) override;
};

// "*.plt" -> "*.[pP][lL][tT]": operators coming from Windows expect LOGO.PLT to match too.
QString caseInsensitiveGlob(const QString& glob);
// Qt's "description (patterns)" form of each entry, patterns made case-insensitive.
QStringList qtNameFilters(const QString& filter);

} // namespace markast
