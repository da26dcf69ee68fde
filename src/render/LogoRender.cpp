#include "render/LogoRender.h"

#include "hpgl/DisplayListPainter.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cmath>
#include <optional>

namespace markast::render {

namespace {

// SVG and PDF are drawn in plotter units: 40 to the millimetre, 1016 to the inch.
constexpr int UnitsPerInch = 1016;
constexpr double MmPerInch = 25.4;
constexpr double CaptionMm = 3.5;
constexpr double CaptionGapMm = 3;

// The widest mark at true size, in millimetres: the room a page leaves around the logo.
double widestPenMm(const hpgl::DisplayList& list) {
    double widest = 0;
    for (const hpgl::Stroke& stroke : list.strokes)
        widest = std::max(widest, stroke.marks ? stroke.width : 0);
    return std::max(TrueSizePenMm, widest * hpgl::MillimetresPerUnit);
}

// Plotter units to a device at perMm device units to the millimetre, the logo's top left
// corner at topLeft.
QTransform trueSize(const QRectF& extent, double perMm, const QPointF& topLeft) {
    const double scale = perMm * hpgl::MillimetresPerUnit;
    return QTransform(scale, 0, 0, -scale, topLeft.x() - scale * extent.left(),
                      topLeft.y() + scale * extent.bottom());
}

void paintTrueSize(QPainter& painter, const hpgl::DisplayList& list, double perMm,
                   const QPointF& topLeft) {
    hpgl::DisplayListPainter(list, trueSize(list.extent, perMm, topLeft),
                             {TrueSizePenMm * perMm, false, true})
        .paintAll(painter);
}

// The logo at true size in the middle of device's page, drawn at UnitsPerInch.
void paintCentred(QPaintDevice& device, const hpgl::DisplayList& list) {
    QPainter painter(&device);
    const double perMm = UnitsPerInch / MmPerInch;
    const QSizeF logo = list.extent.size() * hpgl::MillimetresPerUnit * perMm;
    paintTrueSize(painter, list, perMm,
                  {(device.width() - logo.width()) / 2, (device.height() - logo.height()) / 2});
}

// The title, from the file's name, is written into the XML as it is: an & in the name would
// leave a file no reader takes.
void writeSvg(const hpgl::DisplayList& list, QIODevice& file, const QString& title) {
    const QSizeF mm = trueSizeMm(list);
    const double perMm = UnitsPerInch / MmPerInch;
    const QSize units(qCeil(mm.width() * perMm), qCeil(mm.height() * perMm));
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setResolution(UnitsPerInch);
    svg.setSize(units);
    svg.setViewBox(QRect(QPoint(0, 0), units));
    svg.setTitle(title.toHtmlEscaped());
    paintCentred(svg, list);
}

void writePdf(const hpgl::DisplayList& list, QIODevice& file, const QString& title) {
    QPdfWriter pdf(&file);
    pdf.setCreator(QStringLiteral("Markast"));
    pdf.setTitle(title);
    pdf.setResolution(UnitsPerInch);
    // A PDF page is a whole number of points: the logo's own size, to the nearest point.
    const QSizeF points = list.extent.size() * hpgl::MillimetresPerUnit / MmPerInch * 72;
    const QSize page(std::max(1, qRound(points.width())), std::max(1, qRound(points.height())));
    pdf.setPageLayout(QPageLayout(QPageSize(page, QString(), QPageSize::ExactMatch),
                                  QPageLayout::Portrait, QMarginsF()));
    paintCentred(pdf, list);
}

// The image, whole, in memory.
std::optional<QByteArray> encodeLogo(const hpgl::DisplayList& list, Format format, int size,
                                     const QString& title) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    switch (format) {
    case Format::Png:
        if (!logoImage(list, size).save(&buffer, "PNG"))
            return std::nullopt;
        break;
    case Format::Svg:
        writeSvg(list, buffer, title);
        break;
    case Format::Pdf:
        writePdf(list, buffer, title);
        break;
    }
    return buffer.data();
}

} // namespace

std::optional<Format> formatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const Format format : {Format::Png, Format::Svg, Format::Pdf}) {
        if (suffix == suffixOf(format))
            return format;
    }
    return std::nullopt;
}

QString suffixOf(Format format) {
    switch (format) {
    case Format::Png:
        return QStringLiteral("png");
    case Format::Svg:
        return QStringLiteral("svg");
    case Format::Pdf:
        return QStringLiteral("pdf");
    }
    return {};
}

QImage logoImage(const hpgl::DisplayList& list, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const double margin = std::max(1, size / 32);
    const QRectF area = QRectF(image.rect()).adjusted(margin, margin, -margin, -margin);
    hpgl::DisplayListPainter(list, area, false, {std::clamp(size / 128.0, 1.0, 8.0), true})
        .paintAll(painter);
    return image;
}

QSizeF trueSizeMm(const hpgl::DisplayList& list) {
    const double pen = widestPenMm(list);
    return list.extent.size() * hpgl::MillimetresPerUnit + QSizeF(pen, pen);
}

// Drawn whole before OUT is touched. Then it goes into a file beside path that takes its place,
// so that a run killed or failed midway leaves what was there. An empty file at path is filled
// in place instead: a thumbnailing service makes OUT empty and reads the image back through
// the handle it keeps, which a new file put in its place would never reach. Only an ordinary
// file is written: a FIFO would block the write until someone reads it, and a device is no
// place for an image.
bool writeLogo(const hpgl::DisplayList& list, const QString& path, Format format, int size,
               QString& error) {
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
        error = Render::tr("it is not an ordinary file");
        return false;
    }
    const std::optional<QByteArray> image =
        encodeLogo(list, format, size, target.completeBaseName());
    if (!image) {
        error = Render::tr("the image could not be made");
        return false;
    }
    if (target.exists() && target.size() == 0) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::ExistingOnly) ||
            file.write(*image) != image->size() || !file.flush()) {
            error = file.errorString();
            return false;
        }
        return true;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(*image) != image->size() || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

bool paintPage(const hpgl::DisplayList& list, QPagedPaintDevice& device, const QString& caption) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double perMm = device.logicalDpiX() / MmPerInch;
    const QRectF page(0, 0, device.width(), device.height());
    const QRectF below = page.adjusted(0, (CaptionMm + CaptionGapMm) * perMm, 0, 0);
    const QSizeF logo = trueSizeMm(list) * perMm;
    const double fit =
        std::min({1.0, below.width() / logo.width(), below.height() / logo.height()});
    QString text = caption;
    if (fit < 1)
        text = Render::tr("%1 · shown at %2% to fit the page")
                   .arg(caption, QLocale().toString(std::floor(fit * 1000) / 10, 'f', 1));
    QFont font = painter.font();
    font.setPixelSize(qRound(CaptionMm * 0.8 * perMm));
    painter.setFont(font);
    painter.drawText(QRectF(page.topLeft(), QSizeF(page.width(), CaptionMm * perMm)),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    const double margin = widestPenMm(list) / 2 * perMm * fit;
    paintTrueSize(painter, list, perMm * fit, below.topLeft() + QPointF(margin, margin));
    return painter.end();
}

} // namespace markast::render
