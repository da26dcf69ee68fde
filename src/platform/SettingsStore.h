#pragma once

#include <QString>

namespace markast {

// Per-user text values addressed by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or fallback when the key is absent or the store cannot be read.
    virtual QString read(const QString& application, const QString& section, const QString& key,
                         const QString& fallback) = 0;
    // Creates or replaces the value; false when the store refused it.
    [[nodiscard]] virtual bool write(const QString& application, const QString& section,
                                     const QString& key, const QString& text) = 0;
};

// The platform's native per-user store: on Linux the INI file
// $XDG_CONFIG_HOME/<application>/<application>.conf, on Windows the registry.
class NativeSettingsStore final : public SettingsStore {
public:
    QString read(const QString& application, const QString& section, const QString& key,
                 const QString& fallback) override;
    bool write(const QString& application, const QString& section, const QString& key,
               const QString& text) override;
};

} // namespace markast
