#pragma once

#include "cutting/BinCompletion.h"

#include <cstdint>

// Improves a plan a few bars at a time: the emptiest bars and some others chosen at random are
// planned anew by the exact search. A new plan of them with fewer bars is kept; one with as many is
// kept when it gathers their room into fewer bars, so that later rounds see other neighbourhoods.
// A large-neighbourhood search in the manner of Shaw (1998).
namespace BarPacking {

// Stops when the plan has `target` bars or at the deadline.
std::vector<Counts> RepairPlan(const TInstance& in, std::vector<Counts> plan, int target, Clock::time_point deadline,
                               std::uint32_t seed);

} // namespace BarPacking
