#pragma once

#include "platform/Clock.h"
#include "platform/FileDialog.h"
#include "platform/MessageBoxes.h"
#include "platform/SettingsStore.h"
#include "settings/Settings.h"

#include <QMap>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace markast::test {

struct ShownMessage {
    QString text;
    QString title;
    MessageBoxes::Icon icon;
};

class RecordingMessageBoxes final : public MessageBoxes {
public:
    void show(const QString& text, const QString& title, Icon icon) override;

    std::vector<ShownMessage> shown;
    // Runs while the box would be open, before show() returns.
    std::function<void()> whileOpen;
};

// Answers each open dialog with the next queued path; an empty queue cancels.
class ScriptedFileDialog final : public FileDialog {
public:
    std::optional<QString> showOpen(const OpenDialogSetup& setup) override;
    std::optional<SavedFile> showSave(const OpenDialogSetup& setup) override;

    std::deque<std::optional<QString>> answers;
    std::vector<OpenDialogSetup> setups;
    std::deque<std::optional<SavedFile>> saveAnswers;
    std::vector<OpenDialogSetup> saveSetups;
    bool throwsWhenShown = false; // stands for any failure escaping a handler
    std::function<void()> whileOpen;
};

// A clock that stands still until paused: every pause moves it on by the pause's length.
class FakeClock final : public Clock {
public:
    explicit FakeClock(double start = 1000.0) : now(start) {}
    double secondsSinceMidnight() override;
    void pause(std::chrono::milliseconds duration) override;

    double now;
    std::vector<double> readings;
    // Runs at every pause, after the clock has moved on.
    std::function<void()> onPause;
};

// Settings in memory, by group and key; every read and write must be under Markast's name.
class MemorySettingsStore final : public SettingsStore {
public:
    QString read(const QString& application, const QString& section, const QString& key,
                 const QString& fallback) override;
    bool write(const QString& application, const QString& section, const QString& key,
               const QString& text) override;

    QString value(const SettingKey& key) const { return values.value(key); }

    QMap<SettingKey, QString> values;
    QList<SettingKey> written; // in the order written
    bool refuseWrites = false;
    std::function<void()> beforeWrite;
};

} // namespace markast::test
