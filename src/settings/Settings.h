#pragma once

#include <QString>
#include <QStringList>

#include <tuple>

namespace markast {

class SettingsStore;

// Where one value is kept: its group and its key, under Markast's name.
struct SettingKey {
    QString group;
    QString key;

    friend bool operator==(const SettingKey&, const SettingKey&) = default;
    friend bool operator<(const SettingKey& a, const SettingKey& b) {
        return std::tie(a.group, a.key) < std::tie(b.group, b.key);
    }
};

// The window's place and size, in twips, as group "Settings" keeps them.
struct WindowTwips {
    float left = 1000;
    float top = 1000;
    float width = 6000;
    float height = 3915;
};

// Every value Markast keeps between runs: the reads and writes of each, and the key it lives
// under. Reads fall back to the value's default where the store holds nothing usable; a write
// returns false when the store refused it.
class Settings {
public:
    explicit Settings(SettingsStore& store) : store_(store) {}

    // The name the store files Markast's values under.
    static QString applicationName();

    // Group "Settings", as the marker software kept it.
    enum class WindowEdge { Left, Top, Width, Height };
    static SettingKey windowKey(WindowEdge edge);
    static SettingKey portCheckedKey(int port);
    static SettingKey portEnabledKey(int port);

    // Each edge on its own: one that is absent or no number takes its default.
    WindowTwips window() const;
    // Left, top, width and height, in that order.
    [[nodiscard]] bool setWindow(WindowTwips window);
    // Absent, or no truth value: COM1 is checked and the others are not.
    bool portChecked(int port) const;
    [[nodiscard]] bool setPortChecked(int port, bool checked);
    // Written at every close, never read.
    [[nodiscard]] bool setPortEnabled(int port, bool enabled);

    // Group "Devices": the device chosen for COMn in the Devices dialog; empty for the
    // built-in one.
    static SettingKey deviceKey(int port);
    QString device(int port) const;
    [[nodiscard]] bool setDevice(int port, const QString& device);

    // Group "Recent": the files last loaded, newest first, as the store holds them.
    static SettingKey recentFilesKey();
    QStringList recentFiles() const;
    [[nodiscard]] bool setRecentFiles(const QStringList& files);

    // Group "Language": the language chosen under Settings > Language; empty for the system's.
    static SettingKey languageKey();
    QString language() const;
    [[nodiscard]] bool setLanguage(const QString& code);

private:
    QString read(const SettingKey& key, const QString& fallback) const;
    [[nodiscard]] bool write(const SettingKey& key, const QString& text);

    SettingsStore& store_;
};

} // namespace markast
