#pragma once

#include <QAction>
#include <QIcon>
#include <QMap>
#include <QToolBar>

namespace markast {

// Toolbar pictures by key.
class ImageList {
public:
    void add(const QString& key, const QIcon& picture) { pictures_.insert(key, picture); }
    QIcon picture(const QString& key) const { return pictures_.value(key); }

private:
    QMap<QString, QIcon> pictures_;
};

class Toolbar;

// A toolbar button that carries a key; clicks are dispatched on the key.
class ToolbarButton final : public QAction {
public:
    ToolbarButton(Toolbar& toolbar, QObject* parent);

    QString key() const { return key_; }
    void setKey(const QString& key) { key_ = key; }
    QString caption() const { return text(); }
    void setCaption(const QString& caption);
    void setToolTipText(const QString& tip) { setToolTip(tip); }
    QString image() const { return image_; }
    void setImage(const QString& imageKey);

private:
    Toolbar& toolbar_;
    QString key_;
    QString image_;
};

// A toolbar of keyed buttons that show their picture above their caption.
class Toolbar final : public QToolBar {
    Q_OBJECT
public:
    explicit Toolbar(QWidget* parent = nullptr);

    void setImageList(const ImageList* images) { images_ = images; }
    const ImageList* imageList() const { return images_; }
    // Adds a button at the end; the toolbar owns it.
    ToolbarButton* addButton();

Q_SIGNALS:
    void buttonClick(markast::ToolbarButton* button);

private:
    const ImageList* images_ = nullptr;
};

} // namespace markast
