#include "platform/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace markast {

void QtMessageBoxes::show(const QString& text, const QString& title, Icon icon) {
    static constexpr QMessageBox::Icon qtIcons[] = {QMessageBox::NoIcon, QMessageBox::Information,
                                                    QMessageBox::Warning, QMessageBox::Critical};
    QMessageBox box(qtIcons[static_cast<int>(icon)], title, text, QMessageBox::Ok,
                    QApplication::activeWindow());
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
    QFileDialog dialog(QApplication::activeWindow(), setup.title);
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(qtNameFilters(setup.filter));
    dialog.selectFile(setup.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace markast
