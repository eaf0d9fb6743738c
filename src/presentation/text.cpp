#include "presentation/text.h"

#include <QCoreApplication>
#include <QTranslator>

namespace wagecourt {

using namespace Qt::StringLiterals;

QString translateText(const char *context, const char *english)
{
    return QCoreApplication::translate(context, english);
}

QString translateText(const char *context, const char *english, int count)
{
    return QCoreApplication::translate(context, english, nullptr, count);
}

QString englishText(const char *context, const char *english, int count)
{
    // The English forms, built in beside the translations; kept out of the
    // application, which may speak another language.
    static const auto *const forms = [] {
        auto *translator = new QTranslator;
        if (!translator->load(u":/i18n/wagecourt_en.qm"_s))
            qFatal("The English plural forms (:/i18n/wagecourt_en.qm) are not built in");
        return translator;
    }();
    // A translator's text keeps its %n: only the application fills it in.
    QString text = forms->translate(context, english, nullptr, count);
    if (text.isEmpty())
        text = QString::fromUtf8(english);
    return text.replace(u"%n"_s, QString::number(count));
}

} // namespace wagecourt
