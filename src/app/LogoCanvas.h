#pragma once

#include "hpgl/HpglReader.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace markast {

namespace hpgl {
class DisplayListPainter;
}

// A white sheet showing a logo's drawing, fitted to the widget with its aspect kept and drawn
// again on resize. A large drawing is drawn a slice at a time, so the window stays responsive.
class LogoCanvas final : public QWidget {
    Q_OBJECT
public:
    explicit LogoCanvas(QWidget* parent = nullptr);
    ~LogoCanvas() override;

    void setDrawing(std::shared_ptr<const hpgl::DisplayList> drawing);
    void setShowMoves(bool show);
    // True once the whole drawing is on the sheet.
    bool isComplete() const { return !painter_; }

Q_SIGNALS:
    // The drawing is on the sheet, whole or with marks left out for what they would cost.
    void drawn(bool inPart);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void restart();
    void drawSlice();

    std::shared_ptr<const hpgl::DisplayList> drawing_;
    bool showMoves_ = false;
    QImage sheet_;
    std::unique_ptr<hpgl::DisplayListPainter> painter_;
    QTimer slices_;
};

} // namespace markast
