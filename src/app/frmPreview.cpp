#include "app/frmPreview.h"

#include "app/LogoCanvas.h"
#include "hpgl/HpglPainter.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace markast {

frmPreview::frmPreview(QWidget* owner) : QDialog(owner, Qt::Window) {
    canvas = new LogoCanvas(this);
    lblMessage = new QLabel(this);
    lblMessage->setAlignment(Qt::AlignCenter);
    lblMessage->setWordWrap(true);
    chkMoves = new QCheckBox(this);
    // A screen reader reads these labels' own texts: a fixed name would hide them.
    lblSize = new QLabel(this);
    lblSize->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblNotes = new QLabel(this);
    lblNotes->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    drawingArea_ = new QStackedLayout;
    drawingArea_->addWidget(canvas);
    drawingArea_->addWidget(lblMessage);
    layout->addLayout(drawingArea_, 1);
    layout->addWidget(chkMoves);
    layout->addWidget(lblSize);
    layout->addWidget(lblNotes);
    resize(640, 480);
    connect(chkMoves, &QCheckBox::toggled, canvas, &LogoCanvas::setShowMoves);
    showNoLogo();
}

void frmPreview::showLogo(const QString& fileName, QByteArrayView bytes) {
    fileName_ = fileName;
    byteCount_ = bytes.size();
    drawing_ = std::make_shared<const hpgl::DisplayList>(hpgl::readHpgl(bytes));
    canvas->setDrawing(drawing_->hasDrawing() ? drawing_ : nullptr);
    showTexts();
}

void frmPreview::showNoLogo() {
    drawing_.reset();
    canvas->setDrawing(nullptr);
    showTexts();
}

// Every text, in the language now in use, for the logo shown or for none.
void frmPreview::showTexts() {
    canvas->setAccessibleName(tr("Logo drawing"));
    chkMoves->setText(tr("Show pen-up moves"));
    if (!drawing_) {
        setWindowTitle(tr("Logo Preview"));
        showMessage(tr("No logo loaded"));
        lblNotes->clear();
        return;
    }
    setWindowTitle(tr("Logo Preview - %1").arg(fileName_));
    lblNotes->setText(hpgl::notesText(*drawing_, byteCount_));
    if (!drawing_->hasDrawing()) {
        showMessage(tr("This file has no HPGL drawing to preview"));
        return;
    }
    lblSize->setText(hpgl::sizeText(*drawing_));
    drawingArea_->setCurrentWidget(canvas);
}

void frmPreview::showMessage(const QString& text) {
    lblSize->clear();
    lblMessage->setText(text);
    drawingArea_->setCurrentWidget(lblMessage);
}

void frmPreview::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        showTexts();
    QDialog::changeEvent(event);
}

} // namespace markast
