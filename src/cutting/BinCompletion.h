#pragma once

#include "cutting/BarInstance.h"

#include <chrono>

// The exact search for the fewest bars: bin completion after Korf (docs/CUTTING_PLAN.md).
namespace BarPacking {

using Clock = std::chrono::steady_clock;

struct TCompletionResult {
    std::vector<Counts> best; // one entry per bar
    bool timedOut = false;
    bool exhaustive = false; // searched to the end: no plan with fewer bars exists
    long long nodes = 0;
};

// Searches for a plan of the instance's counts with fewer bars than `incumbent`; stops when a plan
// meets `rootBound` (a valid lower bound) or at the deadline.
TCompletionResult SearchBinCompletion(const TInstance& in, std::vector<Counts> incumbent, int rootBound,
                                      Clock::time_point deadline);

} // namespace BarPacking
