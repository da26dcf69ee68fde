#pragma once

#include "render/LogoRender.h"

#include <QString>

#include <optional>

class QCommandLineParser;

namespace markast::render {

// What the command line asks of markast-render.
struct RenderOptions {
    QString in;
    QString out;
    Format format = Format::Png;
    int size = DefaultImageSize;
};

// Sets up parser with markast-render's options and reads arguments with it. --help and
// --version print and end the program; a usage error gives nothing, with error set.
std::optional<RenderOptions> parseRenderOptions(QCommandLineParser& parser,
                                                const QStringList& arguments, QString& error);

} // namespace markast::render
