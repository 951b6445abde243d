#include "cutting/SheetInstance.h"

namespace SheetPacking::Detail {

bool Fits(const TPieceKind& piece, const TStockKind& stock) {
    if (piece.width <= stock.width && piece.height <= stock.height) return true;
    return piece.rotate && piece.height <= stock.width && piece.width <= stock.height;
}

TInstance MakeInstance(const TSheetJob& job) {
    TInstance in;
    std::vector<TStockKind> noneLeft; // sizes listed with a count of 0
    const Length k = job.kerf;
    for (std::size_t i = 0; i < job.stock.size(); ++i) {
        const TStockSheet& s = job.stock[i];
        TStockKind kind;
        kind.index = static_cast<int>(i);
        kind.width = s.width - job.trim.left - job.trim.right + k;
        kind.height = s.height - job.trim.bottom - job.trim.top + k;
        kind.count = s.count;
        kind.cost = s.remnant ? 0.0 : s.cost;
        kind.remnant = s.remnant;
        if (kind.width <= k || kind.height <= k) continue; // the trims leave nothing
        if (s.count == 0)
            noneLeft.push_back(kind);
        else
            in.stock.push_back(kind);
    }
    for (std::size_t i = 0; i < job.pieces.size(); ++i) {
        const TPieceDemand& d = job.pieces[i];
        if (d.count <= 0) continue;
        TPieceKind piece{d.width + k, d.height + k, d.rotate && d.width != d.height};
        bool fits = d.width > 0 && d.height > 0;
        if (fits) {
            fits = false;
            for (const TStockKind& s : in.stock)
                fits = fits || Fits(piece, s);
        }
        if (!fits) {
            bool wouldFit = false;
            for (const TStockKind& s : noneLeft)
                wouldFit = wouldFit || (d.width > 0 && d.height > 0 && Fits(piece, s));
            in.tooLarge.push_back(
                {d.id, d.count, wouldFit ? TUnplacedReason::StockExhausted : TUnplacedReason::LargerThanEveryStock});
            continue;
        }
        // One kind per demand line, so that every placement names its own line.
        in.kinds.push_back(piece);
        in.count.push_back(d.count);
        in.demand.push_back(static_cast<int>(i));
    }
    return in;
}

} // namespace SheetPacking::Detail
