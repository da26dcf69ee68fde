#include "platform/FitText.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>

namespace markast {

namespace {

bool fits(const QLabel& label, const QFont& font) {
    const QFontMetrics metrics(font);
    if (!label.wordWrap())
        return metrics.horizontalAdvance(label.text()) <= label.width();
    const QRect wrapped =
        metrics.boundingRect(QRect(0, 0, label.width(), QWIDGETSIZE_MAX),
                             int(label.alignment()) | Qt::TextWordWrap, label.text());
    return wrapped.height() <= label.height();
}

} // namespace

void fitFontToLabel(QLabel& label, double floorPointSize) {
    QFont font = label.parentWidget() ? label.parentWidget()->font() : QApplication::font();
    while (!fits(label, font) && font.pointSizeF() - 0.5 >= floorPointSize)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    label.setFont(font);
}

void fitFontToButton(QAbstractButton& button, double floorPointSize) {
    QFont font = button.parentWidget() ? button.parentWidget()->font() : QApplication::font();
    button.setFont(font);
    while (button.sizeHint().width() > button.width() &&
           font.pointSizeF() - 0.5 >= floorPointSize) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        button.setFont(font);
    }
}

} // namespace markast
