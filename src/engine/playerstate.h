#pragma once

#include "engine/onebased.h"

#include <QString>

#include <array>
#include <cstdint>

namespace wagecourt {

inline constexpr int kSalarySkillCount = 10; // Jump Shot .. Shot Blocking
inline constexpr int kSkillCaptionCount = 13; // plus Stamina, Free Throw, Experience
inline constexpr int kLevelCount = 20;
inline constexpr int kPositionCount = 5;
inline constexpr int kLowestLevel = 1;
inline constexpr int kHighestLevel = 20;

enum Position : int {
    PointGuard = 1,
    ShootingGuard = 2,
    SmallForward = 3,
    PowerForward = 4,
    Center = 5,
};

// 0x00BBGGRR, red in the lowest byte.
using ColorValue = std::uint32_t;

using SkillLevels = OneBased<qint16, kSalarySkillCount>;

inline constexpr int kFirstOtherSkill = kSalarySkillCount + 1; // Stamina
inline constexpr int kUnknownLevel = 0;

// Stamina, Free Throw and Experience (skills 11 to 13) as the last accepted
// list gave them, kUnknownLevel where it did not. They set no salary.
class OtherSkillLevels
{
public:
    constexpr qint16 &operator[](int skill)
    {
        Q_ASSERT(skill >= kFirstOtherSkill && skill <= kSkillCaptionCount);
        return m_levels[skill - kFirstOtherSkill];
    }
    constexpr qint16 operator[](int skill) const
    {
        Q_ASSERT(skill >= kFirstOtherSkill && skill <= kSkillCaptionCount);
        return m_levels[skill - kFirstOtherSkill];
    }
    constexpr bool operator==(const OtherSkillLevels &) const = default;

private:
    std::array<qint16, kSkillCaptionCount - kSalarySkillCount> m_levels{};
};

using LevelNames = OneBased<QString, kLevelCount>;
using LevelColors = OneBased<ColorValue, kLevelCount>;
using PositionNames = OneBased<QString, kPositionCount>;

// Black through blues, violets and crimson to reds, oranges and ochre, ending in greens.
inline constexpr ColorValue kLevelColorTable[kLevelCount] = {
    0,       6492690, 8721186, 10425136, 10619760, 10292113, 8915885, 5901239, 3279772, 2983,
    9917,    12747,   15577,   290523,   4957925,  689836,   39054,   36425,   2665998, 6730510,
};

constexpr int colorRed(ColorValue c) { return int(c & 0xFF); }
constexpr int colorGreen(ColorValue c) { return int((c >> 8) & 0xFF); }
constexpr int colorBlue(ColorValue c) { return int((c >> 16) & 0xFF); }

// The one set of values the window keeps for the whole run. Names follow the
// game's vocabulary; every array is numbered from 1.
struct PlayerState
{
    SkillLevels SkillLevel;
    OtherSkillLevels OtherSkillLevel;
    LevelNames LevelName;
    LevelColors LevelColor;
    PositionNames PositionName;
    qint32 Salary = 0;
    int BestPosition = 0;
    QString PastedText;

    // What the window's load handler sets before the first language is applied.
    void resetLevelsAndPosition();
    void fillLevelColors();
};

bool isValidLevel(int level);

} // namespace wagecourt
