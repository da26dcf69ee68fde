#include "settings/Settings.h"

#include "platform/SettingsStore.h"
#include "platform/SettingsText.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace markast {

namespace {
// Functions rather than constants, so that keys can be made during static initialisation too.
QString markerGroup() {
    return QStringLiteral("Settings");
}

QString devicesGroup() {
    return QStringLiteral("Devices");
}

QString recentGroup() {
    return QStringLiteral("Recent");
}

QString languageGroup() {
    return QStringLiteral("Language");
}

QString portKey(int port) {
    return QStringLiteral("Com%1").arg(port);
}

// Each edge of the window: its key in the marker's group and its field in WindowTwips, in the
// order of Settings::WindowEdge.
struct EdgeField {
    const char* key;
    float WindowTwips::*field;
};
constexpr EdgeField EdgeFields[] = {{"MainLeft", &WindowTwips::left},
                                    {"MainTop", &WindowTwips::top},
                                    {"MainWidth", &WindowTwips::width},
                                    {"MainHeight", &WindowTwips::height}};

SettingKey keyOf(const EdgeField& edge) {
    return {markerGroup(), QLatin1String(edge.key)};
}
} // namespace

QString Settings::applicationName() {
    return QStringLiteral("Markast");
}

SettingKey Settings::windowKey(WindowEdge edge) {
    return keyOf(EdgeFields[static_cast<int>(edge)]);
}

SettingKey Settings::portCheckedKey(int port) {
    return {markerGroup(), portKey(port)};
}

SettingKey Settings::portEnabledKey(int port) {
    return {markerGroup(), portKey(port) + QLatin1String("Enabled")};
}

SettingKey Settings::deviceKey(int port) {
    return {devicesGroup(), portKey(port)};
}

WindowTwips Settings::window() const {
    WindowTwips window;
    for (const EdgeField& edge : EdgeFields) {
        float& value = window.*edge.field;
        value = numberFromText(read(keyOf(edge), textFromNumber(value))).value_or(value);
    }
    return window;
}

bool Settings::setWindow(WindowTwips window) {
    bool stored = true;
    for (const EdgeField& edge : EdgeFields)
        stored &= write(keyOf(edge), textFromNumber(window.*edge.field));
    return stored;
}

bool Settings::portChecked(int port) const {
    const bool fallback = port == 1;
    return truthFromText(read(portCheckedKey(port), textFromTruth(fallback))).value_or(fallback);
}

bool Settings::setPortChecked(int port, bool checked) {
    return write(portCheckedKey(port), textFromTruth(checked));
}

bool Settings::setPortEnabled(int port, bool enabled) {
    return write(portEnabledKey(port), textFromTruth(enabled));
}

QString Settings::device(int port) const {
    return read(deviceKey(port), QString());
}

bool Settings::setDevice(int port, const QString& device) {
    return write(deviceKey(port), device);
}

SettingKey Settings::recentFilesKey() {
    return {recentGroup(), QStringLiteral("Files")};
}

// One value, a JSON array of paths: any character a path may hold survives it, and a list that
// is broken reads as no list at all.
QStringList Settings::recentFiles() const {
    const QJsonDocument stored = QJsonDocument::fromJson(read(recentFilesKey(), {}).toUtf8());
    QStringList files;
    for (const QJsonValue& file : stored.array())
        files.append(file.toString());
    return files;
}

bool Settings::setRecentFiles(const QStringList& files) {
    const QJsonDocument list(QJsonArray::fromStringList(files));
    return write(recentFilesKey(), QString::fromUtf8(list.toJson(QJsonDocument::Compact)));
}

SettingKey Settings::languageKey() {
    return {languageGroup(), QStringLiteral("Language")};
}

QString Settings::language() const {
    return read(languageKey(), {}).trimmed();
}

bool Settings::setLanguage(const QString& code) {
    return write(languageKey(), code);
}

QString Settings::read(const SettingKey& key, const QString& fallback) const {
    return store_.read(applicationName(), key.group, key.key, fallback);
}

bool Settings::write(const SettingKey& key, const QString& text) {
    return store_.write(applicationName(), key.group, key.key, text);
}

} // namespace markast
