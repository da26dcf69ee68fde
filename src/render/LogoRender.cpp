#include "render/LogoRender.h"

#include "hpgl/DisplayListPainter.h"

#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cmath>

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

// Drawn into a file beside path that takes its place only once it is whole, so that a run
// killed or failed midway leaves what was there. Only an ordinary file is replaced: a FIFO
// would block the write until someone reads it, and a device is no place for an image.
bool writeLogo(const hpgl::DisplayList& list, const QString& path, Format format, int size,
               QString& error) {
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
        error = Render::tr("it is not an ordinary file");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    bool imageMade = true;
    switch (format) {
    case Format::Png:
        imageMade = logoImage(list, size).save(&file, "PNG");
        break;
    case Format::Svg:
        writeSvg(list, file, target.completeBaseName());
        break;
    case Format::Pdf:
        writePdf(list, file, target.completeBaseName());
        break;
    }
    if (!imageMade) {
        file.cancelWriting();
        error = Render::tr("the image could not be made");
        return false;
    }
    if (!file.commit()) {
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
