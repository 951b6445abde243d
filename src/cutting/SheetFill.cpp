#include "cutting/SheetFill.h"

#include <algorithm>

namespace SheetPacking::Detail {

namespace {

struct TChoice {
    int kind = -1;
    bool rotated = false;
    Length along = 0;  // the piece's size along the region's axis
    Length across = 0; // and across it
    double score = 0;
};

class TFiller {
public:
    TFiller(const std::vector<TPieceKind>& kinds, std::vector<int>& left, const TFillRules& rules)
        : kinds_(kinds), left_(left), rules_(rules) {}

    // Parts laid along one axis of a w × h region, each divided the other way by the stages below;
    // `leader`, when given, is already taken from `left` and leads the first part.
    TRegion fill(Length w, Length h, bool alongY, int stagesLeft, const TChoice* leader, int lookahead, bool isRoot) {
        TRegion region;
        region.width = w;
        region.height = h;
        region.alongY = alongY;
        const Length extent = alongY ? h : w;
        const Length across = alongY ? w : h;
        Length used = 0;
        if (leader) {
            region.parts.push_back(part(*leader, across, alongY, stagesLeft, lookahead));
            used += leader->along;
        }
        while (true) {
            std::vector<TChoice> choices = candidates(extent - used, across, alongY, stagesLeft, isRoot);
            if (choices.empty()) break;
            if (lookahead > 0 && std::chrono::steady_clock::now() > rules_.hurryAt) lookahead = 0;
            if (lookahead <= 0 || choices.size() == 1) {
                const TChoice& c = choices.front();
                --left_[static_cast<std::size_t>(c.kind)];
                region.parts.push_back(part(c, across, alongY, stagesLeft, 0));
                used += c.along;
                continue;
            }
            // Look one part ahead: build the part for each of the best few leaders and keep the
            // one that fills its part best (the longer of two as good).
            const std::size_t tries = std::min<std::size_t>(choices.size(), rules_.lookaheadWidth);
            const std::vector<int> before = left_;
            double bestDensity = -1;
            TRegion bestPart;
            std::vector<int> bestLeft;
            Length bestAlong = 0;
            for (std::size_t i = 0; i < tries; ++i) {
                const TChoice& c = choices[i];
                left_ = before;
                --left_[static_cast<std::size_t>(c.kind)];
                TRegion candidate = part(c, across, alongY, stagesLeft, lookahead - 1);
                const double density = static_cast<double>(PlacedArea(candidate)) /
                                       (static_cast<double>(c.along) * static_cast<double>(across));
                if (density > bestDensity + 1e-12 || (density > bestDensity - 1e-12 && c.along > bestAlong)) {
                    bestDensity = density;
                    bestPart = std::move(candidate);
                    bestLeft = left_;
                    bestAlong = c.along;
                }
            }
            left_ = std::move(bestLeft);
            region.parts.push_back(std::move(bestPart));
            used += bestAlong;
        }
        return region;
    }

private:
    // The part led by a piece already taken from `left`: the piece alone where it fills the part
    // across or no stage is left, else the part divided the other way.
    TRegion part(const TChoice& choice, Length across, bool alongY, int stagesLeft, int lookahead) {
        const Length w = alongY ? across : choice.along;
        const Length h = alongY ? choice.along : across;
        if (stagesLeft <= 1 || choice.across == across) return leaf(choice, w, h, alongY);
        const TChoice turned{choice.kind, choice.rotated, choice.across, choice.along, 0};
        return fill(w, h, !alongY, stagesLeft - 1, &turned, lookahead, false);
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

    // The pieces that may lead the next part, best first: each must fit the space left along the
    // axis and the region across. The first stage prefers the tallest (or largest) piece, the
    // stages below the largest that fills its part across, each weighted by its kind's weight.
    std::vector<TChoice> candidates(Length space, Length across, bool alongY, int stagesLeft, bool isRoot) const {
        std::vector<TChoice> result;
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
                if (isRoot && rules_.leadByHeight) {
                    score = static_cast<double>(along) * 1e6 + static_cast<double>(acr);
                } else {
                    const double fill = static_cast<double>(acr) / static_cast<double>(across);
                    score = static_cast<double>(along) * static_cast<double>(acr) *
                            (stagesLeft <= 1 ? fill : 0.5 + 0.5 * fill);
                }
                // A piece that fills the part exactly, across or to its end, leaves no waste.
                if (acr == across) score *= 1.0 + rules_.exactBonus;
                if (along == space) score *= 1.0 + rules_.exactBonus;
                score *= rules_.weight.empty() ? 1.0 : rules_.weight[k];
                result.push_back({static_cast<int>(k), turn == 1, along, acr, score});
            }
        }
        std::sort(result.begin(), result.end(), [](const TChoice& a, const TChoice& b) { return a.score > b.score; });
        return result;
    }

    const std::vector<TPieceKind>& kinds_;
    std::vector<int>& left_;
    const TFillRules& rules_;
};

} // namespace

TRegion FillSheet(Length width, Length height, const std::vector<TPieceKind>& kinds, std::vector<int>& left,
                  const TFillRules& rules) {
    TFiller filler(kinds, left, rules);
    return filler.fill(width, height, rules.stripsAlongY, rules.stages, nullptr, rules.lookahead, true);
}

} // namespace SheetPacking::Detail
