#pragma once

#include "book/book.h"
#include "catalogue/catalogue.h"
#include "engine/salary.h"
#include "planner/planner.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

namespace wagecourt::usecase {

// A player's training planned ahead, and his salary checked against the
// game's, put together once for the window, the command line and the page.

struct PlanRequest
{
    SkillLevels levels;
    QList<planner::PlanTarget> targets;   // none: no plan
    std::optional<qint32> limit;          // none: no limit
    std::optional<int> cheapest;          // how many raises, 1 to 20; none: not asked
    planner::SkillSet skills = planner::SkillSet::all(); // where the cheapest raises may go
};

struct PlanAnswer
{
    planner::WorthTable worth;
    std::optional<planner::Plan> plan;
    std::optional<planner::LevelsWithin> within; // with a limit
    std::optional<qsizetype> passedAt;           // with a limit and a plan: the first step over it
    std::optional<planner::CheapestRaises> cheapest;
    int raisesLeft = 0;                          // with cheapest: how many raises the skills have left
    QString problemText;                         // why the cheapest raises could not be given, for a person
};

// None for a level outside 1 to 20, a target outside the skills and levels,
// or a count of raises outside 1 to 20: what a front-end checks before.
std::optional<PlanAnswer> planPlayer(const PlanRequest &request);

// What a person or a script typed: a skill by its column name or two letters,
// any letter case; a target SKILL=LEVEL; skills separated by commas; a salary.
// Each answers the reason for a person when it does not read.
struct Parsed
{
    QString problemText; // empty when it read
    bool ok() const { return problemText.isEmpty(); }
};
Parsed parseTarget(QStringView text, planner::PlanTarget *target);
Parsed parseSkills(QStringView text, planner::SkillSet *skills);
Parsed parseSalary(QStringView text, qint32 *salary);
Parsed parseRaises(QStringView text, int *raises);

// A player's pace over his history in the book and where it leads in weeks.
struct ForecastAnswer
{
    planner::Pace pace;
    std::optional<planner::Forecast> forecast;
    QString problemText; // why there is none, for a person

    bool ok() const { return forecast.has_value(); }
};
inline constexpr int kDefaultForecastWeeks = 8;
ForecastAnswer forecastPlayer(const book::Player &player, int weeks);

// The salary the game shows for a player against the one Wagecourt works out:
// on a mismatch, a report to send, with all a developer needs to see why.
struct ShownCheck
{
    qint32 shown = 0;
    SalaryResult result;
    bool matches = false;
    QString text;   // for a person: that they match, or how they differ
    QString report; // on a mismatch: the levels, the language, the formula, both salaries, the position
};
ShownCheck checkShown(const LanguageEntry &language, const SkillLevels &levels, qint32 shown);

} // namespace wagecourt::usecase
