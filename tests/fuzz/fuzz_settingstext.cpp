// Any text read back from the settings store: a number or truth value read from it is finite,
// and what we write for it reads back the same.
#include "platform/SettingsText.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const auto number = markast::numberFromText(text)) {
        if (!std::isfinite(*number))
            std::abort();
        if (markast::numberFromText(markast::textFromNumber(*number)) != *number)
            std::abort();
    }
    if (const auto truth = markast::truthFromText(text)) {
        if (markast::truthFromText(markast::textFromTruth(*truth)) != *truth)
            std::abort();
    }
    return 0;
}
