#include "cutting/SheetFill.h"

namespace SheetPacking::Detail {

namespace {

struct TChoice {
    int kind = -1;
    bool rotated = false;
    Length along = 0;  // the piece's size along the region's axis
    Length across = 0; // and across it
};

class TFiller {
public:
    TFiller(const std::vector<TPieceKind>& kinds, std::vector<int>& left, const TFillRules& rules)
        : kinds_(kinds), left_(left), rules_(rules) {}

    // Parts laid along one axis of a w × h region, each filled with `stagesLeft` - 1 stages below.
    TRegion fill(Length w, Length h, bool alongY, int stagesLeft) {
        TRegion region;
        region.width = w;
        region.height = h;
        region.alongY = alongY;
        const Length extent = alongY ? h : w;
        const Length across = alongY ? w : h;
        Length used = 0;
        while (true) {
            const TChoice choice = pick(extent - used, across, alongY, stagesLeft, true);
            if (choice.kind < 0) break;
            region.parts.push_back(part(choice, across, alongY, stagesLeft));
            used += choice.along;
        }
        return region;
    }

private:
    TRegion part(const TChoice& choice, Length across, bool alongY, int stagesLeft) {
        --left_[static_cast<std::size_t>(choice.kind)];
        return placedPart(choice, across, alongY, stagesLeft);
    }

    TRegion subFill(Length w, Length h, bool alongY, int stagesLeft, const TChoice& leader) {
        TRegion region;
        region.width = w;
        region.height = h;
        region.alongY = alongY;
        const Length extent = alongY ? h : w;
        const Length across = alongY ? w : h;
        // The leader is already counted: place it, then fill the rest.
        region.parts.push_back(placedPart(leader, across, alongY, stagesLeft));
        Length used = leader.along;
        while (true) {
            const TChoice choice = pick(extent - used, across, alongY, stagesLeft, false);
            if (choice.kind < 0) break;
            region.parts.push_back(part(choice, across, alongY, stagesLeft));
            used += choice.along;
        }
        return region;
    }

    // A part for a piece already taken from `left`.
    TRegion placedPart(const TChoice& choice, Length across, bool alongY, int stagesLeft) {
        const Length w = alongY ? across : choice.along;
        const Length h = alongY ? choice.along : across;
        if (stagesLeft <= 1 || choice.across == across) return leaf(choice, w, h, alongY);
        TChoice turned{choice.kind, choice.rotated, choice.across, choice.along};
        return subFill(w, h, !alongY, stagesLeft - 1, turned);
    }

    TRegion leaf(const TChoice& choice, Length w, Length h, bool alongY) {
        TRegion r;
        r.width = w;
        r.height = h;
        r.item = choice.kind;
        r.rotated = choice.rotated;
        r.pieceWidth = alongY ? choice.across : choice.along;
        r.pieceHeight = alongY ? choice.along : choice.across;
        return r;
    }

    // The piece to lead the next part: it must fit the space left along the axis and the region
    // across. The first stage takes the tallest (or largest) piece, the stages below the largest,
    // each weighted by its kind's weight.
    TChoice pick(Length space, Length across, bool alongY, int stagesLeft, bool isRoot) const {
        TChoice best;
        double bestScore = -1;
        for (std::size_t k = 0; k < kinds_.size(); ++k) {
            if (left_[k] <= 0) continue;
            const TPieceKind& kind = kinds_[k];
            for (int turn = 0; turn < (kind.rotate && kind.width != kind.height ? 2 : 1); ++turn) {
                const Length pw = turn ? kind.height : kind.width;
                const Length ph = turn ? kind.width : kind.height;
                const Length along = alongY ? ph : pw;
                const Length acr = alongY ? pw : ph;
                if (along > space || acr > across) continue;
                double score;
                if (isRoot && rules_.leadByHeight)
                    score = static_cast<double>(along) * 1e6 + static_cast<double>(acr);
                else {
                    // The largest piece, and of two as large the one that fills the part across.
                    const double fill = static_cast<double>(acr) / static_cast<double>(across);
                    score = static_cast<double>(along) * static_cast<double>(acr) *
                            (stagesLeft <= 1 ? fill : 0.5 + 0.5 * fill);
                }
                score *= rules_.weight.empty() ? 1.0 : rules_.weight[k];
                if (score > bestScore) {
                    bestScore = score;
                    best = {static_cast<int>(k), turn == 1, along, acr};
                }
            }
        }
        return best;
    }

    const std::vector<TPieceKind>& kinds_;
    std::vector<int>& left_;
    const TFillRules& rules_;
};

} // namespace

TRegion FillSheet(Length width, Length height, const std::vector<TPieceKind>& kinds, std::vector<int>& left,
                  const TFillRules& rules) {
    TFiller filler(kinds, left, rules);
    return filler.fill(width, height, rules.stripsAlongY, rules.stages);
}

} // namespace SheetPacking::Detail
