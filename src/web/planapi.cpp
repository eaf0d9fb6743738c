// The page's Plan section: what each level of each skill would pay, a plan of
// targets, a salary limit, the cheapest raises and the salary the game shows,
// all through the planning use cases the window and the command line use. The
// page draws what these answer and works nothing out itself.

#include "web/moduleapi.h"

#include "catalogue/catalogue.h"
#include "engine/skillcodes.h"
#include "format/resultformat.h"
#include "presentation/plantext.h"
#include "presentation/salarytext.h"
#include "usecases/planning.h"
#include "version.h"

#include <QJsonArray>
#include <QJsonObject>

using namespace wagecourt;
using namespace Qt::StringLiterals;
using web::answer;

namespace {

bool tenLevels(const char *text, SkillLevels &levels)
{
    const QList<QByteArray> parts = QByteArray(text).split(',');
    if (parts.size() < kSalarySkillCount)
        return false;
    for (int k = 1; k <= kSalarySkillCount; ++k) {
        bool ok = false;
        const int level = parts[k - 1].trimmed().toInt(&ok);
        if (!ok || !isValidLevel(level))
            return false;
        levels[k] = qint16(level);
    }
    return true;
}

QString salary(qint32 value)
{
    return salaryImportText(value, DigitSpace::NoBreak);
}

// The request as the page's fields and clicks give it: targets "IS=12,RB=10",
// a limit, a number of raises and their skills, each empty when not asked;
// what does not read is named in errors.
usecase::PlanRequest requestOf(const SkillLevels &levels, const char *targets, const char *limit,
                               const char *cheapest, const char *skills, QStringList &errors)
{
    usecase::PlanRequest request;
    request.levels = levels;
    for (const QString &text : QString::fromUtf8(targets).split(u',', Qt::SkipEmptyParts)) {
        planner::PlanTarget target;
        if (const usecase::Parsed read = usecase::parseTarget(text, &target); read.ok())
            request.targets << target;
        else
            errors << read.problemText;
    }
    if (const QString text = QString::fromUtf8(limit).trimmed(); !text.isEmpty()) {
        qint32 value = 0;
        if (const usecase::Parsed read = usecase::parseSalary(text, &value); read.ok())
            request.limit = value;
        else
            errors << read.problemText;
    }
    if (const QString text = QString::fromUtf8(cheapest).trimmed(); !text.isEmpty()) {
        int value = 0;
        if (const usecase::Parsed read = usecase::parseRaises(text, &value); read.ok())
            request.cheapest = value;
        else
            errors << read.problemText;
    }
    if (const QString text = QString::fromUtf8(skills).trimmed(); !text.isEmpty())
        if (const usecase::Parsed read = usecase::parseSkills(text, &request.skills); !read.ok())
            errors << read.problemText;
    return request;
}

} // namespace

