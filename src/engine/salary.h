#pragma once

#include "engine/playerstate.h"

#include <optional>

namespace wagecourt {

// Rows are positions, columns the ten salary skills, both in game order.
extern const double SkillCoefficient[kPositionCount][kSalarySkillCount];
extern const double PositionMultiplier[kPositionCount];

struct SalaryResult
{
    OneBased<double, kPositionCount> values; // V1 .. V5, unrounded
    qint32 roundedCenter = 0;                // R5, what the choice compares for Center
    int position = 0;                        // 1 .. 5
    qint32 salary = 0;

    // The value shown for a position: Vp rounded, and R5 for Center.
    qint32 roundedValue(int position) const;
};

// Nearest whole number, halves to the even neighbour, whatever the FPU's rounding mode.
double roundHalfEven(double value);

// The strict cascade: the highest number wins, and on equal numbers the higher position.
int choosePosition(double v1, double v2, double v3, double v4, double r5);

// The salary of ten levels, from a table of powers computed once with the same
// power function, so every factor is bit-identical to computeSalaryByPower().
// Empty when a value overflows, is not a number, or cannot be rounded into a
// signed 32-bit salary (possible only for levels far outside 1 to 20).
std::optional<SalaryResult> computeSalary(const SkillLevels &levels);

// The same calculation written plainly: one power per factor, and the
// floating-point status tested after every multiplication. Kept as the
// reference the fast form is measured and checked against.
std::optional<SalaryResult> computeSalaryByPower(const SkillLevels &levels);

// Computes from state.SkillLevel and stores Salary and BestPosition together.
// On failure both keep their previous values and false is returned.
bool CalcSalary(PlayerState &state);

} // namespace wagecourt
