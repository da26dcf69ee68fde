#include "platform/SettingsText.h"

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
    return QString::number(value, 'g', 9 /* enough digits to read back any float exactly */);
}

QString textFromTruth(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace markast
