#include "engine/playerstate.h"

namespace wagecourt {

void PlayerState::resetLevelsAndPosition()
{
    SkillLevel.fill(kLowestLevel);
    OtherSkillLevel = {};
    BestPosition = SmallForward;
}

void PlayerState::fillLevelColors()
{
    for (int level = 1; level <= kLevelCount; ++level)
        LevelColor[level] = kLevelColorTable[level - 1];
}

bool isValidLevel(int level)
{
    return level >= kLowestLevel && level <= kHighestLevel;
}

} // namespace wagecourt
