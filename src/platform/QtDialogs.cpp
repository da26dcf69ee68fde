#include "platform/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPrintDialog>

#include <algorithm>

namespace markast {

namespace {

// The window a dialog belongs to: the modal window the operator is in, else the program's main
// window, so that the dialog comes up centred over it even before the desktop has made any
// window active.
QWidget* dialogOwner() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto main = std::find_if(windows.begin(), windows.end(), [](const QWidget* window) {
        return window->isVisible() && qobject_cast<const QMainWindow*>(window);
    });
    return main != windows.end() ? *main : QApplication::activeWindow();
}

} // namespace

void QtMessageBoxes::show(const QString& text, const QString& title, Icon icon) {
    static constexpr QMessageBox::Icon qtIcons[] = {QMessageBox::NoIcon, QMessageBox::Information,
                                                    QMessageBox::Warning, QMessageBox::Critical};
    QMessageBox box(qtIcons[static_cast<int>(icon)], title, text, QMessageBox::Ok, dialogOwner());
    box.exec();
}

QString caseInsensitiveGlob(const QString& glob) {
    QString result;
    for (const QChar c : glob) {
        const QChar lower = c.toLower();
        const QChar upper = c.toUpper();
        if (lower == upper)
            result += c;
        else
            result += QLatin1Char('[') + lower + upper + QLatin1Char(']');
    }
    return result;
}

QStringList qtNameFilters(const QString& filter) {
    QStringList result;
    for (const NameFilter& entry : parseFilter(filter)) {
        QStringList globs;
        for (const QString& pattern : entry.patterns)
            globs.append(caseInsensitiveGlob(pattern));
        result.append(entry.description + QLatin1String(" (") + globs.join(QLatin1Char(' ')) +
                      QLatin1Char(')'));
    }
    return result;
}

std::optional<QString> QtFileDialog::showOpen(const OpenDialogSetup& setup) {
    QFileDialog dialog(dialogOwner(), setup.title);
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(qtNameFilters(setup.filter));
    dialog.selectFile(setup.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

// A name typed without a suffix gets the one of the entry chosen.
std::optional<SavedFile> QtFileDialog::showSave(const OpenDialogSetup& setup) {
    QFileDialog dialog(dialogOwner(), setup.title);
    dialog.setOptions(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QList<NameFilter> entries = parseFilter(setup.filter);
    const QStringList filters = qtNameFilters(setup.filter);
    dialog.setNameFilters(filters);
    const auto suffixOf = [&entries](int entry) {
        return entries.value(entry).patterns.value(0).section(u'.', -1);
    };
    dialog.setDefaultSuffix(suffixOf(0));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        dialog.setDefaultSuffix(suffixOf(int(filters.indexOf(filter))));
    });
    dialog.selectFile(setup.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return SavedFile{dialog.selectedFiles().constFirst(),
                     int(std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter())))};
}

bool QtPrintDialog::choose(QPrinter& printer) {
    QPrintDialog dialog(&printer, dialogOwner());
    return dialog.exec() == QDialog::Accepted;
}

} // namespace markast
