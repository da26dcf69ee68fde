#pragma once

#include <QString>

#include <optional>

namespace markast {

// Settings are stored as text: numbers as decimal text, truth values as "True" or "False".

// A single-precision number, or nothing when the text is no number.
std::optional<float> numberFromText(const QString& text);
// "True"/"False" in any letter case, or a number (zero is false, any other number true).
std::optional<bool> truthFromText(const QString& text);

// A whole number without a decimal point, otherwise the shortest text that reads back the same.
QString textFromNumber(float value);
QString textFromTruth(bool value);

} // namespace markast
