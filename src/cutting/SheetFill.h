#pragma once

#include "cutting/GuillotineTree.h"

#include <chrono>
#include <vector>

// Filling one sheet greedily with guillotine parts: the first stage lays strips, each strip is
// filled with stacks, each stack with pieces, down to the stage limit (the last stage's pieces are
// trimmed out of their part). Which piece leads a part is steered by one weight per piece kind, so
// that repeated fills with varied weights give varied plans.
namespace SheetPacking::Detail {

struct TPieceKind {
    Length width = 0; // effective
    Length height = 0;
    bool rotate = false;
};

struct TFillRules {
    int stages = 3;           // 2, 3, …; a large number for unlimited
    bool stripsAlongY = true; // the first stage's parts laid bottom to top
    bool leadByHeight = true; // a strip is led by its tallest piece, else by its largest
    int lookahead = 0;        // levels at which the best few leaders are each tried out
    std::size_t lookaheadWidth = 8;
    // Past this time the fill looks no further ahead, so that it ends soon after.
    std::chrono::steady_clock::time_point hurryAt = std::chrono::steady_clock::time_point::max();
    double exactBonus = 0;      // how much more a piece that fits its part exactly is worth
    std::vector<double> weight; // per piece kind, around 1
};

// Fills a sheet of the effective size from `left` (pieces still to place, per kind), taking what
// it places from `left`.
TRegion FillSheet(Length width, Length height, const std::vector<TPieceKind>& kinds, std::vector<int>& left,
                  const TFillRules& rules);

} // namespace SheetPacking::Detail
