#include "platform/SettingsText.h"

#include <array>
#include <charconv>
#include <cmath>

namespace markast {

std::optional<float> numberFromText(const QString& text) {
    bool ok = false;
    const float value = text.trimmed().toFloat(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<bool> truthFromText(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const auto number = numberFromText(trimmed))
        return *number != 0.0f;
    return std::nullopt;
}

QString textFromNumber(float value) {
    std::array<char, 32> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
    return QString::fromLatin1(text.data(), end - text.data());
}

QString textFromTruth(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace markast
