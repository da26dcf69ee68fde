#include "app/frmPreview.h"

#include "app/LogoCanvas.h"
#include "hpgl/HpglPainter.h"

#include <QCheckBox>
#include <QLabel>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace markast {

frmPreview::frmPreview(QWidget* owner) : QDialog(owner, Qt::Window) {
    canvas = new LogoCanvas(this);
    canvas->setAccessibleName(QStringLiteral("Logo drawing"));
    lblMessage = new QLabel(this);
    lblMessage->setAlignment(Qt::AlignCenter);
    lblMessage->setWordWrap(true);
    chkMoves = new QCheckBox(QStringLiteral("Show pen-up moves"), this);
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
    setWindowTitle(QStringLiteral("Logo Preview - ") + fileName);
    auto drawing = std::make_shared<const hpgl::DisplayList>(hpgl::readHpgl(bytes));
    lblNotes->setText(hpgl::notesText(*drawing, bytes.size()));
    if (!drawing->hasDrawing()) {
        showMessage(QStringLiteral("This file has no HPGL drawing to preview"));
        return;
    }
    lblSize->setText(hpgl::sizeText(*drawing));
    canvas->setDrawing(std::move(drawing));
    drawingArea_->setCurrentWidget(canvas);
}

void frmPreview::showNoLogo() {
    setWindowTitle(QStringLiteral("Logo Preview"));
    lblNotes->clear();
    showMessage(QStringLiteral("No logo loaded"));
}

void frmPreview::showMessage(const QString& text) {
    canvas->setDrawing(nullptr);
    lblSize->clear();
    lblMessage->setText(text);
    drawingArea_->setCurrentWidget(lblMessage);
}

} // namespace markast
