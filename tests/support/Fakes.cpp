#include "support/Fakes.h"

#include <QTest>

#include <stdexcept>

namespace markast::test {

void RecordingMessageBoxes::show(const QString& text, const QString& title, Icon icon) {
    shown.push_back({text, title, icon});
    if (whileOpen)
        whileOpen();
}

std::optional<QString> ScriptedFileDialog::showOpen(const OpenDialogSetup& setup) {
    setups.push_back(setup);
    if (throwsWhenShown)
        throw std::runtime_error("dialog failed");
    if (whileOpen)
        whileOpen();
    if (answers.empty())
        return std::nullopt;
    const bool cancelled = !answers.front().has_value();
    const QString path = answers.front().value_or(QString());
    answers.pop_front();
    if (cancelled)
        return std::nullopt;
    return path;
}

std::optional<SavedFile> ScriptedFileDialog::showSave(const OpenDialogSetup& setup) {
    saveSetups.push_back(setup);
    if (saveAnswers.empty())
        return std::nullopt;
    const std::optional<SavedFile> answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

double FakeClock::secondsSinceMidnight() {
    readings.push_back(now);
    return now;
}

void FakeClock::pause(std::chrono::milliseconds duration) {
    now += duration.count() / 1000.0;
    if (onPause)
        onPause();
}

namespace {
void verifyApplication(const QString& application) {
    if (application != Settings::applicationName())
        QTest::qFail("settings outside Markast's own", __FILE__, __LINE__);
}
} // namespace

QString MemorySettingsStore::read(const QString& application, const QString& section,
                                  const QString& key, const QString& fallback) {
    verifyApplication(application);
    return values.value({section, key}, fallback);
}

bool MemorySettingsStore::write(const QString& application, const QString& section,
                                const QString& key, const QString& text) {
    verifyApplication(application);
    if (beforeWrite)
        beforeWrite();
    written.append({section, key});
    if (refuseWrites)
        return false;
    values.insert({section, key}, text);
    return true;
}

} // namespace markast::test
