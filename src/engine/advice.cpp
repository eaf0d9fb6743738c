#include "engine/advice.h"

namespace wagecourt {

namespace {

TrainingStep stepTo(const SkillLevels &levels, int skill, int level, qint32 current)
{
    SkillLevels stepped = levels;
    stepped[skill] = qint16(level);
    // Levels within 1 to 20 always give a salary.
    const SalaryResult result = *computeSalary(stepped);
    return {level, result.salary, result.position, result.salary - current};
}

} // namespace

std::optional<TrainingAdvice> adviseTraining(const SkillLevels &levels)
{
    for (qint16 level : levels)
        if (!isValidLevel(level))
            return std::nullopt;
    const std::optional<SalaryResult> result = computeSalary(levels);
    if (!result)
        return std::nullopt;

    TrainingAdvice advice;
    advice.levels = levels;
    advice.salary = result->salary;
    advice.position = result->position;
    for (int p = 1; p <= kPositionCount; ++p)
        advice.positionSalaries[p] = result->roundedValue(p);
    for (int k = 1; k <= kSalarySkillCount; ++k) {
        const int level = levels[k];
        SkillOutlook &outlook = advice.skills[k];
        if (level < kHighestLevel)
            outlook.up = stepTo(levels, k, level + 1, result->salary);
        if (level > kLowestLevel)
            outlook.down = stepTo(levels, k, level - 1, result->salary);
    }
    return advice;
}

} // namespace wagecourt
