#include "engine/salary.h"

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

// Every factor a level within 0 to 20 can need, from the exact powers: the
// same bits on every platform, whatever its pow() does in the last place. For
// one skill and level the five positions' factors lie side by side (padded with
// ones), so a calculation is rows multiplied lane by lane: the same
// multiplications in the same order as position by position, several at once.
// The first multiplication, skill 1's factor times skill 2's, is done here once
// for every pair of levels: the same product to the bit, and one step less in
// the calculation's chain of dependent multiplications.
constexpr int kLanes = 8; // a row of a skill and level fills one cache line
constexpr int kTableLevels = kHighestLevel + 1; // 0 to 20

struct LaneTable
{
    alignas(64) double firstPair[kTableLevels][kTableLevels][kLanes];
    alignas(64) double row[kSalarySkillCount][kTableLevels][kLanes]; // skills 3 to 10 are read

    constexpr LaneTable() : firstPair{}, row{}
    {
        for (int k = 0; k < kSalarySkillCount; ++k)
            for (int level = 0; level < kTableLevels; ++level)
                for (int p = 0; p < kLanes; ++p)
                    row[k][level][p] = p < kPositionCount ? kSkillPower[p][k][level] : 1.0;
        for (int first = 0; first < kTableLevels; ++first)
            for (int second = 0; second < kTableLevels; ++second)
                for (int p = 0; p < kLanes; ++p)
                    firstPair[first][second][p] = row[0][first][p] * row[1][second][p];
    }
};

constexpr LaneTable kLaneTable;

constexpr double kInt32Min = double(std::numeric_limits<qint32>::min());
constexpr double kInt32Max = double(std::numeric_limits<qint32>::max());

bool fitsSalary(double rounded)
{
    return rounded >= kInt32Min && rounded <= kInt32Max; // false for NaN too
}

inline double roundHalfEvenInline(double value)
{
    // From 2^52 up every double is whole already (and NaN and infinity stay as they are).
    if (!(std::fabs(value) < 0x1p52))
        return value;
    // Truncating through a 64-bit integer is exact here and much cheaper than floor().
    const double truncated = static_cast<double>(static_cast<std::int64_t>(value));
    const double down = truncated > value ? truncated - 1.0 : truncated;
    const double fraction = value - down; // exact
    if (fraction > 0.5)
        return down + 1.0;
    if (fraction < 0.5)
        return down;
    return (static_cast<std::int64_t>(down) & 1) == 0 ? down : down + 1.0;
}

// The same for 0 <= value < 2^52 in two additions: past 2^52 the doubles are
// the whole numbers, so adding 2^52 rounds to the nearest, halves to the even
// one, and taking it off again is exact. Like the multiplications before it,
// this relies on the default rounding mode, which the program never changes.
inline double roundHalfEvenNonNegative(double value)
{
    constexpr double kWholeFromHere = 0x1p52;
    return (value + kWholeFromHere) - kWholeFromHere;
}

// The highest of V1..V4 and R5, and on equal numbers the higher position: what
// the cascade of strict comparisons (V1 above all four others, else V2 above
// V3, V4 and R5, and so on) chooses. Taken as a knock-out of pairs, each won
// by the higher value or, on equal values, by the higher position, it waits
// on three comparisons instead of four in a row, and on no jump.
struct Choice
{
    int position;
    double value;
};

inline Choice higherOf(Choice lower, Choice higher)
{
    return higher.value >= lower.value ? higher : lower;
}

inline Choice chooseInline(double v1, double v2, double v3, double v4, double r5)
{
    return higherOf(higherOf(higherOf({PointGuard, v1}, {ShootingGuard, v2}),
                             higherOf({SmallForward, v3}, {PowerForward, v4})),
                    {Center, r5});
}

// The choice once V1..V5 exist, for any levels: values that overflowed, are
// not numbers, or cannot be rounded into a signed 32-bit salary give nothing.
std::optional<SalaryResult> finish(const double (&v)[kPositionCount])
{
    // A product of positive factors overflows to infinity and an invalid
    // operation leaves NaN, and both stay so through later multiplications:
    // a finite value is exactly a clean floating-point status here.
    for (double value : v)
        if (!std::isfinite(value))
            return std::nullopt;

    std::optional<SalaryResult> result(std::in_place);
    for (int p = 1; p <= kPositionCount; ++p)
        result->values[p] = v[p - 1];

    const double r5 = roundHalfEvenInline(v[4]);
    const Choice choice = chooseInline(v[0], v[1], v[2], v[3], r5);
    // For Center the value is R5, whole already: rounding it again keeps it.
    const double salary = roundHalfEvenInline(choice.value);
    if (!(fitsSalary(r5) && fitsSalary(salary)))
        return std::nullopt;
    result->roundedCenter = static_cast<qint32>(r5);
    result->position = choice.position;
    result->salary = static_cast<qint32>(salary);
    return result;
}

// For levels within 0 to 20, where no value can overflow, fail or leave the
// salary's range: nothing is tested, and the roundings are independent of each
// other and of the choice, so they run side by side.
inline std::optional<SalaryResult> finishInTable(const double (&v)[kPositionCount])
{
    std::optional<SalaryResult> result(std::in_place);
    double rounded[kPositionCount];
    for (int p = 0; p < kPositionCount; ++p) {
        result->values[p + 1] = v[p];
        rounded[p] = roundHalfEvenNonNegative(v[p]);
    }
    const Choice choice = chooseInline(v[0], v[1], v[2], v[3], rounded[4]);
    // Rounding keeps the order of values, so the chosen value rounds to the
    // highest of the rounded ones (R5 itself for Center).
    const double salary = std::max(std::max(std::max(rounded[0], rounded[1]), std::max(rounded[2], rounded[3])),
                                   rounded[4]);
    result->roundedCenter = static_cast<qint32>(rounded[4]);
    result->position = choice.position;
    result->salary = static_cast<qint32>(salary);
    return result;
}

} // namespace

double roundHalfEven(double value)
{
    return roundHalfEvenInline(value);
}

int choosePosition(double v1, double v2, double v3, double v4, double r5)
{
    return chooseInline(v1, v2, v3, v4, r5).position;
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
    // Negative for any level outside 0 to 20; one test instead of ten.
    int outside = 0;
    for (qint16 level : levels)
        outside |= (kHighestLevel - level) | level;
    const bool inTable = outside >= 0;

    double v[kPositionCount];
    if (inTable) {
        double lanes[kLanes];
        const double *pair = kLaneTable.firstPair[levels[1]][levels[2]];
        for (int p = 0; p < kLanes; ++p)
            lanes[p] = pair[p];
        for (int k = 2; k < kSalarySkillCount; ++k) {
            const double *factor = kLaneTable.row[k][levels[k + 1]];
            for (int p = 0; p < kLanes; ++p)
                lanes[p] *= factor[p];
        }
        for (int p = 0; p < kPositionCount; ++p)
            v[p] = lanes[p] * PositionMultiplier[p];
        return finishInTable(v);
    }

    // Far outside the game's scale: the power function itself, every step checked.
    for (int p = 0; p < kPositionCount; ++p) {
        double product = powerFactor(SkillCoefficient[p][0], levels[1]) * powerFactor(SkillCoefficient[p][1], levels[2]);
        for (int k = 2; k < kSalarySkillCount; ++k)
            product *= powerFactor(SkillCoefficient[p][k], levels[k + 1]);
        v[p] = product * PositionMultiplier[p];
    }
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
