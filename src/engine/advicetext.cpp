#include "engine/advicetext.h"

#include "engine/salarytext.h"

#include <cstdlib>

namespace wagecourt {

using namespace Qt::StringLiterals;

namespace {

QString stepText(const std::optional<TrainingStep> &step, QStringView sign, QStringView missing, int position,
                 const PositionNames &positionNames)
{
    QString line = sign.toString() + u"1: "_s;
    if (!step)
        return line + missing.toString();
    line += salaryImportText(step->salary) + u" ("_s + salaryChangeText(step->change) + u')';
    if (step->position != position)
        line += u" as "_s + positionNames[step->position];
    return line;
}

} // namespace

QString salaryChangeText(qint32 change)
{
    if (change == 0)
        return u"±0"_s;
    // The magnitude of any change between two salaries fits, so no overflow here.
    const qint32 magnitude = change < 0 ? -change : change;
    return (change < 0 ? u"-"_s : u"+"_s) + salaryImportText(magnitude);
}

QString skillNameOf(QStringView caption)
{
    caption = caption.trimmed();
    if (caption.endsWith(u':'))
        caption.chop(1);
    return caption.trimmed().toString();
}

QString levelLineText(QStringView skillName, int level, const LevelNames &levelNames)
{
    return u"%1: %2 of %3, %4"_s.arg(skillName).arg(level).arg(kHighestLevel).arg(levelNames[level]);
}

QString levelAdviceText(const TrainingAdvice &advice, int skill, QStringView skillName,
                        const LevelNames &levelNames, const PositionNames &positionNames)
{
    const SkillOutlook &outlook = advice.skills[skill];
    return levelLineText(skillName, advice.levels[skill], levelNames) + u'\n'
            + stepText(outlook.up, u"+", u"highest level", advice.position, positionNames) + u'\n'
            + stepText(outlook.down, u"-", u"lowest level", advice.position, positionNames);
}

QString otherSkillText(QStringView skillName, int level, const LevelNames &levelNames)
{
    const QString first = isValidLevel(level) ? levelLineText(skillName, level, levelNames)
                                              : skillName.toString() + u": no level read"_s;
    return first + u"\nThis skill sets no salary."_s;
}

QList<PositionBar> positionBars(const TrainingAdvice &advice, const PositionNames &positionNames)
{
    QList<PositionBar> bars;
    for (int p = 1; p <= kPositionCount; ++p)
        bars.append({p, positionNames[p], advice.positionSalaries[p], p == advice.position});
    return bars;
}

QString positionChartText(const QList<PositionBar> &bars)
{
    QString text = kPositionChartTitle.toString();
    for (const PositionBar &bar : bars)
        text += u'\n' + bar.name + u": "_s + salaryImportText(bar.salary) + (bar.best ? u" (best)"_s : QString());
    return text;
}

} // namespace wagecourt
