#pragma once

#include "cutting/SheetFill.h"
#include "cutting/SheetPacking.h"

#include <vector>

// A sheet job in effective sizes (each length plus one kerf): the piece kinds that fit some stock
// sheet, the stock sheets' usable sizes, and the pieces that fit none.
namespace SheetPacking::Detail {

struct TStockKind {
    int index = 0;    // into the job's stock
    Length width = 0; // effective usable size
    Length height = 0;
    int count = -1;
    double cost = 1;
    bool remnant = false;
};

struct TInstance {
    std::vector<TPieceKind> kinds;
    std::vector<int> count;
    std::vector<int> demand; // the job's piece index of each kind
    std::vector<TStockKind> stock;
    std::vector<TUnplaced> tooLarge;
};

TInstance MakeInstance(const TSheetJob& job);

bool Fits(const TPieceKind& piece, const TStockKind& stock);

// The area bound and, where every sheet has one size, the dual-feasible-function bounds.
int InstanceLowerBound(const TInstance& in);

} // namespace SheetPacking::Detail
