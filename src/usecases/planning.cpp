#include "usecases/planning.h"

#include "presentation/plantext.h"
#include "presentation/salarytext.h"
#include "version.h"

namespace wagecourt::usecase {

using namespace Qt::StringLiterals;

std::optional<PlanAnswer> planPlayer(const PlanRequest &request)
{
    std::optional<planner::WorthTable> worth = planner::worthByLevel(request.levels);
    if (!worth)
        return std::nullopt;
    PlanAnswer answer;
    answer.worth = std::move(*worth);
    if (!request.targets.isEmpty()) {
        answer.plan = planner::planTraining(request.levels, request.targets);
        if (!answer.plan)
            return std::nullopt;
    }
    if (request.limit) {
        answer.within = planner::highestLevelsWithin(request.levels, *request.limit);
        if (answer.plan)
            answer.passedAt = planner::firstStepOver(*answer.plan, *request.limit);
    }
    if (request.cheapest) {
        if (*request.cheapest < 1 || *request.cheapest > planner::kMostCheapestRaises)
            return std::nullopt;
        answer.raisesLeft = planner::raisesPossible(request.levels, request.skills);
        answer.cheapest = planner::cheapestRaises(request.levels, *request.cheapest, request.skills);
        if (!answer.cheapest)
            answer.problemText = plantext::kTooFewRaises.translated(answer.raisesLeft);
    }
    return answer;
}

Parsed parseTarget(QStringView text, planner::PlanTarget *target)
{
    const qsizetype equals = text.indexOf(u'=');
    const std::optional<int> skill = equals > 0 ? planner::parseSkill(text.first(equals)) : std::nullopt;
    bool number = false;
    const int level = equals > 0 ? text.sliced(equals + 1).trimmed().toInt(&number) : 0;
    if (equals > 0 && !skill)
        return {plantext::kUnknownSkill.translated().arg(text.first(equals).toString())};
    if (!skill || !number || level < kLowestLevel || level > kHighestLevel)
        return {plantext::kBadTarget.translated().arg(text.toString())};
    *target = {*skill, level};
    return {};
}

Parsed parseSkills(QStringView text, planner::SkillSet *skills)
{
    const planner::SkillListReading read = planner::parseSkillList(text);
    if (read.unknown)
        return {plantext::kUnknownSkill.translated().arg(*read.unknown)};
    *skills = planner::SkillSet::of(read.skills);
    return {};
}

namespace {

bool isThousandsSeparator(QChar c)
{
    return c == u' ' || c == u'\u00A0' || c == u'\u202F' || c == u',' || c == u'.' || c == u'\'';
}

// A salary as the game shows it, its thousands apart ("24 053"), or as a
// manager's locale writes them ("24,053", "24.053", "24'053"): digits in
// groups of three after the first, one separator throughout. "1.5" or
// "1,00" is not a whole salary, and stays refused.
QString groupedDigits(QStringView text)
{
    QString digits;
    QChar separator;
    qsizetype group = 0; // digits since the start or the last separator
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9') {
            digits += c;
            ++group;
            continue;
        }
        const bool first = separator.isNull();
        if (!isThousandsSeparator(c) || (first ? group == 0 || group > 3 : group != 3 || c != separator))
            return {};
        separator = c;
        group = 0;
    }
    return !separator.isNull() && group == 3 ? digits : QString();
}

} // namespace

Parsed parseSalary(QStringView text, qint32 *salary)
{
    bool number = false;
    int value = text.trimmed().toInt(&number);
    if (!number)
        value = groupedDigits(text.trimmed()).toInt(&number);
    if (!number || value < 0)
        return {plantext::kBadSalary.translated().arg(text.toString())};
    *salary = value;
    return {};
}

Parsed parseRaises(QStringView text, int *raises)
{
    bool number = false;
    const int value = text.trimmed().toInt(&number);
    if (!number || value < 1 || value > planner::kMostCheapestRaises)
        return {plantext::kBadRaises.translated().arg(text.toString())};
    *raises = value;
    return {};
}

ForecastAnswer forecastPlayer(const book::Player &player, int weeks)
{
    QList<planner::DatedLevels> history;
    for (const book::Snapshot &snapshot : player.snapshots)
        history.append({snapshot.date, snapshot.salaryLevels()});
    ForecastAnswer answer;
    answer.pace = planner::measurePace(history);
    switch (answer.pace.problem) {
    case planner::PaceProblem::None:
        answer.forecast = planner::forecast(answer.pace, weeks);
        break;
    case planner::PaceProblem::TooFewSnapshots:
        answer.problemText = plantext::kOneSnapshot.translated().arg(player.name);
        break;
    case planner::PaceProblem::TooShortHistory:
        answer.problemText = plantext::kShortHistory.translated(int(answer.pace.days)).arg(player.name);
        break;
    case planner::PaceProblem::NotInDateOrder:
    case planner::PaceProblem::InvalidSnapshot:
        break; // a book keeps its snapshots valid and in date order
    }
    return answer;
}

ShownCheck checkShown(const LanguageEntry &language, const SkillLevels &levels, qint32 shown)
{
    ShownCheck check;
    check.shown = shown;
    check.result = computeSalary(levels).value_or(SalaryResult{});
    check.matches = check.result.salary == shown;
    const QString position = language.positionName(check.result.position);
    if (check.matches) {
        check.text = plantext::kShownMatches.translated().arg(salaryImportText(shown));
        return check;
    }
    check.text = plantext::kShownDiffers.translated().arg(salaryImportText(shown), salaryImportText(check.result.salary),
                                                         position);
    // For whoever mends the formula: in English, whatever the user's language.
    QStringList levelTexts;
    for (qint16 level : levels)
        levelTexts << QString::number(level);
    check.report = u"Wagecourt %1, salary formula %2\n"
                   "Language: %3\n"
                   "Levels: %4\n"
                   "Salary the game shows: %5\n"
                   "Salary Wagecourt works out: %6 (%7)\n"_s.arg(QStringLiteral(WAGECOURT_VERSION_TEXT),
                                                                 QString::number(kSalaryFormulaVersion),
                                                                 language.name.toString(), levelTexts.join(u' '),
                                                                 QString::number(shown),
                                                                 QString::number(check.result.salary), position);
    return check;
}

} // namespace wagecourt::usecase
