#include "app/PathLabel.h"

namespace markast {

PathLabel::PathLabel(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PathLabel::setPath(const QString& path) {
    path_ = path;
    setToolTip(path);
    setAccessibleName(path);
    showPath();
}

void PathLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    showPath();
}

void PathLabel::showPath() {
    setText(fontMetrics().elidedText(path_, Qt::ElideMiddle, contentsRect().width()));
}

} // namespace markast
