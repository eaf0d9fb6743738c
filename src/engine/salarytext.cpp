#include "engine/salarytext.h"

namespace wagecourt {

namespace {

// The digits with a space before the last three; nothing before them when
// there are three or fewer, which is where the two forms differ.
QString groupedDigits(qint32 salary, bool spaceBeforeShortNumbers)
{
    const QString digits = QString::number(salary);
    if (digits.size() <= 3)
        return spaceBeforeShortNumbers ? u' ' + digits : digits;
    const qsizetype head = digits.size() - 3;
    return digits.first(head) + u' ' + digits.sliced(head);
}

} // namespace

QString salaryImportText(qint32 salary)
{
    return groupedDigits(salary, false);
}

QString salaryClickText(qint32 salary)
{
    return groupedDigits(salary, true);
}

} // namespace wagecourt
