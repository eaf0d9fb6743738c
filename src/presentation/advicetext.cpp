#include "presentation/advicetext.h"

#include "presentation/salarytext.h"
#include "presentation/text.h"

namespace wagecourt {

using namespace Qt::StringLiterals;

namespace {

//: The skill, its level, the highest level, the level's name.
constexpr Text kLevelLine{"Advice", QT_TRANSLATE_NOOP("Advice", "%1: %2 of %3, %4")};
//: In place of a step up's salary: the level cannot go higher.
constexpr Text kAtHighestLevel{"Advice", QT_TRANSLATE_NOOP("Advice", "highest level")};
//: In place of a step down's salary: the level cannot go lower.
constexpr Text kAtLowestLevel{"Advice", QT_TRANSLATE_NOOP("Advice", "lowest level")};
//: A step with its salary ("+1: 24 053 (-1 257)"), the position it would be paid at.
constexpr Text kStepAtPosition{"Advice", QT_TRANSLATE_NOOP("Advice", "%1 as %2")};
constexpr Text kNoLevelRead{"Advice", QT_TRANSLATE_NOOP("Advice", "%1: no level read")};
constexpr Text kSetsNoSalary{"Advice", QT_TRANSLATE_NOOP("Advice", "This skill sets no salary.")};
constexpr Text kChartTitle{"Advice", QT_TRANSLATE_NOOP("Advice", "Weekly salary at each position")};
//: A position and its salary in the chart's text for screen readers.
constexpr Text kChartLine{"Advice", QT_TRANSLATE_NOOP("Advice", "%1: %2")};
//: The best-paid position and its salary.
constexpr Text kChartBestLine{"Advice", QT_TRANSLATE_NOOP("Advice", "%1: %2 (best)")};

QString stepText(const std::optional<TrainingStep> &step, QStringView sign, const Text &missing, int position,
                 const PositionNames &positionNames)
{
    const QString line = sign.toString() + u"1: "_s;
    if (!step)
        return line + missing.translated();
    const QString withSalary = line + salaryWithChangeText(step->salary, step->change);
    if (step->position == position)
        return withSalary;
    return kStepAtPosition.translated().arg(withSalary, positionNames[step->position]);
}

} // namespace

QString skillNameOf(QStringView caption)
{
    caption = caption.trimmed();
    if (caption.endsWith(u':'))
        caption.chop(1);
    return caption.trimmed().toString();
}

QString levelLineText(QStringView skillName, int level, const LevelNames &levelNames)
{
    return kLevelLine.translated().arg(skillName, QString::number(level), QString::number(kHighestLevel),
                                       levelNames[level]);
}

QString levelAdviceText(const TrainingAdvice &advice, int skill, QStringView skillName,
                        const LevelNames &levelNames, const PositionNames &positionNames)
{
    const SkillOutlook &outlook = advice.skills[skill];
    return levelLineText(skillName, advice.levels[skill], levelNames) + u'\n'
            + stepText(outlook.up, u"+", kAtHighestLevel, advice.position, positionNames) + u'\n'
            + stepText(outlook.down, u"-", kAtLowestLevel, advice.position, positionNames);
}

QString stepSalaryText(const TrainingStep &step, int position, const PositionNames &positionNames)
{
    QString text = salaryWithChangeText(step.salary, step.change);
    if (step.position != position)
        text += u' ' + positionNames[step.position];
    return text;
}

QString otherSkillText(QStringView skillName, int level, const LevelNames &levelNames)
{
    const QString first = isValidLevel(level) ? levelLineText(skillName, level, levelNames)
                                              : kNoLevelRead.translated().arg(skillName);
    return first + u'\n' + kSetsNoSalary.translated();
}

QString positionChartTitle()
{
    return kChartTitle.translated();
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
    const QString line = kChartLine.translated();
    const QString bestLine = kChartBestLine.translated();
    QString text = positionChartTitle();
    for (const PositionBar &bar : bars)
        text += u'\n' + (bar.best ? bestLine : line).arg(bar.name, salaryImportText(bar.salary));
    return text;
}

} // namespace wagecourt
