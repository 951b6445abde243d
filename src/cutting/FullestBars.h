#pragma once

#include "cutting/BinCompletion.h"

// A plan that fills the bars one at a time as full as the pieces left allow: each bar takes the
// longest piece left and the subset of the rest that fills its room best (an exact subset sum), the
// longest pieces preferred among equally full ones. After Gupta and Ho's minimum bin slack (1999);
// strong where the pieces can fill bars exactly, as when bars were cut into them.
namespace BarPacking {

// Returns an empty plan when the deadline passes first.
std::vector<Counts> FullestBarsFirst(const TInstance& in, const Counts& counts, Clock::time_point deadline);

} // namespace BarPacking
