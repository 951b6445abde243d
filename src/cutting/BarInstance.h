#pragma once

#include "cutting/BarPacking.h"

#include <vector>

// One kind's demand as bin packing: each piece takes its length plus one kerf, a bar holds its
// usable length plus one kerf (the last piece needs none). Shared by the bounds and the searches.
namespace BarPacking {

using Counts = std::vector<int>; // pieces of each distinct size, in the instance's order

struct TInstance {
    std::vector<Length> size;  // distinct, longest first
    std::vector<Length> piece; // the piece as cut, same order
    Counts count;
    Length capacity = 0;
};

TInstance MakeInstance(const std::vector<TDemand>& demand, const TBarStock& stock);

inline Length CeilDiv(Length a, Length b) {
    return a <= 0 ? 0 : (a + b - 1) / b;
}

inline int PieceCount(const Counts& counts) {
    int total = 0;
    for (int c : counts)
        total += c;
    return total;
}

} // namespace BarPacking
