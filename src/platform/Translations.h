#pragma once

#include <QList>
#include <QLoggingCategory>
#include <QString>
#include <QTranslator>

namespace markast {

// The log of what the language choice and the translation files do, "markast.language".
Q_DECLARE_LOGGING_CATEGORY(lcLanguage)

// A language Markast speaks: the code its translation files carry, and its name in itself.
struct Language {
    QString code;
    QString name;
};

// English first, then the translations, in the order the Language menu offers them.
const QList<Language>& languages();

// Markast's own translations and Qt's, for one language at a time. Installing them makes every
// window receive a LanguageChange event, so a choice takes effect at once.
class Translations {
public:
    Translations() = default;
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // code is one of languages(), or empty for the system's language (LC_ALL, LC_MESSAGES,
    // LANG). A language without a translation, or a file that cannot be read, falls back to
    // English, with a warning in the log. Numbers follow the language too.
    void apply(const QString& code);
    // The language now in use: a code of languages().
    QString current() const { return current_; }

private:
    void remove();
    bool load(QTranslator& translator, const QLocale& locale, const QString& name,
              const QStringList& folders);

    QTranslator markast_;
    QTranslator qtBase_;
    QTranslator qtSerialPort_;
    QString current_ = QStringLiteral("en");
};

// A count of bytes as the status line shows it: in English digits only, as the marker software
// wrote them; in another language as that language writes numbers.
QString countText(qint64 count);

} // namespace markast
