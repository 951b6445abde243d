#pragma once

#include "cutting/SheetFill.h"

#include <chrono>

// Tiling a sheet exactly, without waste, with every piece (fixed orientation): a depth-first search
// that puts a piece in the corner of the smallest open rectangle and divides the rest of it by one of
// the two guillotine cuts along the piece's edges. For pieces that were cut from one sheet.
namespace SheetPacking::Detail {

bool TileExactly(Length width, Length height, const std::vector<TPieceKind>& kinds, const std::vector<int>& count,
                 std::chrono::steady_clock::time_point deadline, TRegion& result);

} // namespace SheetPacking::Detail
