#pragma once

#include "logofile/LogoFile.h"

#include <QString>
#include <QStringList>

#include <map>
#include <optional>

namespace markast::render {

// The files named on markast-render's command line, each read once, by the window's rules,
// before the application starts. Whether one holds a label decides which application that is,
// and the logo drawn is the logo looked at: a file manager thumbnails files while they are
// still being saved, and a label that appeared between two reads would be drawn without Qt's
// platform, which ends the program.
class ArgumentFiles {
public:
    // Largest file looked at ahead: reading a larger one twice costs more than the platform.
    static constexpr qint64 LargestLookedAt = 16 << 20;

    explicit ArgumentFiles(const QStringList& arguments);

    // Whether a file may hold a label (LB, in any letter case), drawn with a font, which needs
    // Qt's platform. Most logos hold none, and without it a thumbnail takes a third less time.
    // Where it cannot tell, it says yes.
    bool mayDrawText() const { return mayDrawText_; }
    // The logo file at path as it was read ahead, or, where it was not looked at, as it is now.
    std::optional<LogoBuffer> take(const QString& path, LogoFileError& error);

private:
    struct Read {
        std::optional<LogoBuffer> logo;
        LogoFileError error;
    };
    std::map<QString, Read> read_;
    bool mayDrawText_ = false;
};

} // namespace markast::render
