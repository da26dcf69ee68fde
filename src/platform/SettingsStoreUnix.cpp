#include "platform/SettingsStore.h"

#include <QSettings>

namespace markast {

namespace {
QString keyPath(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}
} // namespace

QString NativeSettingsStore::read(const QString& application, const QString& section,
                                  const QString& key, const QString& fallback) {
    const QSettings settings(application, application);
    const QVariant value = settings.value(keyPath(section, key));
    if (!value.isValid() || !value.canConvert<QString>())
        return fallback;
    return value.toString();
}

bool NativeSettingsStore::write(const QString& application, const QString& section,
                                const QString& key, const QString& text) {
    QSettings settings(application, application);
    if (!settings.isWritable())
        return false;
    settings.setValue(keyPath(section, key), text);
    settings.sync();
    // A FormatError only says the file held junk before: the rewrite replaced it.
    return settings.status() != QSettings::AccessError;
}

} // namespace markast
