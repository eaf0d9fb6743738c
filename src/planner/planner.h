// Training ahead: what each level of each skill would be worth, a plan taken
// one level at a time, how far a salary limit lets each skill go, the raises
// that cost the least, and where a player's own pace leads. Every salary here
// is computeSalary's for the levels named, to the bit; only the forecast's
// levels are an estimate. QtCore only, beside the engine.
#pragma once

#include "engine/advice.h"
#include "engine/playerstate.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringView>

#include <initializer_list>
#include <optional>

namespace wagecourt::planner {

// --- Skills as the command line names them

// A skill by its column name (jump_shot) or its two letters (JS), from the
// table in engine/skillcodes.h, in any letter case, spaces around it aside:
// 1 (Jump Shot) to 10 (Shot Blocking), or none.
std::optional<int> parseSkill(QStringView text);

struct SkillListReading
{
    QList<int> skills; // in the order given, a skill named twice twice; empty when one was unknown
    std::optional<QString> unknown; // the first item naming no skill, as written; "" for an empty item
};

// Names separated by commas, IS,ID,RB. An empty text is one empty item.
SkillListReading parseSkillList(QStringView text);

// Some of the ten salary skills, numbered 1 to 10.
class SkillSet
{
public:
    constexpr SkillSet() = default;
    SkillSet(std::initializer_list<int> skills);
    static SkillSet all();
    static SkillSet of(const QList<int> &skills); // numbers outside 1 to 10 are left out

    bool contains(int skill) const;
    void insert(int skill);
    bool isEmpty() const { return m_bits == 0; }
    bool operator==(const SkillSet &) const = default;

private:
    quint16 m_bits = 0;
};

// Ten levels and what they earn.
struct Standing
{
    SkillLevels levels;
    qint32 salary = 0;
    int position = 0;
    OneBased<double, kPositionCount> values{}; // V1..V5 unrounded, computeSalary's to the bit

    bool operator==(const Standing &) const = default;
};

// Empty for a level outside 1 to 20.
std::optional<Standing> standingOf(const SkillLevels &levels);

// --- What each level is worth

// For every salary skill, each level from one above its current one to 20,
// the other nine unchanged. TrainingStep's change is against the current salary.
struct WorthTable
{
    Standing current;
    OneBased<QList<TrainingStep>, kSalarySkillCount> skills; // lowest level first; empty at 20
};

// Empty for a level outside 1 to 20.
std::optional<WorthTable> worthByLevel(const SkillLevels &levels);

// --- A plan

struct PlanTarget
{
    int skill = 0; // 1 to 10
    int level = 0; // 1 to 20
};

struct PlanStep
{
    int skill = 0;
    int level = 0; // the level this step reaches
    qint32 salary = 0;
    int position = 0;
    qint32 change = 0; // against the start
    qint32 stepChange = 0; // against the step before, or the start

    bool operator==(const PlanStep &) const = default;
};

struct Plan
{
    Standing start;
    QList<PlanStep> steps;
    Standing end; // the start when every target was met already
    qint32 change = 0; // end salary minus start salary
};

// The targets in the order given, each skill moved one level at a time up or
// down to its target. A skill may be named again: it then moves on from where
// the earlier target left it. Empty for a level outside 1 to 20, a skill
// outside 1 to 10 or a target outside 1 to 20.
std::optional<Plan> planTraining(const SkillLevels &levels, const QList<PlanTarget> &targets);

// --- A salary limit

// For each skill moved alone from its current level up, the highest level at
// which the salary stays at or under the limit, with that salary (the current
// level itself when one more level is already too dear); none for every
// skill when the current levels earn more than the limit. Empty for a level
// outside 1 to 20.
using LevelsWithin = OneBased<std::optional<TrainingStep>, kSalarySkillCount>;
std::optional<LevelsWithin> highestLevelsWithin(const SkillLevels &levels, qint32 limit);

// The index in plan.steps of the first step whose salary is over the limit.
// The start is no step: plan.start.salary says whether it is over already.
std::optional<qsizetype> firstStepOver(const Plan &plan, qint32 limit);

// --- The cheapest raises

inline constexpr int kMostCheapestRaises = 20;

struct CheapestRaises
{
    int raises = 0;
    OneBased<int, kSalarySkillCount> steps{}; // levels raised in each skill
    Standing end;
    qint32 change = 0; // against the current salary
};

// How many one-level raises the skills have left before 20, together.
int raisesPossible(const SkillLevels &levels, const SkillSet &skills = SkillSet::all());

// Of every way to take exactly `raises` one-level raises among the skills
// given (several in one skill, none past 20), the one whose salary is lowest;
// of those earning the same, the one whose end levels come first read from
// Jump Shot to Shot Blocking (the fewest raises in Jump Shot, then in Jump
// Range, and so on). Every way is weighed, so a change of best position on
// the way is found too. Empty when fewer raises than asked remain
// (raisesPossible() says how many do), when `raises` lies outside 1 to
// kMostCheapestRaises, or for a level outside 1 to 20.
std::optional<CheapestRaises> cheapestRaises(const SkillLevels &levels, int raises,
                                             const SkillSet &skills = SkillSet::all());

// --- Pace and forecast

// One reading of a player's levels on a day, as the book keeps them.
struct DatedLevels
{
    QDate date;
    SkillLevels levels;
};

// First to last snapshot, so that a pace rests on two weeks of training at least.
inline constexpr int kShortestHistoryDays = 14;

enum class PaceProblem {
    None,
    TooFewSnapshots, // fewer than two
    TooShortHistory, // the first and the last fewer than kShortestHistoryDays apart
    NotInDateOrder, // a snapshot dated before the one ahead of it
    InvalidSnapshot, // a date that is no day, or a level outside 1 to 20
};

// Each skill's levels per week from the first snapshot to the last; the ones
// between count only for their order.
struct Pace
{
    PaceProblem problem = PaceProblem::None;
    QDate first;
    QDate last;
    qint64 days = 0;
    Standing current; // the last snapshot
    OneBased<int, kSalarySkillCount> gained{}; // last level minus first, below 0 for a lost level
    OneBased<double, kSalarySkillCount> perWeek{}; // gained / (days / 7)
};

// The snapshots oldest first.
Pace measurePace(const QList<DatedLevels> &snapshots);

struct Forecast
{
    int weeks = 0;
    Standing end;
    qint32 change = 0; // against the current salary
};

// The whole levels reached in `weeks` weeks at the pace: the current level
// plus gained × 7 × weeks / days rounded down, worked out in whole numbers so
// that a level is never lost to rounding, never above 20 and never below the
// current level. Empty when the pace has a problem or weeks is below 1.
std::optional<Forecast> forecast(const Pace &pace, int weeks);

} // namespace wagecourt::planner
