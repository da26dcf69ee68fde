#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace markast {

Q_LOGGING_CATEGORY(lcLanguage, "markast.language")

namespace {

// The language of the translations that suit locale best, English where none does.
QString bestCode(const QLocale& locale) {
    for (const QString& wanted : locale.uiLanguages()) {
        const QString code = QLocale(wanted).name();
        for (const Language& language : languages()) {
            if (language.code == code || language.code == code.section(u'_', 0, 0))
                return language.code;
        }
    }
    return QStringLiteral("en");
}

// Markast's translations are built into the program.
const QString MarkastFolder = QStringLiteral(":/translations");

} // namespace

const QList<Language>& languages() {
    static const QList<Language> spoken = {{QStringLiteral("en"), QStringLiteral("English")},
                                           {QStringLiteral("de"), QStringLiteral("Deutsch")},
                                           {QStringLiteral("es"), QStringLiteral("Español")},
                                           {QStringLiteral("zh_CN"), QStringLiteral("中文")}};
    return spoken;
}

Translations::~Translations() {
    remove();
}

void Translations::apply(const QString& code) {
    remove();
    current_ = code.isEmpty() ? bestCode(QLocale::system()) : code;
    const QLocale locale(current_);
    if (current_ != QLatin1String("en") &&
        !load(markast_, locale, QStringLiteral("markast"), {MarkastFolder})) {
        qCWarning(lcLanguage, "no translation into %s could be read; Markast speaks English",
                  qUtf8Printable(current_));
        current_ = QStringLiteral("en");
    }
    if (current_ == QLatin1String("en")) {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        return;
    }
    QLocale::setDefault(locale);
    const QStringList qtFolder{QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    // Qt's own words, for its standard buttons and dialogs, where the system has them.
    load(qtBase_, locale, QStringLiteral("qtbase"), qtFolder);
    load(qtSerialPort_, locale, QStringLiteral("qtserialport"), qtFolder);
}

bool Translations::load(QTranslator& translator, const QLocale& locale, const QString& name,
                        const QStringList& folders) {
    for (const QString& folder : folders) {
        if (translator.load(locale, name, QStringLiteral("_"), folder) &&
            QCoreApplication::installTranslator(&translator))
            return true;
    }
    return false;
}

void Translations::remove() {
    for (QTranslator* translator : {&markast_, &qtBase_, &qtSerialPort_})
        QCoreApplication::removeTranslator(translator);
}

QString countText(qint64 count) {
    QLocale locale;
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(count);
}

} // namespace markast
