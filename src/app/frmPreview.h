#pragma once

#include "hpgl/HpglReader.h"

#include <QByteArrayView>
#include <QDialog>
#include <QFutureWatcher>

#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;
class QStackedLayout;

namespace markast {

class FileDialog;
class LogoCanvas;
class MessageBoxes;
class PrintDialog;

// The Logo Preview window: what the loaded logo draws and how big it is, and that drawing saved
// as an image or printed at true size. It reads the bytes that Download will send and never
// changes them.
class frmPreview final : public QDialog {
    Q_OBJECT
public:
    // The dialogs the window asks through; tests answer them.
    struct Services {
        FileDialog& files;
        PrintDialog& printing;
        MessageBoxes& messages;
    };

    // The PNG a Save Image writes, in pixels a side.
    static constexpr int ImageSize = 1024;

    frmPreview(QWidget* owner, Services services);

    void showLogo(const QString& fileName, QByteArrayView bytes);
    void showNoLogo();

    LogoCanvas* canvas;
    QLabel* lblMessage; // in the drawing's place when there is nothing to draw
    QCheckBox* chkMoves;
    QLabel* lblSize;
    QLabel* lblNotes;
    QPushButton* cmdSaveImage;
    QPushButton* cmdPrint;

protected:
    void changeEvent(QEvent* event) override;

private:
    void showDrawing();
    void showTexts();
    void showMessage(const QString& text);
    bool hasDrawing() const { return drawing_ && drawing_->hasDrawing(); }
    void cmdSaveImage_Click();
    void cmdPrint_Click();

    Services services_;
    QStackedLayout* drawingArea_;
    std::shared_ptr<const hpgl::DisplayList> drawing_; // none while no logo is loaded or read
    QFutureWatcher<std::shared_ptr<const hpgl::DisplayList>> reading_;
    bool awaiting_ = false; // the logo shown is being read
    bool paintedInPart_ = false;
    QString fileName_;
    qsizetype byteCount_ = 0;
};

} // namespace markast
