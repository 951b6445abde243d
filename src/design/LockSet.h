#pragma once

#include "model/NumberText.h"

#include <QString>

#include <functional>

// The rule the three editors share for their entries 1..count (door widths, division sizes, split
// parts): an entry is either typed by the operator (locked) or computed (free); the last free entry
// cannot be locked, and what the locked entries leave of the total is shared equally over the free
// ones. Each editor keeps its own lists and its own moments of filling.
namespace LockSet {

// Whether locking `entry` still leaves another of the entries 1..count free.
inline bool leavesOneFree(int entry, int count, const std::function<bool(int)>& isLocked) {
    for (int other = 1; other <= count; ++other)
        if (other != entry && !isLocked(other)) return true;
    return false;
}

// The sum of the locked entries' sizes, read in the order the entries were locked.
template <typename Entries, typename SizeOf> double lockedSum(const Entries& locked, SizeOf sizeOf) {
    double sum = 0;
    for (const auto& entry : locked)
        sum += NumberText::toFloat(sizeOf(entry));
    return sum;
}

// One free entry's share of the rest, in the form every computed size takes.
inline QString share(double rest, qsizetype freeCount) {
    return NumberText::round2Text(rest / freeCount);
}

} // namespace LockSet
