#include "app/StatusBar.h"

#include <QLabel>

namespace markast {

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent), simple_(new QLabel(this)) {
    setSizeGripEnabled(false);
    simple_->setTextFormat(Qt::PlainText); // a file's name in it is never markup
    // The label's accessible name is its text, so a screen reader reads the status itself.
    addWidget(simple_, 1);
}

QString StatusBar::simpleText() const {
    return simple_->text();
}

void StatusBar::setSimpleText(const QString& text) {
    simple_->setText(text);
}

} // namespace markast
