#pragma once

#include "cutting/BinCompletion.h"
#include "cutting/PatternLp.h"

#include <cstdint>

// A plan from the pattern relaxation by diving: the patterns the relaxation uses whole are cut, or
// else the one it uses most, the relaxation is solved again for the pieces left, and so on; the
// last few pieces are planned by the exact search. After the residual rounding heuristics of
// Belov and Scheithauer (2006) and Vanderbeck (1999).
namespace BarPacking {

// A plan with fewer than `worse` bars, or an empty one when the dive cannot find one in time. The
// relaxation's demand is left at the pieces of the last dive. `variant` 0 cuts the pattern used most;
// others pick at random among the three used most, so that repeated dives take other paths.
std::vector<Counts> DiveForPlan(const TInstance& in, TPatternLp& lp, int worse, Clock::time_point deadline,
                                std::uint32_t variant = 0);

} // namespace BarPacking
