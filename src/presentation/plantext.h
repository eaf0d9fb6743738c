#pragma once

#include "catalogue/catalogue.h"
#include "engine/salary.h"
#include "planner/planner.h"
#include "presentation/text.h"

#include <QString>
#include <QStringList>

namespace wagecourt {

// The training planner's words for people: the command line's tables, the
// window's Training Plan and the page's Plan section. What scripts read
// (--json) is never translated.
namespace plantext {

//: Title of the window and of the page's section that plans a player's training.
inline constexpr Text kTrainingPlan{"Plan", QT_TRANSLATE_NOOP("Plan", "Training Plan")};
//: The salary the levels shown earn now; %1 the salary, %2 the position.
inline constexpr Text kNow{"Plan", QT_TRANSLATE_NOOP("Plan", "Now: %1 (%2)")};
//: Heading of the table of what each level of each skill would pay.
inline constexpr Text kWorthTitle{"Plan", QT_TRANSLATE_NOOP("Plan", "Weekly salary at each level, one skill at a time")};
//: The column of levels in that table.
inline constexpr Text kLevel{"Plan", QT_TRANSLATE_NOOP("Plan", "Level")};
//: Heading of the steps of a plan.
inline constexpr Text kPlanTitle{"Plan", QT_TRANSLATE_NOOP("Plan", "The plan, one level at a time")};
//: The plan's end: %1 the salary, %2 the position, %3 the change against now.
inline constexpr Text kPlanEnd{"Plan", QT_TRANSLATE_NOOP("Plan", "At the end: %1 (%2), %3")};
//: Under an empty plan in the window and the page.
inline constexpr Text kNoPlan{"Plan", QT_TRANSLATE_NOOP("Plan",
        "Click a level in the table to make it that skill's target.")};
//: Label of the field where a salary limit is typed.
inline constexpr Text kLimit{"Plan", QT_TRANSLATE_NOOP("Plan", "Salary limit:")};
//: Heading: %1 the limit.
inline constexpr Text kWithinTitle{"Plan", QT_TRANSLATE_NOOP("Plan", "Highest levels within %1, one skill at a time")};
//: A skill that cannot rise at all within the limit.
inline constexpr Text kNoneWithin{"Plan", QT_TRANSLATE_NOOP("Plan", "none")};
//: The limit is passed; %1 is the number of the first step of the plan over it.
inline constexpr Text kPassedAt{"Plan", QT_TRANSLATE_NOOP("Plan", "The plan passes the limit at step %1.")};
inline constexpr Text kNeverPassed{"Plan", QT_TRANSLATE_NOOP("Plan", "The whole plan stays within the limit.")};
//: The current levels already earn more than the limit.
inline constexpr Text kOverAlready{"Plan", QT_TRANSLATE_NOOP("Plan", "The player already earns more than the limit.")};
//: Label of the field for how many one-level raises to look for.
inline constexpr Text kCheapestLabel{"Plan", QT_TRANSLATE_NOOP("Plan", "Cheapest raises:")};
//: Heading: %n how many one-level raises, searched over every way.
inline constexpr CountText kCheapestTitle{"Plan", QT_TRANSLATE_N_NOOP("Plan",
        "The %n one-level raise(s) that add least to the salary")};
//: The skills given cannot take that many raises before 20.
inline constexpr CountText kTooFewRaises{"Plan", QT_TRANSLATE_N_NOOP("Plan",
        "only %n raise(s) remain in the skills given")};
//: Heading of a forecast: %1 the player's name, %n the weeks ahead.
inline constexpr CountText kForecastTitle{"Plan", QT_TRANSLATE_N_NOOP("Plan", "%1 in %n week(s), at his own pace")};
//: What the forecast rests on: %1 and %2 the first and last days, %n the days between.
inline constexpr CountText kRestsOn{"Plan", QT_TRANSLATE_N_NOOP("Plan",
        "From his snapshots of %1 to %2 (%n day(s))")};
//: Columns of the forecast: the levels gained over the history, per week, and the level reached.
inline constexpr Text kGained{"Plan", QT_TRANSLATE_NOOP("Plan", "Gained")};
inline constexpr Text kPerWeek{"Plan", QT_TRANSLATE_NOOP("Plan", "Per week")};
inline constexpr Text kThen{"Plan", QT_TRANSLATE_NOOP("Plan", "Reached")};
//: The salary the forecast's levels earn: %1 the salary, %2 the position, %3 the change against now.
inline constexpr Text kForecastSalary{"Plan", QT_TRANSLATE_NOOP("Plan", "Salary then: %1 (%2), %3")};
//: Label of the field where the salary the game shows is typed.
inline constexpr Text kShownLabel{"Plan", QT_TRANSLATE_NOOP("Plan", "Salary the game shows:")};
//: Label of the button that copies the report of a salary that differs.
inline constexpr Text kCopyReport{"Plan", QT_TRANSLATE_NOOP("Plan", "Copy Report")};
//: Where the formula's version is shown: %1 the program's version, %2 the formula's.
inline constexpr Text kVersions{"Plan", QT_TRANSLATE_NOOP("Plan", "Wagecourt %1, salary formula %2")};

// The page's Plan section, where a table's cell is a button and a plan a list.
//: A level's cell in the table, as a screen reader names it: %1 the skill, %2 the level, %3 the salary, %4 the
//: position, %5 the change against now.
inline constexpr Text kCellLabel{"Plan", QT_TRANSLATE_NOOP("Plan", "%1 at level %2: %3 (%4), %5")};
//: The same for a level whose salary is over the salary limit typed.
inline constexpr Text kCellOverLabel{"Plan", QT_TRANSLATE_NOOP("Plan",
        "%1 at level %2: %3 (%4), %5, over the limit")};
//: The current level's cell: %1 the skill, %2 the level, %3 the salary, %4 the position.
inline constexpr Text kCurrentCellLabel{"Plan", QT_TRANSLATE_NOOP("Plan", "%1 at level %2, now: %3 (%4)")};
//: One step of a plan, a line each: %1 the skill, %2 the level it reaches, %3 the salary, %4 the position, %5 the
//: change against now.
inline constexpr Text kStepLine{"Plan", QT_TRANSLATE_NOOP("Plan", "%1 to %2: %3 (%4), %5")};
//: The same for a step whose salary is over the salary limit typed.
inline constexpr Text kStepOverLine{"Plan", QT_TRANSLATE_NOOP("Plan", "%1 to %2: %3 (%4), %5, over the limit")};
//: A skill among the cheapest raises: %1 the skill, %2 how many levels it rises, %3 the level it reaches.
inline constexpr Text kRaisedLine{"Plan", QT_TRANSLATE_NOOP("Plan", "%1: +%2, to %3")};

// Why a command line's option does not read.
//: What the user wrote; the names stay as they are.
inline constexpr Text kUnknownSkill{"Plan", QT_TRANSLATE_NOOP("Plan",
        "'%1' is not a skill: jump_shot, jump_range, outside_def, handling, driving, passing, inside_shot, "
        "inside_def, rebounding, shot_blocking, or JS JR OD HA DR PA IS ID RB SB")};
//: What the user wrote.
inline constexpr Text kBadTarget{"Plan", QT_TRANSLATE_NOOP("Plan",
        "'%1' is not a target: write a skill, = and a level from 1 to 20, such as IS=12")};
//: What the user wrote.
inline constexpr Text kBadSalary{"Plan", QT_TRANSLATE_NOOP("Plan", "'%1' is not a salary: write a whole number")};
//: What the user wrote.
inline constexpr Text kBadRaises{"Plan", QT_TRANSLATE_NOOP("Plan",
        "'%1' is not a number of raises: write a whole number from 1 to 20")};
//: The player's name: he has one snapshot only.
inline constexpr Text kOneSnapshot{"Plan", QT_TRANSLATE_NOOP("Plan",
        "%1 has one snapshot in the book: a forecast needs two at least 14 days apart")};
//: The player's name; %n the days his snapshots span.
inline constexpr CountText kShortHistory{"Plan", QT_TRANSLATE_N_NOOP("Plan",
        "the snapshots of %1 span %n day(s): a forecast needs at least 14")};

// The salary against the game's.
//: %1 the salary.
inline constexpr Text kShownMatches{"Plan", QT_TRANSLATE_NOOP("Plan", "It matches the game: %1.")};
//: %1 the salary the game shows, %2 the one Wagecourt works out, %3 its position.
inline constexpr Text kShownDiffers{"Plan", QT_TRANSLATE_NOOP("Plan",
        "The game shows %1, Wagecourt works out %2 (%3). The game's formula may have changed: "
        "please copy the report and send it to Wagecourt's makers.")};

// A skill's name as the tables head it: the catalogue's caption without its colon.
QString skillName(const LanguageEntry &language, int skill);

// The command line's tables and lines.
// Levels as rows, the ten skills as columns (their two letters), each cell the
// salary with that skill at that level; the current level marked with "*".
QString worthTable(const LanguageEntry &language, const planner::WorthTable &worth);
QString planTable(const LanguageEntry &language, const planner::Plan &plan);
QString withinTable(const LanguageEntry &language, qint32 limit, const planner::LevelsWithin &within,
                    qint32 currentSalary, const std::optional<qsizetype> &passedAt, bool withPlan);
QString cheapestTable(const LanguageEntry &language, const planner::CheapestRaises &raises);
QString forecastTable(const LanguageEntry &language, const QString &name, const planner::Pace &pace,
                      const planner::Forecast &forecast);

// "+1 322", "-300", "±0".
QString changeText(qint32 change);
// "1.00, formula 1": what --version says.
QString versionText();

} // namespace plantext

} // namespace wagecourt
