#include "app/frmPreview.h"

#include "app/LogoCanvas.h"
#include "hpgl/PreviewTexts.h"
#include "platform/FileDialog.h"
#include "platform/MessageBoxes.h"
#include "platform/PrintDialog.h"
#include "render/LogoRender.h"

#include <QCheckBox>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace markast {

namespace {

// The Save Image dialog's entries, in the order of their formats.
constexpr render::Format ImageFormats[] = {render::Format::Png, render::Format::Svg,
                                           render::Format::Pdf};

QString imageFilter() {
    return frmPreview::tr("PNG Image (*.png)") + QStringLiteral("|*.png|") +
           frmPreview::tr("SVG Drawing (*.svg)") + QStringLiteral("|*.svg|") +
           frmPreview::tr("PDF Document (*.pdf)") + QStringLiteral("|*.pdf");
}

// path with the suffix of format, where it has another or none.
QString withSuffix(const QString& path, render::Format format) {
    return render::formatOf(path) == format ? path : path + u'.' + render::suffixOf(format);
}

} // namespace

frmPreview::frmPreview(QWidget* owner, Services services)
    : QDialog(owner, Qt::Window), services_(services) {
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
    cmdSaveImage = new QPushButton(this);
    cmdPrint = new QPushButton(this);
    // Their access keys come with their texts; Ctrl+S and Ctrl+P press them too.
    for (auto [button, key] :
         {std::pair{cmdSaveImage, QKeySequence::Save}, std::pair{cmdPrint, QKeySequence::Print}}) {
        button->setAutoDefault(false); // Enter in the window is no order to save or print
        connect(new QShortcut(key, this), &QShortcut::activated, button, &QPushButton::click);
    }

    auto* layout = new QVBoxLayout(this);
    drawingArea_ = new QStackedLayout;
    drawingArea_->addWidget(canvas);
    drawingArea_->addWidget(lblMessage);
    layout->addLayout(drawingArea_, 1);
    layout->addWidget(chkMoves);
    layout->addWidget(lblSize);
    layout->addWidget(lblNotes);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSaveImage);
    buttons->addWidget(cmdPrint);
    layout->addLayout(buttons);
    resize(640, 480);
    connect(chkMoves, &QCheckBox::toggled, canvas, &LogoCanvas::setShowMoves);
    connect(cmdSaveImage, &QPushButton::clicked, this, &frmPreview::cmdSaveImage_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmPreview::cmdPrint_Click);
    connect(&reading_, &QFutureWatcherBase::finished, this, &frmPreview::showDrawing);
    connect(canvas, &LogoCanvas::drawn, this, [this](bool inPart) {
        paintedInPart_ = inPart;
        showTexts();
    });
    showNoLogo();
}

// Read aside, so that the window answers while a large logo is read. The bytes are copied:
// the logo loaded may change before the reading ends.
void frmPreview::showLogo(const QString& fileName, QByteArrayView bytes) {
    fileName_ = fileName;
    byteCount_ = bytes.size();
    drawing_.reset();
    canvas->setDrawing(nullptr);
    awaiting_ = true;
    reading_.setFuture(hpgl::readHpglAside(bytes.toByteArray()));
    showTexts();
}

void frmPreview::showNoLogo() {
    awaiting_ = false; // a reading under way is not shown when it ends
    drawing_.reset();
    canvas->setDrawing(nullptr);
    showTexts();
}

void frmPreview::showDrawing() {
    if (!awaiting_)
        return;
    awaiting_ = false;
    paintedInPart_ = false;
    drawing_ = reading_.result();
    canvas->setDrawing(drawing_->hasDrawing() ? drawing_ : nullptr);
    showTexts();
}

// Every text, in the language now in use, for the logo shown or for none.
void frmPreview::showTexts() {
    canvas->setAccessibleName(tr("Logo drawing"));
    chkMoves->setText(tr("Show pen-up moves"));
    cmdSaveImage->setText(tr("&Save Image..."));
    cmdPrint->setText(tr("&Print..."));
    // Nothing to save or print: the buttons say so, rather than make an empty image.
    const QString refusal =
        hasDrawing() ? QString() : tr("There is no logo drawing to save or print");
    for (QPushButton* button : {cmdSaveImage, cmdPrint}) {
        button->setEnabled(hasDrawing());
        button->setToolTip(refusal);
        button->setAccessibleDescription(refusal);
    }
    if (!drawing_ && !awaiting_) {
        setWindowTitle(tr("Logo Preview"));
        showMessage(tr("No logo loaded"));
        lblNotes->clear();
        return;
    }
    setWindowTitle(tr("Logo Preview - %1").arg(fileName_));
    if (!drawing_) {
        showMessage(tr("Reading the logo..."));
        lblNotes->clear();
        return;
    }
    lblNotes->setText(hpgl::notesText(*drawing_, byteCount_, paintedInPart_));
    if (!drawing_->hasDrawing()) {
        showMessage(drawing_->tooComplexToDraw() ? tr("This logo is too complex to preview")
                                                 : tr("This file has no HPGL drawing to preview"));
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

// PNG, SVG or PDF, as the dialog's chosen entry says; SVG and PDF at true size.
void frmPreview::cmdSaveImage_Click() {
    if (!hasDrawing())
        return;
    const std::optional<SavedFile> chosen = services_.files.showSave(
        {tr("Save Logo Image"), imageFilter(), QFileInfo(fileName_).completeBaseName() + ".png"});
    if (!chosen)
        return;
    const render::Format format =
        ImageFormats[std::clamp(chosen->filterIndex, 0, int(std::size(ImageFormats)) - 1)];
    const QString path = withSuffix(chosen->path, format);
    QString error;
    if (!render::writeLogo(*drawing_, path, format, ImageSize, error))
        services_.messages.show(tr("The image could not be saved.\n\n%1: %2").arg(path, error),
                                ApplicationTitle, MessageBoxes::Icon::Warning);
}

// At true size, under the file's name and the logo's size.
void frmPreview::cmdPrint_Click() {
    if (!hasDrawing())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(fileName_);
    if (!services_.printing.choose(printer))
        return;
    const QString caption = fileName_ + QStringLiteral(" \u00b7 ") + hpgl::sizeText(*drawing_);
    if (!render::paintPage(*drawing_, printer, caption))
        services_.messages.show(tr("The logo could not be printed."), ApplicationTitle,
                                MessageBoxes::Icon::Warning);
}

void frmPreview::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        showTexts();
    QDialog::changeEvent(event);
}

} // namespace markast
