#include "presentation/plantext.h"

#include "book/book.h"
#include "engine/skillcodes.h"
#include "presentation/advicetext.h"
#include "presentation/salarytext.h"
#include "version.h"

#include <algorithm>
#include <vector>

namespace wagecourt::plantext {

using namespace Qt::StringLiterals;

namespace {

// Columns padded to their widest cell, numbers to the right, no line ending in spaces.
QString aligned(const std::vector<QStringList> &rows, const std::vector<bool> &right)
{
    std::vector<qsizetype> widths(right.size(), 0);
    for (const QStringList &row : rows)
        for (qsizetype c = 0; c < row.size(); ++c)
            widths[std::size_t(c)] = std::max(widths[std::size_t(c)], row[c].size());
    QString table;
    for (const QStringList &row : rows) {
        QString line;
        for (qsizetype c = 0; c < row.size(); ++c) {
            if (c > 0)
                line += u"  "_s;
            const qsizetype width = widths[std::size_t(c)];
            line += right[std::size_t(c)] ? row[c].rightJustified(width) : row[c].leftJustified(width);
        }
        while (line.endsWith(u' '))
            line.chop(1);
        table += line + u'\n';
    }
    return table;
}

QString salary(qint32 value)
{
    return salaryImportText(value);
}

QString nowLine(const LanguageEntry &language, const planner::Standing &standing)
{
    return kNow.translated().arg(salary(standing.salary), language.positionName(standing.position)) + u'\n';
}

QString levelsText(const SkillLevels &levels)
{
    QStringList numbers;
    for (qint16 level : levels)
        numbers << QString::number(level);
    return numbers.join(u' ');
}

} // namespace

QString skillName(const LanguageEntry &language, int skill)
{
    return skillNameOf(language.skillCaption(skill));
}

QString changeText(qint32 change)
{
    return salaryChangeText(change);
}

QString versionText()
{
    return QStringLiteral(WAGECOURT_VERSION_TEXT) + u" (formula "_s + QString::number(kSalaryFormulaVersion) + u')';
}

QString worthTable(const LanguageEntry &language, const planner::WorthTable &worth)
{
    QStringList head{kLevel.translated()};
    for (int skill = 1; skill <= kSalarySkillCount; ++skill)
        head << skillCode(skill).letters.toString();
    std::vector<QStringList> rows{head};
    int lowest = kHighestLevel;
    for (int skill = 1; skill <= kSalarySkillCount; ++skill)
        lowest = std::min(lowest, int(worth.current.levels[skill]));
    for (int level = lowest; level <= kHighestLevel; ++level) {
        QStringList row{QString::number(level)};
        for (int skill = 1; skill <= kSalarySkillCount; ++skill) {
            const int current = worth.current.levels[skill];
            if (level < current)
                row << QString();
            else if (level == current)
                row << u'*' + salary(worth.current.salary);
            else
                row << salary(worth.skills[skill][level - current - 1].salary);
        }
        rows.push_back(row);
    }
    return kWorthTitle.translated() + u'\n' + nowLine(language, worth.current)
         + aligned(rows, std::vector<bool>(head.size(), true));
}

QString planTable(const LanguageEntry &language, const planner::Plan &plan)
{
    std::vector<QStringList> rows;
    int number = 0;
    for (const planner::PlanStep &step : plan.steps)
        rows.push_back({QString::number(++number), skillName(language, step.skill), QString::number(step.level),
                        salary(step.salary), language.positionName(step.position), changeText(step.change)});
    return kPlanTitle.translated() + u'\n' + aligned(rows, {true, false, true, true, false, true})
         + kPlanEnd.translated().arg(salary(plan.end.salary), language.positionName(plan.end.position),
                                     changeText(plan.change))
         + u" ("_s + levelsText(plan.end.levels) + u")\n"_s;
}

QString withinTable(const LanguageEntry &language, qint32 limit, const planner::LevelsWithin &within,
                    qint32 currentSalary, const std::optional<qsizetype> &passedAt, bool withPlan)
{
    QString text = kWithinTitle.translated().arg(salary(limit)) + u'\n';
    if (currentSalary > limit)
        return text + kOverAlready.translated() + u'\n';
    std::vector<QStringList> rows;
    for (int skill = 1; skill <= kSalarySkillCount; ++skill) {
        const std::optional<TrainingStep> &step = within[skill];
        rows.push_back(step ? QStringList{skillName(language, skill), QString::number(step->level),
                                          salary(step->salary), language.positionName(step->position)}
                            : QStringList{skillName(language, skill), kNoneWithin.translated()});
    }
    text += aligned(rows, {false, true, true, false});
    if (withPlan)
        text += (passedAt ? kPassedAt.translated().arg(QString::number(*passedAt + 1)) : kNeverPassed.translated())
              + u'\n';
    return text;
}

QString cheapestTable(const LanguageEntry &language, const planner::CheapestRaises &raises)
{
    std::vector<QStringList> rows;
    for (int skill = 1; skill <= kSalarySkillCount; ++skill)
        if (raises.steps[skill] > 0)
            rows.push_back({skillName(language, skill),
                            u"+%1"_s.arg(raises.steps[skill]),
                            QString::number(raises.end.levels[skill])});
    return kCheapestTitle.translated(raises.raises) + u'\n' + aligned(rows, {false, true, true})
         + kPlanEnd.translated().arg(salary(raises.end.salary), language.positionName(raises.end.position),
                                     changeText(raises.change))
         + u" ("_s + levelsText(raises.end.levels) + u")\n"_s;
}

QString forecastTable(const LanguageEntry &language, const QString &name, const planner::Pace &pace,
                      const planner::Forecast &forecast)
{
    QString text = kForecastTitle.translated(forecast.weeks).arg(name) + u'\n'
                 + kRestsOn.translated(int(pace.days)).arg(book::dayText(pace.first),
                                                           book::dayText(pace.last))
                 + u'\n';
    std::vector<QStringList> rows{{QString(), kLevel.translated(), kGained.translated(), kPerWeek.translated(),
                                   kThen.translated()}};
    for (int skill = 1; skill <= kSalarySkillCount; ++skill)
        rows.push_back({skillName(language, skill), QString::number(pace.current.levels[skill]),
                        (pace.gained[skill] > 0 ? u"+"_s : QString()) + QString::number(pace.gained[skill]),
                        QString::number(pace.perWeek[skill], 'f', 2), QString::number(forecast.end.levels[skill])});
    return text + aligned(rows, {false, true, true, true, true})
         + kForecastSalary.translated().arg(salary(forecast.end.salary), language.positionName(forecast.end.position),
                                            changeText(forecast.change))
         + u'\n';
}

} // namespace wagecourt::plantext
