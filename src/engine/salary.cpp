#include "engine/salary.h"

#include "engine/factorrows.h"
#include "engine/skillpowers.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>

// The reference form calls the library's pow() at run time, factor by factor;
// the compiler must not fold those calls with its own exact arithmetic.
#if defined(__GNUC__) && !defined(__clang__)
#define WAGECOURT_OPAQUE __attribute__((noinline, noipa))
#elif defined(__clang__)
#define WAGECOURT_OPAQUE __attribute__((noinline, optnone))
#elif defined(_MSC_VER)
#define WAGECOURT_OPAQUE __declspec(noinline)
#else
#define WAGECOURT_OPAQUE
#endif

namespace wagecourt {

const double SkillCoefficient[kPositionCount][kSalarySkillCount] = {
    {1.028, 1.041, 1.078, 1.079, 1.039, 1.152, 1.002, 1.000, 1.037, 1.000}, // Point Guard
    {1.116, 1.149, 1.115, 1.006, 1.013, 1.000, 1.000, 1.004, 1.061, 1.005}, // Shooting Guard
    {1.179, 1.077, 1.066, 1.000, 1.000, 1.000, 1.000, 1.059, 1.090, 1.002}, // Small Forward
    {1.071, 1.005, 1.006, 1.001, 1.007, 1.006, 1.110, 1.117, 1.110, 1.065}, // Power Forward
    {1.000, 1.000, 1.008, 1.004, 1.000, 1.000, 1.130, 1.137, 1.129, 1.063}, // Center
};

const double PositionMultiplier[kPositionCount] = {310, 307, 322, 295, 298};

namespace {

WAGECOURT_OPAQUE double powerFactor(double coefficient, int level)
{
    return std::pow(coefficient, static_cast<double>(level));
}

constexpr double kInt32Min = double(std::numeric_limits<qint32>::min());
constexpr double kInt32Max = double(std::numeric_limits<qint32>::max());

bool fitsSalary(double rounded)
{
    return rounded >= kInt32Min && rounded <= kInt32Max; // false for NaN too
}

// Nearest whole number, halves to the even neighbour.
inline double nearestEven(double value)
{
    // From 2^52 up every double is whole already (and NaN and infinity stay as they are).
    if (!(std::fabs(value) < 0x1p52))
        return value;
    // Past 2^52 the doubles are the whole numbers: adding 2^52 rounds to the
    // nearest, halves to the even one, and taking it off again is exact.
    const double wholeFromHere = std::copysign(0x1p52, value);
    return (value + wholeFromHere) - wholeFromHere;
}

// Each of a pair is won by the higher value or, on equal values, by the higher position.
struct Choice
{
    int position;
    double value;
};

inline Choice higherOf(Choice lower, Choice higher)
{
    return higher.value >= lower.value ? higher : lower;
}

// What the cascade of strict comparisons chooses (V1 above all four others,
// else V2 above V3, V4 and R5, and so on), taken as a knock-out of pairs: no
// jump for the processor to guess wrong.
inline int highestPosition(double v1, double v2, double v3, double v4, double r5)
{
    return higherOf(higherOf(higherOf({PointGuard, v1}, {ShootingGuard, v2}),
                             higherOf({SmallForward, v3}, {PowerForward, v4})),
                    {Center, r5})
            .position;
}

// The choice once V1..V5 exist, for any levels: values that overflowed, are
// not numbers, or cannot be rounded into a signed 32-bit salary give nothing.
inline std::optional<SalaryResult> finish(const double (&v)[kPositionCount])
{
    // A product of positive factors overflows to infinity and an invalid
    // operation leaves NaN, and both stay so through later multiplications:
    // a finite value is exactly a clean floating-point status here.
    for (double value : v)
        if (!std::isfinite(value))
            return std::nullopt;

    const double r5 = nearestEven(v[4]);
    const int position = highestPosition(v[0], v[1], v[2], v[3], r5);
    // For Center the value is R5, whole already: rounding it again keeps it.
    const double salary = position == Center ? r5 : nearestEven(v[position - 1]);
    if (!(fitsSalary(r5) && fitsSalary(salary)))
        return std::nullopt;

    std::optional<SalaryResult> result(std::in_place);
    for (int p = 1; p <= kPositionCount; ++p)
        result->values[p] = v[p - 1];
    result->roundedCenter = static_cast<qint32>(r5);
    result->position = position;
    result->salary = static_cast<qint32>(salary);
    return result;
}

} // namespace

std::optional<SalaryResult> salaryOfValues(const double (&values)[kPositionCount])
{
    return finish(values);
}

namespace {

// Not constexpr, so that the rows are made when the program runs and never
// become data of its own.
FactorRows copiedRows()
{
    FactorRows rows;
    for (int k = 0; k < kSalarySkillCount; ++k)
        for (int level = 0; level <= kHighestLevel; ++level)
            for (int p = 0; p < kLanes; ++p)
                rows.row[k][level][p] = p < kPositionCount ? kSkillPower[p][k][level] : 1.0;
    return rows;
}

} // namespace

const FactorRows &factorRows()
{
    static const FactorRows rows = copiedRows();
    return rows;
}

double roundHalfEven(double value)
{
    return nearestEven(value);
}

int choosePosition(double v1, double v2, double v3, double v4, double r5)
{
    return highestPosition(v1, v2, v3, v4, r5);
}

qint32 SalaryResult::roundedValue(int p) const
{
    if (p == Center)
        return roundedCenter;
    // Every value lies at or below the chosen one, which fitted, so this fits too.
    return static_cast<qint32>(roundHalfEven(values[p]));
}

std::optional<SalaryResult> computeSalary(const SkillLevels &levels)
{
    // Far outside the game's scale the power function itself serves, every step checked.
    for (qint16 level : levels)
        if (level < 0 || level > kHighestLevel)
            return computeSalaryByPower(levels);

    // The factors multiplied in the skills' order, position by position as the
    // power form does, but all five positions in one step.
    const FactorRows &rows = factorRows();
    double lanes[kLanes];
    for (int p = 0; p < kLanes; ++p)
        lanes[p] = rows.row[0][levels[1]][p];
    for (int k = 1; k < kSalarySkillCount; ++k) {
        // Unrolled, the lanes stay in registers from one skill to the next.
#pragma GCC unroll 8
        for (int p = 0; p < kLanes; ++p)
            lanes[p] *= rows.row[k][levels[k + 1]][p];
    }
    double v[kPositionCount];
    for (int p = 0; p < kPositionCount; ++p)
        v[p] = lanes[p] * PositionMultiplier[p];
    return finish(v);
}

std::optional<SalaryResult> computeSalaryByPower(const SkillLevels &levels)
{
#if defined(FE_OVERFLOW) && defined(FE_DIVBYZERO) && defined(FE_INVALID)
    constexpr int kFailures = FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID;
#else
    // WebAssembly keeps no exception flags; finish() still refuses a value that is not finite.
    constexpr int kFailures = 0;
#endif
    std::feclearexcept(FE_ALL_EXCEPT);

    double v[kPositionCount];
    for (int p = 0; p < kPositionCount; ++p) {
        double product = powerFactor(SkillCoefficient[p][0], levels[1])
                * powerFactor(SkillCoefficient[p][1], levels[2]);
        if (std::fetestexcept(kFailures))
            return std::nullopt;
        for (int k = 2; k < kSalarySkillCount; ++k) {
            product *= powerFactor(SkillCoefficient[p][k], levels[k + 1]);
            if (std::fetestexcept(kFailures))
                return std::nullopt;
        }
        v[p] = product * PositionMultiplier[p];
        if (std::fetestexcept(kFailures))
            return std::nullopt;
    }
    return finish(v);
}

bool CalcSalary(PlayerState &state)
{
    const std::optional<SalaryResult> result = computeSalary(state.SkillLevel);
    if (!result)
        return false;
    state.Salary = result->salary;
    state.BestPosition = result->position;
    return true;
}

} // namespace wagecourt
