#include "translations/translators.h"

#include <QCoreApplication>
#include <QLibraryInfo>
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

bool hasCatalogue(const QLocale &language)
{
    return QTranslator().load(language, QStringLiteral("tolvane"), QStringLiteral("_"),
                              catalogueFolder);
}

void install(QCoreApplication &application, const QLocale &language, const QString &name,
             const QString &folder)
{
    auto *translator = new QTranslator(&application);
    if (translator->load(language, name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

QLocale userLanguage()
{
    for (const QString &asked : askedLanguages()) {
        const QLocale language(asked);
        if (language.language() == QLocale::English)
            break;
        // An unknown language is the C locale; the next one may be known.
        if (language.language() != QLocale::C && hasCatalogue(language))
            return language;
    }
    return QLocale::c();
}

void installTranslators(QCoreApplication &application)
{
    const QLocale language = userLanguage();
    if (language.language() == QLocale::C)
        return;
    // The translator installed last is asked first: Tolvane's own catalogue also fills the gaps
    // of Qt's.
    install(application, language, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    install(application, language, QStringLiteral("tolvane"), catalogueFolder);
}

} // namespace translations
