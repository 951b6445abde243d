#pragma once

#include "cutting/BarInstance.h"

// The quick lower bounds on the bars of one kind, valid for any remaining counts: the continuous
// bound, Martello and Toth's L2, the count bound and Fekete and Schepers' dual feasible functions.
namespace BarPacking {

int BoundL2(const std::vector<Length>& size, const Counts& count, Length capacity);
int BoundDff(const std::vector<Length>& size, const Counts& count, Length capacity);
inline int SimpleBound(const std::vector<Length>& size, const Counts& count, Length capacity) {
    const int l2 = BoundL2(size, count, capacity);
    const int dff = BoundDff(size, count, capacity);
    return l2 > dff ? l2 : dff;
}

} // namespace BarPacking
