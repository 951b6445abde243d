#include "cutting/GuillotineTree.h"

#include <algorithm>

namespace SheetPacking::Detail {

namespace {

struct TOrderedCut {
    TCut cut;
    int sequence = 0;
};

bool keptSize(Length w, Length h, const TSheetFrame& frame) {
    if (w <= 0 || h <= 0) return false;
    const bool upright = w >= frame.minRemnantWidth && h >= frame.minRemnantHeight;
    const bool turned = h >= frame.minRemnantWidth && w >= frame.minRemnantHeight;
    return upright || turned;
}

class TSheetWriter {
public:
    TSheetWriter(const std::vector<TPieceDemand>& pieces, const TSheetFrame& frame) : pieces_(pieces), frame_(frame) {}

    void write(const TRegion& region, Length x, Length y, int depth) {
        const Length k = frame_.kerf;
        if (region.item >= 0) {
            writeLeaf(region, x, y, depth);
            return;
        }
        const Length regionEnd = (region.alongY ? y + region.height : x + region.width) - k; // real
        Length pos = region.alongY ? y : x;
        for (const TRegion& part : region.parts) {
            write(part, region.alongY ? x : pos, region.alongY ? pos : y, depth + 1);
            pos += region.alongY ? part.height : part.width;
            const Length partEnd = pos - k;
            if (partEnd < regionEnd) addCut(region, x, y, partEnd, depth + 1);
        }
        if (pos < regionEnd) {
            if (region.alongY)
                addLeftover(x, pos, region.width - k, regionEnd - pos);
            else
                addLeftover(pos, y, regionEnd - pos, region.height - k);
        }
    }

    TSheet finish(int stockId) {
        std::stable_sort(cuts_.begin(), cuts_.end(), [](const TOrderedCut& a, const TOrderedCut& b) {
            return a.cut.stage < b.cut.stage || (a.cut.stage == b.cut.stage && a.sequence < b.sequence);
        });
        sheet_.stock = stockId;
        for (const TOrderedCut& c : cuts_)
            sheet_.cuts.push_back(c.cut);
        std::stable_sort(sheet_.remnants.begin(), sheet_.remnants.end(),
                         [](const TRemnant& a, const TRemnant& b) { return a.width * a.height > b.width * b.height; });
        return sheet_;
    }

private:
    void writeLeaf(const TRegion& leaf, Length x, Length y, int depth) {
        const Length k = frame_.kerf;
        TPlacement p;
        p.piece = pieces_[static_cast<std::size_t>(leaf.item)].id;
        p.x = x;
        p.y = y;
        p.width = leaf.pieceWidth - k;
        p.height = leaf.pieceHeight - k;
        p.rotated = leaf.rotated;
        sheet_.pieces.push_back(p);
        // The trimming cut that frees the piece from the rest of its part.
        if (leaf.pieceWidth < leaf.width) {
            const Length cutX = x + p.width;
            cuts_.push_back({{depth + 1, cutX, y, cutX, y + leaf.height - k}, sequence_++});
            addLeftover(cutX + k, y, leaf.width - leaf.pieceWidth - k, leaf.height - k);
        }
        if (leaf.pieceHeight < leaf.height) {
            const Length cutY = y + p.height;
            const Length across = leaf.pieceWidth < leaf.width ? p.width : leaf.width - k;
            cuts_.push_back({{depth + 1, x, cutY, x + across, cutY}, sequence_++});
            addLeftover(x, cutY + k, across, leaf.height - leaf.pieceHeight - k);
        }
    }

    void addCut(const TRegion& region, Length x, Length y, Length at, int stage) {
        const Length k = frame_.kerf;
        if (region.alongY)
            cuts_.push_back({{stage, x, at, x + region.width - k, at}, sequence_++});
        else
            cuts_.push_back({{stage, at, y, at, y + region.height - k}, sequence_++});
    }

    void addLeftover(Length x, Length y, Length w, Length h) {
        if (keptSize(w, h, frame_)) sheet_.remnants.push_back({x, y, w, h});
    }

    const std::vector<TPieceDemand>& pieces_;
    const TSheetFrame& frame_;
    std::vector<TOrderedCut> cuts_;
    int sequence_ = 0;
    TSheet sheet_;
};

void largestLeftover(const TRegion& region, Length kerf, Length& best) {
    if (region.item >= 0) {
        const Length w = region.width - region.pieceWidth - kerf;
        const Length h = region.height - region.pieceHeight - kerf;
        if (w > 0) best = std::max(best, w * (region.height - kerf));
        if (h > 0) best = std::max(best, h * (region.width - kerf));
        return;
    }
    Length used = 0;
    for (const TRegion& part : region.parts) {
        largestLeftover(part, kerf, best);
        used += region.alongY ? part.height : part.width;
    }
    const Length left = (region.alongY ? region.height : region.width) - used - kerf;
    if (left > 0) best = std::max(best, left * ((region.alongY ? region.width : region.height) - kerf));
}

} // namespace

TSheet ToSheet(const TRegion& root, int stockId, const std::vector<TPieceDemand>& pieces, const TSheetFrame& frame) {
    TSheetWriter writer(pieces, frame);
    writer.write(root, frame.left, frame.bottom, 0);
    return writer.finish(stockId);
}

Length LargestLeftover(const TRegion& root, Length kerf) {
    Length best = 0;
    largestLeftover(root, kerf, best);
    return best;
}

Length PlacedArea(const TRegion& root) {
    if (root.item >= 0) return root.pieceWidth * root.pieceHeight;
    Length area = 0;
    for (const TRegion& part : root.parts)
        area += PlacedArea(part);
    return area;
}

} // namespace SheetPacking::Detail
