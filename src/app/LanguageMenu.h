#pragma once

#include "settings/Settings.h"

#include <QMenu>

namespace markast {

class Translations;

// Settings > Language: the system's language, or one Markast speaks, each named in itself. A
// choice is kept in the settings group "Language" and takes effect at once.
class LanguageMenu final : public QMenu {
    Q_OBJECT
public:
    LanguageMenu(SettingsStore& store, Translations& translations, QWidget* parent);

    void choose(const QString& code);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    Settings settings_;
    Translations& translations_;
};

} // namespace markast
