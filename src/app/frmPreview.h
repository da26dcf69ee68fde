#pragma once

#include "hpgl/HpglReader.h"

#include <QByteArrayView>
#include <QDialog>

#include <memory>

class QCheckBox;
class QLabel;
class QStackedLayout;

namespace markast {

class LogoCanvas;

// The Logo Preview window: what the loaded logo draws and how big it is. It reads the bytes
// that Download will send and never changes them.
class frmPreview final : public QDialog {
    Q_OBJECT
public:
    explicit frmPreview(QWidget* owner);

    void showLogo(const QString& fileName, QByteArrayView bytes);
    void showNoLogo();

    LogoCanvas* canvas;
    QLabel* lblMessage; // in the drawing's place when there is nothing to draw
    QCheckBox* chkMoves;
    QLabel* lblSize;
    QLabel* lblNotes;

protected:
    void changeEvent(QEvent* event) override;

private:
    void showTexts();
    void showMessage(const QString& text);

    QStackedLayout* drawingArea_;
    std::shared_ptr<const hpgl::DisplayList> drawing_; // none while no logo is loaded
    QString fileName_;
    qsizetype byteCount_ = 0;
};

} // namespace markast
