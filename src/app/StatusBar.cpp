#include "StatusBar.h"

#include <QLabel>

namespace markast {

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent), simple_(new QLabel(this)) {
    setSizeGripEnabled(false);
    simple_->setAccessibleName(QStringLiteral("Status"));
    addWidget(simple_, 1);
}

QString StatusBar::simpleText() const {
    return simple_->text();
}

void StatusBar::setSimpleText(const QString& text) {
    simple_->setText(text);
    simple_->setAccessibleDescription(text);
}

} // namespace markast
