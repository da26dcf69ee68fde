#include "render/RenderOptions.h"

#include "platform/CommandLine.h"

#include <QCommandLineParser>

namespace markast::render {

std::optional<RenderOptions> parseRenderOptions(QCommandLineParser& parser,
                                                const QStringList& arguments, QString& error) {
    parser.setApplicationDescription(
        Render::tr("Draws a logo file (HPGL) as the Markast preview draws it: into a PNG of "
                   "N x N pixels, or into an SVG or a PDF at its true size in millimetres. The "
                   "suffix of OUT chooses."));
    const QCommandLineOption size(
        QStringLiteral("size"),
        Render::tr("The PNG's width and height in pixels (default %1).").arg(DefaultImageSize),
        QStringLiteral("N"), QString::number(DefaultImageSize));
    parser.addOption(size);
    parser.addPositionalArgument(QStringLiteral("IN"), Render::tr("The logo file to draw."));
    parser.addPositionalArgument(QStringLiteral("OUT"),
                                 Render::tr("The file to write: .png, .svg or .pdf."));
    if (!readCommandLine(parser, arguments, error))
        return std::nullopt;

    const QStringList files = parser.positionalArguments();
    if (files.size() != 2) {
        error = Render::tr("give one IN and one OUT");
        return std::nullopt;
    }
    RenderOptions options{files[0], files[1]};
    const std::optional<Format> format = formatOf(options.out);
    if (!format) {
        error = Render::tr("%1 ends in neither .png, .svg nor .pdf").arg(options.out);
        return std::nullopt;
    }
    options.format = *format;
    bool ok = false;
    options.size = parser.value(size).toInt(&ok);
    if (!ok || options.size < 1 || options.size > LargestImageSize) {
        error = Render::tr("--size takes 1 to %1 pixels, not \"%2\"")
                    .arg(LargestImageSize)
                    .arg(parser.value(size));
        return std::nullopt;
    }
    return options;
}

} // namespace markast::render
