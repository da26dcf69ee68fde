#include "app/LanguageMenu.h"

#include "platform/Translations.h"

#include <QActionGroup>
#include <QEvent>

namespace markast {

LanguageMenu::LanguageMenu(SettingsStore& store, Translations& translations, QWidget* parent)
    : QMenu(parent), settings_(store), translations_(translations) {
    auto* choices = new QActionGroup(this);
    const QString chosen = settings_.language();
    QList<Language> offered = languages();
    offered.prepend({QString(), QString()}); // the system's, named in retranslate()
    for (const Language& language : offered) {
        QAction* item = addAction(language.name);
        item->setCheckable(true);
        item->setChecked(language.code == chosen);
        choices->addAction(item);
        connect(item, &QAction::triggered, this, [this, code = language.code] { choose(code); });
    }
    retranslate();
}

void LanguageMenu::choose(const QString& code) {
    if (!settings_.setLanguage(code))
        qCWarning(lcLanguage,
                  "the language could not be saved; the next start uses the one before");
    translations_.apply(code);
}

void LanguageMenu::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMenu::changeEvent(event);
}

void LanguageMenu::retranslate() {
    setTitle(tr("&Language"));
    actions().constFirst()->setText(tr("&System", "follow the system's language"));
}

} // namespace markast
