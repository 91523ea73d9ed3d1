#include "translations/translators.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace translations {

namespace {

// Where the build puts the compiled catalogues, tolvane_de.qm and so on: in the program itself.
const QString catalogueFolder = QStringLiteral(":/i18n");

// The locale that LC_ALL, LC_MESSAGES or LANG names for messages, the first one set.
QString messagesLocale()
{
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (QString locale = qEnvironmentVariable(name); !locale.isEmpty())
            return locale;
    }
    return {};
}

// The languages the user asks for, the most wanted first. The C locale asks for the programs' own
// texts, whatever LANGUAGE says: scripts set LC_ALL=C for output they can read.
QStringList askedLanguages()
{
    const QString locale = messagesLocale();
    if (locale.isEmpty() || locale == QLatin1String("C") || locale == QLatin1String("POSIX") ||
        locale.startsWith(QLatin1String("C.")))
        return {};
    const QStringList languages = qEnvironmentVariable("LANGUAGE").split(u':', Qt::SkipEmptyParts);
    return languages.isEmpty() ? QStringList{locale} : languages;
}

// Loads into `catalogue` Tolvane's catalogue for the first language the user asks for that has
// one, and returns that language; the C locale, with nothing loaded, for English or none.
QLocale loadOwnCatalogue(QTranslator &catalogue)
{
    for (const QString &asked : askedLanguages()) {
        const QLocale language(asked);
        if (language.language() == QLocale::English)
            break;
        // An unknown language is the C locale; the next one may be known.
        if (language.language() != QLocale::C &&
            catalogue.load(language, QStringLiteral("tolvane"), QStringLiteral("_"),
                           catalogueFolder))
            return language;
    }
    return QLocale::c();
}

} // namespace

void installTranslators(QCoreApplication &application)
{
    auto *own = new QTranslator(&application);
    const QLocale language = loadOwnCatalogue(*own);
    if (language.language() == QLocale::C) {
        delete own;
        return;
    }
    // The translator installed last is asked first: Tolvane's own catalogue also fills the gaps
    // of Qt's.
    auto *qt = new QTranslator(&application);
    if (qt->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    QCoreApplication::installTranslator(own);
}

} // namespace translations
