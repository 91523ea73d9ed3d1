#include "translations/translators.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace translations {

namespace {

// The languages the user asks for, the most wanted first. The C locale asks for the programs' own
// texts, whatever LANGUAGE says: scripts set LC_ALL=C for output they can read.
QStringList askedLanguages()
{
    QString locale;
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (locale.isEmpty())
            locale = qEnvironmentVariable(name);
    }
    if (locale.isEmpty() || locale == QLatin1String("C") || locale == QLatin1String("POSIX") ||
        locale.startsWith(QLatin1String("C.")))
        return {};
    const QStringList languages = qEnvironmentVariable("LANGUAGE").split(u':', Qt::SkipEmptyParts);
    return languages.isEmpty() ? QStringList{locale} : languages;
}

} // namespace

// The compiled catalogues, tolvane_de.qm and so on, are in the program itself. An unknown language
// is the C locale; the next one asked for may be known. The translator installed last is asked
// first: Tolvane's own catalogue also fills the gaps of Qt's.
void installTranslators(QCoreApplication &application)
{
    auto *own = new QTranslator(&application);
    for (const QString &asked : askedLanguages()) {
        const QLocale language(asked);
        if (language.language() == QLocale::English)
            return;
        if (language.language() == QLocale::C ||
            !own->load(language, QStringLiteral("tolvane"), QStringLiteral("_"),
                       QStringLiteral(":/i18n")))
            continue;
        auto *qt = new QTranslator(&application);
        if (qt->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        QCoreApplication::installTranslator(own);
        return;
    }
}

} // namespace translations
