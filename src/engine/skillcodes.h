// The ten salary skills as files and the command line name them, whatever the
// language: the column name of a CSV or JSON export, and a two-letter code for
// typing. One table, so that a column and an option can never name a skill
// differently.
#pragma once

#include "engine/playerstate.h"

#include <QLatin1StringView>

#include <array>

namespace wagecourt {

struct SkillCode
{
    QLatin1StringView column; // jump_shot
    QLatin1StringView letters; // JS
};

// Index 0 is Jump Shot: skillCode() takes the game's numbering.
inline constexpr std::array<SkillCode, kSalarySkillCount> kSkillCodes{{
        {QLatin1StringView("jump_shot"), QLatin1StringView("JS")},
        {QLatin1StringView("jump_range"), QLatin1StringView("JR")},
        {QLatin1StringView("outside_def"), QLatin1StringView("OD")},
        {QLatin1StringView("handling"), QLatin1StringView("HA")},
        {QLatin1StringView("driving"), QLatin1StringView("DR")},
        {QLatin1StringView("passing"), QLatin1StringView("PA")},
        {QLatin1StringView("inside_shot"), QLatin1StringView("IS")},
        {QLatin1StringView("inside_def"), QLatin1StringView("ID")},
        {QLatin1StringView("rebounding"), QLatin1StringView("RB")},
        {QLatin1StringView("shot_blocking"), QLatin1StringView("SB")},
}};

// Skill 1 (Jump Shot) to 10 (Shot Blocking).
constexpr const SkillCode &skillCode(int skill)
{
    Q_ASSERT(skill >= 1 && skill <= kSalarySkillCount);
    return kSkillCodes[std::size_t(skill - 1)];
}

} // namespace wagecourt