extern "C" {

// `wagecourt-cli plan L1 ... L10 --lang LANGUAGE --json` with the options
// given as the page gives them (see requestOf), byte for byte.
const char *wc_plan_json(const char *levelText, const char *languageName, const char *targets, const char *limit,
                         const char *cheapest, const char *skills)
{
    SkillLevels levels;
    const LanguageEntry *language = findLanguage(QString::fromUtf8(languageName), LanguageMatch::NameOrCode);
    QStringList errors;
    if (!language || !tenLevels(levelText, levels))
        return answer(QByteArray());
    const usecase::PlanRequest request = requestOf(levels, targets, limit, cheapest, skills, errors);
    const std::optional<usecase::PlanAnswer> planned = errors.isEmpty() ? usecase::planPlayer(request) : std::nullopt;
    if (!planned)
        return answer(QByteArray());
    return answer(format::planObject(*language, *planned, request.limit));
}

// The Plan section for ten levels in the page's language: the table (skills as
// rows, each level above the current one a cell with its salary, its change
// and its position, marked when over the limit or the skill's target), the
// plan's steps and end, the highest levels within the limit, the cheapest
// raises, the game's salary checked when one is given, and the words around
// them. {"errors":[..]} names what did not read.
const char *wc_plan(const char *levelText, const char *languageName, const char *targets, const char *limit,
                    const char *cheapest, const char *skills, const char *shown)
{
    SkillLevels levels;
    const LanguageEntry *language = findLanguage(QString::fromUtf8(languageName), LanguageMatch::NameOrCode);
    if (!language || !tenLevels(levelText, levels))
        return answer(QByteArray());
    QStringList errors;
    const usecase::PlanRequest request = requestOf(levels, targets, limit, cheapest, skills, errors);
    std::optional<usecase::PlanAnswer> planned = usecase::planPlayer(request);
    if (!planned) // a target or a count out of reach: the table alone
        planned = usecase::planPlayer(usecase::PlanRequest{levels, {}, {}, {}, planner::SkillSet::all()});
    const planner::WorthTable &worth = planned->worth;

    // Each skill's target, where the plan names one: its last.
    OneBased<int, kSalarySkillCount> targetOf{};
    for (const planner::PlanTarget &target : request.targets)
        targetOf[target.skill] = target.level;
    const QString currentSalary = salary(worth.current.salary);
    const QString currentPosition = language->positionName(worth.current.position);
    QJsonArray rows;
    for (int skill = 1; skill <= kSalarySkillCount; ++skill) {
        const QString name = plantext::skillName(*language, skill);
        QJsonArray cells;
        for (const TrainingStep &step : worth.skills[skill]) {
            const bool over = request.limit && step.salary > *request.limit;
            const QString label = (over ? plantext::kCellOverLabel : plantext::kCellLabel)
                                          .translated()
                                          .arg(name, QString::number(step.level), salary(step.salary),
                                               language->positionName(step.position),
                                               plantext::changeText(step.change));
            cells.append(QJsonObject{{u"level"_s, step.level},
                                     {u"salary_text"_s, salary(step.salary)},
                                     {u"change_text"_s, plantext::changeText(step.change)},
                                     {u"change"_s, step.change},
                                     {u"position_name"_s, language->positionName(step.position)},
                                     {u"label"_s, label},
                                     {u"over"_s, over},
                                     {u"target"_s, targetOf[skill] == step.level}});
        }
        const int level = worth.current.levels[skill];
        rows.append(QJsonObject{{u"skill"_s, skill},
                                {u"code"_s, skillCode(skill).letters.toString()},
                                {u"name"_s, name},
                                {u"level"_s, level},
                                {u"current_label"_s, plantext::kCurrentCellLabel.translated().arg(
                                                             name, QString::number(level), currentSalary,
                                                             currentPosition)},
                                {u"target"_s, targetOf[skill]},
                                {u"cells"_s, cells}});
    }
    QJsonObject section{
            {u"title"_s, plantext::kTrainingPlan.translated()},
            {u"worth_title"_s, plantext::kWorthTitle.translated()},
            {u"now_text"_s, plantext::kNow.translated().arg(currentSalary, currentPosition)},
            {u"current_salary_text"_s, currentSalary},
            {u"level_heading"_s, plantext::kLevel.translated()},
            {u"rows"_s, rows},
            {u"no_plan_text"_s, plantext::kNoPlan.translated()},
            {u"limit_label"_s, plantext::kLimit.translated()},
            {u"cheapest_label"_s, plantext::kCheapestLabel.translated()},
            {u"shown_label"_s, plantext::kShownLabel.translated()},
            {u"copy_report"_s, plantext::kCopyReport.translated()},
            {u"version_text"_s, plantext::kVersions.translated().arg(QStringLiteral(WAGECOURT_VERSION_TEXT),
                                                                    QString::number(kSalaryFormulaVersion))},
            {u"errors"_s, QJsonArray::fromStringList(errors)},
    };
    if (planned->plan) {
        QJsonArray steps;
        int number = 0;
        for (const planner::PlanStep &step : planned->plan->steps) {
            const bool over = request.limit && step.salary > *request.limit;
            const QString name = plantext::skillName(*language, step.skill);
            steps.append(QJsonObject{{u"number"_s, ++number},
                                     {u"skill_name"_s, name},
                                     {u"level"_s, step.level},
                                     {u"salary_text"_s, salary(step.salary)},
                                     {u"position_name"_s, language->positionName(step.position)},
                                     {u"change_text"_s, plantext::changeText(step.change)},
                                     {u"text"_s, (over ? plantext::kStepOverLine : plantext::kStepLine)
                                                         .translated()
                                                         .arg(name, QString::number(step.level), salary(step.salary),
                                                              language->positionName(step.position),
                                                              plantext::changeText(step.change))},
                                     {u"over"_s, over}});
        }
        QJsonArray end;
        for (qint16 level : planned->plan->end.levels)
            end.append(int(level));
        section.insert(u"plan"_s, QJsonObject{{u"title"_s, plantext::kPlanTitle.translated()},
                                              {u"steps"_s, steps},
                                              {u"levels"_s, end},
                                              {u"end_text"_s, plantext::kPlanEnd.translated().arg(
                                                      salary(planned->plan->end.salary),
                                                      language->positionName(planned->plan->end.position),
                                                      plantext::changeText(planned->plan->change))}});
    }
    if (planned->within) {
        QJsonArray highest;
        for (int skill = 1; skill <= kSalarySkillCount; ++skill) {
            const std::optional<TrainingStep> &step = (*planned->within)[skill];
            highest.append(QJsonObject{
                    {u"name"_s, plantext::skillName(*language, skill)},
                    {u"text"_s, step ? QString::number(step->level) + u" \u2013 "_s + salary(step->salary)
                                     : plantext::kNoneWithin.translated()}});
        }
        QString passed;
        if (worth.current.salary > *request.limit)
            passed = plantext::kOverAlready.translated();
        else if (planned->plan)
            passed = planned->passedAt ? plantext::kPassedAt.translated().arg(QString::number(*planned->passedAt + 1))
                                       : plantext::kNeverPassed.translated();
        section.insert(u"limit"_s, QJsonObject{{u"title"_s, plantext::kWithinTitle.translated().arg(salary(*request.limit))},
                                               {u"rows"_s, highest},
                                               {u"passed_text"_s, passed}});
    }
    if (request.cheapest) {
        QJsonObject raises{{u"title"_s, plantext::kCheapestTitle.translated(*request.cheapest)}};
        if (planned->cheapest) {
            QJsonArray raised;
            for (int skill = 1; skill <= kSalarySkillCount; ++skill)
                if (const int steps = planned->cheapest->steps[skill]; steps > 0) {
                    const int reached = planned->cheapest->end.levels[skill];
                    const QString name = plantext::skillName(*language, skill);
                    raised.append(QJsonObject{{u"name"_s, name},
                                              {u"raises"_s, steps},
                                              {u"level"_s, reached},
                                              {u"text"_s, plantext::kRaisedLine.translated().arg(
                                                                  name, QString::number(steps),
                                                                  QString::number(reached))}});
                }
            QJsonArray end;
            for (qint16 level : planned->cheapest->end.levels)
                end.append(int(level));
            raises.insert(u"rows"_s, raised);
            raises.insert(u"levels"_s, end);
            raises.insert(u"end_text"_s, plantext::kPlanEnd.translated().arg(
                                                    salary(planned->cheapest->end.salary),
                                                    language->positionName(planned->cheapest->end.position),
                                                    plantext::changeText(planned->cheapest->change)));
        } else {
            raises.insert(u"error"_s, planned->problemText);
        }
        section.insert(u"cheapest"_s, raises);
    }
    if (const QString text = QString::fromUtf8(shown).trimmed(); !text.isEmpty()) {
        qint32 value = 0;
        if (const usecase::Parsed read = usecase::parseSalary(text, &value); read.ok()) {
            const usecase::ShownCheck check = usecase::checkShown(*language, levels, value);
            section.insert(u"shown"_s, QJsonObject{{u"matches"_s, check.matches},
                                                   {u"text"_s, check.text},
                                                   {u"report"_s, check.report}});
        } else {
            section.insert(u"errors"_s, QJsonArray::fromStringList(errors << read.problemText));
        }
    }
    return answer(section);
}

} // extern "C"
