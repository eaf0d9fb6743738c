#include "presentation/salarytext.h"

#include "catalogue/catalogue.h"

namespace wagecourt {

using namespace Qt::StringLiterals;

namespace {

// The digits with a space before the last three; nothing before them when
// there are three or fewer, which is where the two forms differ.
QString groupedDigits(qint32 salary, bool spaceBeforeShortNumbers, DigitSpace space = DigitSpace::Plain)
{
    const QString digits = QString::number(salary);
    if (digits.size() <= 3)
        return spaceBeforeShortNumbers ? u' ' + digits : digits;
    const qsizetype head = digits.size() - 3;
    return digits.first(head) + (space == DigitSpace::NoBreak ? u'\u00a0' : u' ') + digits.sliced(head);
}

} // namespace

QString salaryImportText(qint32 salary, DigitSpace space)
{
    return groupedDigits(salary, false, space);
}

QString salaryClickText(qint32 salary)
{
    return groupedDigits(salary, true);
}

QString salaryChangeText(qint32 change, DigitSpace space)
{
    if (change == 0)
        return u"±0"_s;
    // The magnitude of any change between two salaries fits, so no overflow here.
    const qint32 magnitude = change < 0 ? -change : change;
    return (change < 0 ? u"-"_s : u"+"_s) + salaryImportText(magnitude, space);
}

QString salaryWithChangeText(qint32 salary, qint32 change, DigitSpace space)
{
    return salaryImportText(salary, space) + u" ("_s + salaryChangeText(change, space) + u')';
}

QString salaryLineText(const LanguageEntry &language, qint32 salary, int position)
{
    // The game's own line in its language's words, which scripts read: never
    // translated.
    return language.salaryCaption.toString() + u' ' + salaryImportText(salary) + u" ("_s + language.positionName(position)
            + u')';
}

} // namespace wagecourt
