#pragma once

#include <QLocale>

class QCoreApplication;

namespace translations {

// The language Tolvane speaks to this user: the first language the locale asks for that Tolvane
// is translated into, read as gettext reads it (the list in LANGUAGE, unless LC_ALL, else
// LC_MESSAGES, else LANG is unset, C or POSIX; otherwise that locale). The C locale, for English,
// when English comes first, or when no language asked for has a translation.
QLocale userLanguage();

// Installs the translations of Tolvane's texts and of Qt's own (buttons, command-line help) for
// userLanguage(), once, before the first text is shown. Qt's come from its installed catalogues;
// where one is missing, Qt's texts stay English.
void installTranslators(QCoreApplication &application);

} // namespace translations
