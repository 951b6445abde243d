#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

// Cutting rectangular pieces from rectangular stock sheets with guillotine cuts only, as a panel saw
// makes them: the fewest sheets (the cheapest mix where costs differ), among those the largest single
// remnant. Lengths are whole units (hundredths of a centimetre, tenths of a millimetre); x runs along
// a sheet's width from its left edge, y along its height from its bottom edge. Nothing here knows
// about texts or windows.
namespace SheetPacking {

using Length = std::int64_t;

struct TPieceDemand {
    int id = 0; // the caller's own number; comes back in every placement
    Length width = 0;
    Length height = 0;
    int count = 1;
    bool rotate = false; // may be turned 90°
};

struct TStockSheet {
    int id = 0; // the caller's own number; comes back in every sheet of the plan
    Length width = 0;
    Length height = 0;
    int count = -1;       // sheets to be had; -1 for as many as needed
    double cost = 1;      // of one sheet
    bool remnant = false; // a kept remnant: costs nothing and is used before new stock
};

struct TTrim {
    Length left = 0;
    Length right = 0;
    Length bottom = 0;
    Length top = 0;
};

struct TSheetJob {
    std::vector<TStockSheet> stock;
    std::vector<TPieceDemand> pieces;
    Length kerf = 0;
    TTrim trim;      // cut off each edge of every sheet before the pieces
    int stages = 3;  // 2, 3, or 0 for unlimited; a last trimming cut may free a piece from its strip
    Length minRemnantWidth = 0; // a remnant at least this wide and high is kept
    Length minRemnantHeight = 0;
    std::chrono::milliseconds limit{1000};
};

struct TPlacement {
    int piece = 0; // TPieceDemand::id
    Length x = 0;
    Length y = 0;
    Length width = 0; // as placed, after turning
    Length height = 0;
    bool rotated = false;
};

// One cut, edge to edge of the part of the sheet it divides, in the order the saw makes it.
struct TCut {
    int stage = 1; // 1 for the cuts across the whole (trimmed) sheet, 2 for the strips' cuts, …
    Length x1 = 0;
    Length y1 = 0;
    Length x2 = 0;
    Length y2 = 0;
};

struct TRemnant {
    Length x = 0;
    Length y = 0;
    Length width = 0;
    Length height = 0;
};

struct TSheet {
    int stock = 0; // TStockSheet::id
    std::vector<TPlacement> pieces;
    std::vector<TCut> cuts;         // numbered in this order on the plan
    std::vector<TRemnant> remnants; // parts of the sheet worth keeping
};

enum class TUnplacedReason {
    LargerThanEveryStock, // fits no stock sheet, turned or not
    StockExhausted,       // every sheet it fits is used up
};

struct TUnplaced {
    int piece = 0; // TPieceDemand::id
    int count = 0;
    TUnplacedReason reason = TUnplacedReason::LargerThanEveryStock;
};

struct TSheetPlan {
    std::vector<TSheet> sheets;
    std::vector<TUnplaced> unplaced;
    int lowerBound = 0;  // no plan of the placed pieces uses fewer sheets
    bool proven = false; // the plan is optimal: fewest sheets, and cheapest where costs differ
    double cost = 0;
    double seconds = 0;
};

// The plan for the job; stops at the job's time limit with the best plan found, sooner when proven.
TSheetPlan Pack(const TSheetJob& job);

// A bound on the sheets of any plan for the pieces that fit some stock.
int LowerBound(const TSheetJob& job);

} // namespace SheetPacking
