#pragma once

class QCoreApplication;

namespace translations {

// Installs the translations of Tolvane's texts and of Qt's own (buttons, command-line help), once,
// before the first text is shown. The language is the first one the locale asks for that Tolvane
// is translated into, read as gettext reads it: the list in LANGUAGE, unless LC_ALL, else
// LC_MESSAGES, else LANG is unset, C or POSIX; otherwise that locale. Nothing is installed, and
// the texts stay English, when English comes first or no language asked for has a translation.
// Qt's texts come from its installed catalogues; where one is missing, they stay English.
void installTranslators(QCoreApplication &application);

} // namespace translations
