#pragma once

#include "cutting/BarInstance.h"

#include <cstdint>

// The most valuable pattern of one bar: a bounded knapsack over the distinct sizes (at most `bound[i]`
// pieces of size i), used to price the patterns of the pattern bound and to check its dual solution.
namespace BarPacking {

struct TPricing {
    double value = 0;              // of the best pattern found
    Counts take;                   // that pattern
    std::vector<Counts> improving; // patterns found on the way worth more than the threshold, best last
    bool exact = true;             // false when the node limit stopped the search
};

// Branch and bound in floating point, for pricing: stops after `nodeLimit` nodes with the best so far.
TPricing PricePattern(const std::vector<Length>& size, const std::vector<double>& value, const Counts& bound,
                      Length capacity, double threshold, long nodeLimit);

// The exact largest Σ value[i]·a[i] of any pattern, in whole numbers: branch and bound, or dynamic
// programming over the capacity when that runs long.
std::int64_t MaxPatternValue(const std::vector<Length>& size, const std::vector<std::int64_t>& value,
                             const Counts& bound, Length capacity);

} // namespace BarPacking
