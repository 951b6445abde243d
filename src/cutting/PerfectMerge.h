#pragma once

#include "cutting/SheetFill.h"

#include <chrono>
#include <random>

// Finding a one-sheet plan by undoing the saw: two pieces (or blocks of pieces) that share a whole
// edge are joined into a block, again and again, until one block holds every piece and fits the
// sheet. In a guillotine plan without waste the last cut always separates two such neighbours, so
// the joins of some order rebuild it; random orders with a preference for joins that reach the
// sheet's own sizes find it often. Fixed orientation.
namespace SheetPacking::Detail {

// A tree for a sheet of the effective size holding every piece of `count`, or false when no join
// order tried before `deadline` gets there.
bool MergeIntoOneSheet(Length width, Length height, int stages, const std::vector<TPieceKind>& kinds,
                       const std::vector<int>& count, std::mt19937& rng, std::chrono::steady_clock::time_point deadline,
                       TRegion& result);

} // namespace SheetPacking::Detail
