#pragma once

#include "hpgl/HpglReader.h"

#include <QCoreApplication>
#include <QImage>
#include <QSizeF>
#include <QString>

#include <optional>

class QPagedPaintDevice;

namespace markast::render {

// The context the rendering's texts are translated in.
class Render {
    Q_DECLARE_TR_FUNCTIONS(Render)
};

enum class Format { Png, Svg, Pdf };

// The format a file's name asks for by its suffix, in any letter case; nothing for another.
std::optional<Format> formatOf(const QString& path);
// The suffix of a file in format, such as "png".
QString suffixOf(Format format);

// The sizes of a PNG, in pixels a side.
constexpr int DefaultImageSize = 256;
constexpr int LargestImageSize = 8192;
// The width of a mark at true size, in millimetres.
constexpr double TrueSizePenMm = 0.15;

// The logo drawn as the preview draws it, fitted into a size x size image with its aspect kept,
// transparent around it.
QImage logoImage(const hpgl::DisplayList& list, int size);

// The logo's size at true size with half its widest mark's width around it, in millimetres: the
// size of its SVG, and the room it takes on a printed page.
QSizeF trueSizeMm(const hpgl::DisplayList& list);

// Writes the logo to path: a PNG of size x size pixels, or an SVG or a PDF at true size, the
// logo in the middle of its page. An SVG's page is trueSizeMm(); a PDF's is the logo's own size
// to the nearest whole point, as PDF pages go. The file at path is whole or as it was: the new
// one takes its place only once written. False, with error set, when it cannot be written,
// or when something other than an ordinary file is at path.
bool writeLogo(const hpgl::DisplayList& list, const QString& path, Format format, int size,
               QString& error);

// Draws the logo at true size on device's page, under a small caption; a logo larger than the
// page is made smaller to fit, and the caption says so. False when the device cannot be drawn
// on.
bool paintPage(const hpgl::DisplayList& list, QPagedPaintDevice& device, const QString& caption);

} // namespace markast::render
