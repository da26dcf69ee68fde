#include "app/PathLabel.h"

namespace markast {

QString visiblePath(const QString& path) {
    QString shown = path;
    for (QChar& c : shown) {
        if (c.unicode() < 0x20)
            c = QChar(0x2400 + c.unicode());
        else if (c.unicode() == 0x7f)
            c = QChar(0x2421);
    }
    return shown;
}

PathLabel::PathLabel(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

void PathLabel::setPath(const QString& path) {
    path_ = path;
    setToolTip(visiblePath(path));
    setAccessibleName(path);
    showPath();
}

void PathLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    showPath();
}

void PathLabel::showPath() {
    setText(fontMetrics().elidedText(visiblePath(path_), Qt::ElideMiddle, contentsRect().width()));
}

} // namespace markast
