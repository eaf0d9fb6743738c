#pragma once

#include "engine/salary.h"

namespace wagecourt {

// The exact powers of skillpowers.h, which give the same bits on every
// platform whatever its pow() does in the last place, laid out for the
// calculation: for one skill and level the five positions' factors side by
// side, padded with ones to a cache line, so that all five products are
// multiplied in one step. The salary and the planner's search multiply the
// same rows.
inline constexpr int kLanes = 8;
struct FactorRows
{
    alignas(64) double row[kSalarySkillCount][kHighestLevel + 1][kLanes];
};

// Copied from the powers on first use, not stored: a copy is the same
// doubles, and the page's module downloads the powers once instead of three
// times over.
const FactorRows &factorRows();

} // namespace wagecourt
