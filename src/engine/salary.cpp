#include "engine/salary.h"

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>

// The power function must not be folded at compile time: the compiler's exact
// arithmetic may differ in the last bit from the library's pow(), and both
// forms of the calculation have to agree with each other to the bit.
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

// Every factor a level within 0 to 20 can need. For one skill and level the
// five positions' factors lie side by side (padded to eight with ones), so a
// calculation is ten rows multiplied lane by lane: the same multiplications
// in the same order as position by position, just several at once.
constexpr int kLanes = 8;

struct PowerTable
{
    alignas(64) double row[kSalarySkillCount][kHighestLevel + 1][kLanes];

    PowerTable()
    {
        for (int k = 0; k < kSalarySkillCount; ++k)
            for (int level = 0; level <= kHighestLevel; ++level)
                for (int p = 0; p < kLanes; ++p)
                    row[k][level][p] = p < kPositionCount ? powerFactor(SkillCoefficient[p][k], level) : 1.0;
    }
};

const PowerTable &powerTable()
{
    static const PowerTable table;
    return table;
}

constexpr double kInt32Min = double(std::numeric_limits<qint32>::min());
constexpr double kInt32Max = double(std::numeric_limits<qint32>::max());

bool fitsSalary(double rounded)
{
    return rounded >= kInt32Min && rounded <= kInt32Max; // false for NaN too
}

// V1..V5 in the fixed order: skills 1 and 2 first, then the running product
// times each further factor, then the position's multiplier.
template <typename Factor>
void positionValues(double (&v)[kPositionCount], Factor factor)
{
    for (int p = 0; p < kPositionCount; ++p) {
        double product = factor(p, 0) * factor(p, 1);
        for (int k = 2; k < kSalarySkillCount; ++k)
            product *= factor(p, k);
        v[p] = product * PositionMultiplier[p];
    }
}

// Shared by both forms once V1..V5 exist, so the choice cannot drift apart.
std::optional<SalaryResult> finish(const double (&v)[kPositionCount])
{
    // A product of positive factors overflows to infinity and an invalid
    // operation leaves NaN, and both stay so through later multiplications:
    // a finite value is exactly a clean floating-point status here.
    for (double value : v)
        if (!std::isfinite(value))
            return std::nullopt;

    SalaryResult result;
    for (int p = 1; p <= kPositionCount; ++p)
        result.values[p] = v[p - 1];

    const double r5 = roundHalfEven(v[4]);
    if (!fitsSalary(r5))
        return std::nullopt;
    result.roundedCenter = static_cast<qint32>(r5);

    result.position = choosePosition(v[0], v[1], v[2], v[3], r5);
    const double chosen = result.position == Center ? r5 : roundHalfEven(v[result.position - 1]);
    if (!fitsSalary(chosen))
        return std::nullopt;
    result.salary = static_cast<qint32>(chosen);
    return result;
}

} // namespace

double roundHalfEven(double value)
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

int choosePosition(double v1, double v2, double v3, double v4, double r5)
{
    if (v1 > v2 && v1 > v3 && v1 > v4 && v1 > r5)
        return PointGuard;
    if (v2 > v3 && v2 > v4 && v2 > r5)
        return ShootingGuard;
    if (v3 > v4 && v3 > r5)
        return SmallForward;
    if (v4 > r5)
        return PowerForward;
    return Center;
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
    bool inTable = true;
    for (qint16 level : levels)
        inTable = inTable && level >= 0 && level <= kHighestLevel;

    double v[kPositionCount];
    if (inTable) {
        const PowerTable &table = powerTable();
        double lanes[kLanes];
        const double *first = table.row[0][levels[1]];
        const double *second = table.row[1][levels[2]];
        for (int p = 0; p < kLanes; ++p)
            lanes[p] = first[p] * second[p];
        for (int k = 2; k < kSalarySkillCount; ++k) {
            const double *factor = table.row[k][levels[k + 1]];
            for (int p = 0; p < kLanes; ++p)
                lanes[p] *= factor[p];
        }
        for (int p = 0; p < kPositionCount; ++p)
            v[p] = lanes[p] * PositionMultiplier[p];
    } else {
        positionValues(v, [&](int p, int k) { return powerFactor(SkillCoefficient[p][k], levels[k + 1]); });
    }
    return finish(v);
}

std::optional<SalaryResult> computeSalaryByPower(const SkillLevels &levels)
{
    constexpr int kFailures = FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID;
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
