#pragma once

#include "cutting/SheetPacking.h"

#include <vector>

// A guillotine plan of one sheet as a tree: a region is divided by parallel cuts into parts laid
// side by side, each part spans the region across and is divided again the other way. Sizes are
// "effective": every length carries one kerf (a piece w wide takes w + kerf, a sheet's usable width
// U holds parts whose effective widths add up to U + kerf), so the kerf needs no other bookkeeping.
namespace SheetPacking::Detail {

struct TRegion {
    Length width = 0; // effective
    Length height = 0;
    bool alongY = true; // parts laid bottom to top (horizontal cuts) or left to right (vertical cuts)
    std::vector<TRegion> parts;
    int item = -1; // a leaf holding one piece (index into the job's pieces), trimmed out if smaller
    bool rotated = false;
    Length pieceWidth = 0; // effective, as placed
    Length pieceHeight = 0;
};

// Where the tree sits on the sheet and how large its leftovers must be to be kept.
struct TSheetFrame {
    Length left = 0; // the trimmed sheet's lower left corner
    Length bottom = 0;
    Length kerf = 0;
    Length minRemnantWidth = 0;
    Length minRemnantHeight = 0;
};

// The placements, the cuts in saw order (stage by stage) and the kept remnants of a tree.
TSheet ToSheet(const TRegion& root, int stockId, const std::vector<TPieceDemand>& pieces, const TSheetFrame& frame);

// The area of the largest part of the sheet left over (kept or not), in real units.
Length LargestLeftover(const TRegion& root, Length kerf);

// The effective area of the pieces placed in the tree.
Length PlacedArea(const TRegion& root);

} // namespace SheetPacking::Detail
