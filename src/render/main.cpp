// markast-render: draws a logo file as the preview draws it, into a PNG thumbnail or an SVG or
// a PDF at true size. The desktop's thumbnailing services call it for each HP-GL file.
#include "Version.h"
#include "hpgl/HpglReader.h"
#include "logofile/LogoFile.h"
#include "platform/Translations.h"
#include "platform/XdgFolders.h"
#include "render/LogoRender.h"
#include "render/RenderOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

using namespace markast;
using namespace markast::render;

namespace {

// The exit statuses a script, or a thumbnailing service, can act on.
enum Exit {
    Drawn = 0,
    NothingToDraw = 1, // the file holds no HP-GL drawing
    CannotDraw = 2,    // a usage error, or a file that cannot be read or written
};

void say(const QString& line) {
    std::fprintf(stderr, "%s\n", qUtf8Printable(line));
}

} // namespace

int main(int argc, char* argv[]) {
    ignoreRelativeXdgFolders();
    // Lettering is drawn from the stroke font's lines, so no logo needs fonts or a platform: a
    // thumbnailing service has no display, and starts no platform.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("markast-render"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MARKAST_VERSION));
    Translations translations;
    translations.apply({});

    QCommandLineParser parser;
    QString error;
    const std::optional<RenderOptions> options =
        parseRenderOptions(parser, QCoreApplication::arguments(), error);
    if (!options) {
        say(QStringLiteral("markast-render: %1\n\n%2").arg(error, parser.helpText()));
        return CannotDraw;
    }
    // The window's rules for a logo file: an ordinary file, read whole, under 2 GiB.
    LogoFileError fileError;
    const std::optional<LogoBuffer> logo = readLogoFile(options->in, fileError);
    if (!logo) {
        say(Render::tr("Not drawn: %1").arg(fileError.text(options->in)));
        return fileError.problem == LogoFileProblem::Empty ? NothingToDraw : CannotDraw;
    }
    // Within the preview's limits of work and memory, whatever the file holds.
    const hpgl::DisplayList list = hpgl::readHpgl(logo->payload());
    if (!list.hasDrawing()) {
        say(list.tooComplexToDraw()
                ? Render::tr("Not drawn: %1 is too complex to draw").arg(options->in)
                : Render::tr("Not drawn: %1 has no HPGL drawing in it").arg(options->in));
        return NothingToDraw;
    }
    if (!writeLogo(list, options->out, options->format, options->size, error)) {
        say(Render::tr("Not written: %1: %2").arg(options->out, error));
        return CannotDraw;
    }
    return Drawn;
}
