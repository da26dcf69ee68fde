#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

namespace markast {

// The states the window rests in between commands.
enum class Rest { AfterStart, Loaded, AfterDownload };

// What the window shows in a resting state, in the language now in use; the English texts are
// the marker software's own.
struct RestTexts {
    Q_DECLARE_TR_FUNCTIONS(RestTexts)

public:
    QString status;
    std::optional<QString> file; // nothing after a load, when the File frame names the logo
    QString help;

    static RestTexts of(Rest rest);
};

} // namespace markast
