#include "app/Toolbar.h"

namespace markast {

ToolbarButton::ToolbarButton(Toolbar& toolbar, QObject* parent)
    : QAction(parent), toolbar_(toolbar) {}

void ToolbarButton::setCaption(const QString& caption) {
    setText(caption);
    setIconText(caption);
}

void ToolbarButton::setImage(const QString& imageKey) {
    image_ = imageKey;
    setIcon(toolbar_.imageList() ? toolbar_.imageList()->picture(imageKey) : QIcon());
}

Toolbar::Toolbar(QWidget* parent) : QToolBar(parent) {
    setMovable(false);
    setFloatable(false);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize({16, 16});
}

ToolbarButton* Toolbar::addButton() {
    auto* button = new ToolbarButton(*this, this);
    addAction(button);
    connect(button, &QAction::triggered, this, [this, button] { Q_EMIT buttonClick(button); });
    return button;
}

} // namespace markast
