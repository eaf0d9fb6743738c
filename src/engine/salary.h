#pragma once

#include "engine/playerstate.h"

#include <optional>

namespace wagecourt {

// The salary formula's version, ours: raised whenever a coefficient, a
// multiplier or a rounding below changes, so that a report of a salary that
// differs from the game's names the formula it was worked out with.
inline constexpr int kSalaryFormulaVersion = 1;

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

// Nearest whole number, halves to the even neighbour, in the default rounding
// mode, which the program never changes.
double roundHalfEven(double value);

// The strict cascade: the highest number wins, and on equal numbers the higher position.
int choosePosition(double v1, double v2, double v3, double v4, double r5);

// The salary of ten levels. For levels within 0 to 20 every factor comes from
// the exactly rounded powers of the coefficients (skillpowers.h), so the result
// is the same to the bit on every platform; further out the power function
// serves. Empty when a value overflows, is not a number, or cannot be rounded
// into a signed 32-bit salary (possible only for levels far outside 1 to 20).
std::optional<SalaryResult> computeSalary(const SkillLevels &levels);

// The same calculation written plainly: one call of the C library's pow() per
// factor, and the floating-point status tested after every multiplication.
// Kept as the reference the fast form is measured and checked against; where
// pow() is correctly rounded, as glibc's is for every factor here, the two
// agree to the bit.
std::optional<SalaryResult> computeSalaryByPower(const SkillLevels &levels);

// The last step of both forms, once V1..V5 are known: the choice of position
// and the rounded salary. For code that forms the products itself (a search
// carrying partial products from level to level): given the doubles
// computeSalary forms, in its order, it gives computeSalary's result. Empty
// as computeSalary is, for a value that is not finite or a salary that does
// not fit.
std::optional<SalaryResult> salaryOfValues(const double (&values)[kPositionCount]);

// Computes from state.SkillLevel and stores Salary and BestPosition together.
// On failure both keep their previous values and false is returned.
bool CalcSalary(PlayerState &state);

} // namespace wagecourt
