#pragma once

#include <QString>
#include <QStringList>

namespace wagecourt {

struct LanguageEntry;

// The variables a program's messages follow on Linux, as the process has them;
// empty when unset.
struct LocaleVariables
{
    QString language;   // LANGUAGE: languages in order of preference, colon-separated
    QString lcAll;      // LC_ALL
    QString lcMessages; // LC_MESSAGES
    QString lang;       // LANG
};

LocaleVariables localeVariables();

// The language of the messages, chosen as programs translated with gettext
// choose it: the locale is the first of LC_ALL, LC_MESSAGES and LANG that is
// set; under "C" or "POSIX" the messages are English and LANGUAGE is ignored;
// otherwise the first of LANGUAGE's languages that is one of the eight, or,
// without LANGUAGE, the locale's. English when none is. Where none of the
// variables is set (Windows), the first of the system's languages that is one.
const LanguageEntry &messageLanguage(const LocaleVariables &variables, const QStringList &systemLanguages);

// For this process.
const LanguageEntry &messageLanguage();

} // namespace wagecourt
