#pragma once

#include "cutting/BinCompletion.h"

// A plan with a given number of bars, searched under the wasted-space budget: with B bars the room
// left over in all bars together is B × C − Σ sizes, so where that is small (pieces that fill their
// bars exactly) almost every bar must be full, and the search prunes on it (docs/CUTTING_PLAN.md).
namespace BarPacking {

struct TBudgetResult {
    std::vector<Counts> plan; // empty unless found
    bool found = false;
    bool exhausted = false; // searched to the end without a plan: more bars than `bars` are needed
    bool timedOut = false;
    long long nodes = 0;
};

// The room all `bars` bars would leave over for the instance's pieces, or −1 when they cannot hold them.
Length WasteBudget(const TInstance& in, int bars);

TBudgetResult SearchWithinBudget(const TInstance& in, int bars, Clock::time_point deadline);

} // namespace BarPacking
