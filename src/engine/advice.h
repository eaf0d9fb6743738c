#pragma once

#include "engine/salary.h"

#include <optional>

namespace wagecourt {

// One training step of one skill: the level it would reach and what the player
// would then earn, at which position.
struct TrainingStep
{
    int level = 0;
    qint32 salary = 0;
    int position = 0;
    qint32 change = 0; // salary minus the current salary

    bool operator==(const TrainingStep &) const = default;
};

struct SkillOutlook
{
    std::optional<TrainingStep> up;   // none at the highest level
    std::optional<TrainingStep> down; // none at the lowest level

    bool operator==(const SkillOutlook &) const = default;
};

// Everything the window's tooltips and `wagecourt-cli advise` show for ten
// levels: the result itself, one step up and down for every salary skill, and
// the weekly salary at each position. Built on computeSalary(), so it can never
// disagree with CalcSalary.
struct TrainingAdvice
{
    SkillLevels levels;
    qint32 salary = 0;
    int position = 0;
    OneBased<SkillOutlook, kSalarySkillCount> skills;
    // Each position's value rounded as the salary is; Center's is R5.
    OneBased<qint32, kPositionCount> positionSalaries;
};

// Empty when a level lies outside 1 to 20.
std::optional<TrainingAdvice> adviseTraining(const SkillLevels &levels);

} // namespace wagecourt
