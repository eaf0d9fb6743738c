#include "i18n/messagelanguage.h"

#include "catalogue/catalogue.h"

#include <QLocale>

namespace wagecourt {

namespace {

bool isPlainLocale(QStringView locale)
{
    // "C.UTF-8" is the C locale too, in UTF-8.
    const QStringView name = locale.left(locale.indexOf(u'.'));
    return name == u"C" || name == u"POSIX";
}

} // namespace

LocaleVariables localeVariables()
{
    return {qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_MESSAGES"),
            qEnvironmentVariable("LANG")};
}

const LanguageEntry &messageLanguage(const LocaleVariables &variables, const QStringList &systemLanguages)
{
    const LanguageEntry &english = languages().front();
    const QString &locale = !variables.lcAll.isEmpty()        ? variables.lcAll
                            : !variables.lcMessages.isEmpty() ? variables.lcMessages
                                                              : variables.lang;
    QStringList wanted;
    if (locale.isEmpty())
        wanted = systemLanguages; // the C locale where variables name it
    else if (!isPlainLocale(locale))
        wanted = variables.language.isEmpty() ? QStringList{locale}
                                              : variables.language.split(u':', Qt::SkipEmptyParts);
    const LanguageEntry *entry = firstGameLanguage(wanted);
    return entry ? *entry : english;
}

const LanguageEntry &messageLanguage()
{
    QStringList systemLanguages;
#ifdef Q_OS_WIN
    // Windows programs follow the user's display language, not variables.
    systemLanguages = QLocale::system().uiLanguages();
#endif
    return messageLanguage(localeVariables(), systemLanguages);
}

} // namespace wagecourt
