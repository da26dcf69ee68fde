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

float& edgeOf(WindowTwips& window, Settings::WindowEdge edge) {
    switch (edge) {
    case Settings::WindowEdge::Left:
        return window.left;
    case Settings::WindowEdge::Top:
        return window.top;
    case Settings::WindowEdge::Width:
        return window.width;
    case Settings::WindowEdge::Height:
        return window.height;
    }
    Q_UNREACHABLE();
}

constexpr Settings::WindowEdge Edges[] = {Settings::WindowEdge::Left, Settings::WindowEdge::Top,
                                          Settings::WindowEdge::Width,
                                          Settings::WindowEdge::Height};
} // namespace

QString Settings::applicationName() {
    return QStringLiteral("Markast");
}

SettingKey Settings::windowKey(WindowEdge edge) {
    switch (edge) {
    case WindowEdge::Left:
        return {markerGroup(), QStringLiteral("MainLeft")};
    case WindowEdge::Top:
        return {markerGroup(), QStringLiteral("MainTop")};
    case WindowEdge::Width:
        return {markerGroup(), QStringLiteral("MainWidth")};
    case WindowEdge::Height:
        return {markerGroup(), QStringLiteral("MainHeight")};
    }
    Q_UNREACHABLE();
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
    for (const WindowEdge edge : Edges) {
        float& value = edgeOf(window, edge);
        value = numberFromText(read(windowKey(edge), textFromNumber(value))).value_or(value);
    }
    return window;
}

bool Settings::setWindow(WindowTwips window) {
    bool stored = true;
    for (const WindowEdge edge : Edges)
        stored &= write(windowKey(edge), textFromNumber(edgeOf(window, edge)));
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
