#include "app/LogoCanvas.h"

#include "hpgl/DisplayListPainter.h"

#include <QPainter>

namespace markast {

namespace {
// How long one slice may draw before the window handles its events again.
constexpr auto SliceTime = std::chrono::milliseconds(15);
constexpr int Margin = 12;
} // namespace

LogoCanvas::LogoCanvas(QWidget* parent) : QWidget(parent) {
    setMinimumSize(160, 120);
    setAttribute(Qt::WA_OpaquePaintEvent);
    slices_.setInterval(0);
    connect(&slices_, &QTimer::timeout, this, &LogoCanvas::drawSlice);
}

LogoCanvas::~LogoCanvas() = default;

void LogoCanvas::setDrawing(std::shared_ptr<const hpgl::DisplayList> drawing) {
    drawing_ = std::move(drawing);
    restart();
}

void LogoCanvas::setShowMoves(bool show) {
    showMoves_ = show;
    restart();
}

void LogoCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    restart();
}

void LogoCanvas::restart() {
    sheet_ = QImage(size() * devicePixelRatioF(), QImage::Format_RGB32);
    sheet_.setDevicePixelRatio(devicePixelRatioF());
    sheet_.fill(Qt::white);
    painter_.reset();
    if (drawing_ && !size().isEmpty()) {
        const QRectF area = QRectF(rect()).adjusted(Margin, Margin, -Margin, -Margin);
        painter_ = std::make_unique<hpgl::DisplayListPainter>(*drawing_, area, showMoves_);
        slices_.start();
    }
    update();
}

void LogoCanvas::drawSlice() {
    if (!painter_) {
        slices_.stop();
        return;
    }
    QPainter painter(&sheet_);
    if (painter_->paintSome(painter, QDeadlineTimer(SliceTime))) {
        const bool inPart = painter_->leftMarksOut();
        painter_.reset();
        slices_.stop();
        Q_EMIT drawn(inPart);
    }
    update();
}

void LogoCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, sheet_);
}

} // namespace markast
