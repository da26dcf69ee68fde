#pragma once

#include <QByteArrayView>
#include <QDialog>

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

private:
    void showMessage(const QString& text);

    QStackedLayout* drawingArea_;
};

} // namespace markast
