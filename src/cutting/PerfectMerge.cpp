#include "cutting/PerfectMerge.h"

#include <algorithm>
#include <unordered_map>

namespace SheetPacking::Detail {

namespace {

// The stages a tree needs: one per change of direction from the root down.
int stagesOf(const TRegion& region) {
    if (region.item >= 0) return 0;
    int deepest = 0;
    for (const TRegion& part : region.parts) {
        int below = stagesOf(part);
        if (part.item < 0 && part.alongY == region.alongY) --below; // same direction: same stage
        deepest = std::max(deepest, below);
    }
    return deepest + 1;
}

TRegion join(TRegion a, TRegion b, bool alongY) {
    TRegion block;
    block.alongY = alongY;
    block.width = alongY ? a.width : a.width + b.width;
    block.height = alongY ? a.height + b.height : a.height;
    for (TRegion* side : {&a, &b}) {
        if (side->item < 0 && side->alongY == alongY)
            for (TRegion& part : side->parts)
                block.parts.push_back(std::move(part));
        else
            block.parts.push_back(std::move(*side));
    }
    return block;
}

// The block placed in the corner of the sheet, the rest left over at the ends of its parts.
TRegion onSheet(TRegion block, Length width, Length height) {
    if (block.width != width) {
        if (block.item < 0 && !block.alongY) {
            block.width = width;
        } else {
            TRegion strip;
            strip.alongY = false;
            strip.width = width;
            strip.height = block.height;
            strip.parts.push_back(std::move(block));
            block = std::move(strip);
        }
    }
    if (block.height != height) {
        if (block.item < 0 && block.alongY) {
            block.height = height;
        } else {
            TRegion sheet;
            sheet.alongY = true;
            sheet.width = width;
            sheet.height = height;
            sheet.parts.push_back(std::move(block));
            block = std::move(sheet);
        }
    }
    return block;
}

struct TJoin {
    double score = 0;
    std::size_t a = 0, b = 0;
    bool alongY = true;
};

bool attempt(Length width, Length height, std::vector<TRegion> blocks, std::mt19937& rng, double randomness,
             TRegion& result) {
    std::uniform_real_distribution<double> noise(0.0, randomness);
    std::vector<TJoin> joins;
    while (blocks.size() > 1) {
        std::unordered_map<Length, int> widths, heights;
        for (const TRegion& b : blocks) {
            ++widths[b.width];
            ++heights[b.height];
        }
        joins.clear();
        for (int alongY = 0; alongY < 2; ++alongY) {
            std::unordered_map<Length, std::vector<std::size_t>> groups;
            for (std::size_t i = 0; i < blocks.size(); ++i)
                groups[alongY ? blocks[i].width : blocks[i].height].push_back(i);
            for (const auto& [shared, members] : groups) {
                if (members.size() < 2) continue;
                for (std::size_t x = 0; x < members.size(); ++x)
                    for (std::size_t y = x + 1; y < members.size() && y < x + 12; ++y) {
                        const TRegion& a = blocks[members[x]];
                        const TRegion& b = blocks[members[y]];
                        const Length length = alongY ? a.height + b.height : a.width + b.width;
                        if (length > (alongY ? height : width)) continue;
                        // A join that reaches the sheet's size, or another block's, can go on.
                        double score = 1 + noise(rng);
                        if (length == (alongY ? height : width)) score += 2;
                        const auto& others = alongY ? heights : widths;
                        const auto found = others.find(length);
                        if (found != others.end() && found->second > 0) score += 1;
                        joins.push_back({score, members[x], members[y], alongY == 1});
                    }
            }
        }
        std::partial_sort(joins.begin(),
                          joins.begin() + std::min<std::ptrdiff_t>(1, static_cast<std::ptrdiff_t>(joins.size())),
                          joins.end(), [](const TJoin& p, const TJoin& q) { return p.score > q.score; });
        if (joins.empty()) return false;
        const TJoin* chosen = &joins.front();
        std::size_t first = chosen->a, second = chosen->b;
        // Which of the two lies first does not matter to the saw; keep the order random.
        if (rng() % 2) std::swap(first, second);
        TRegion joined = join(std::move(blocks[first]), std::move(blocks[second]), chosen->alongY);
        blocks.erase(blocks.begin() + static_cast<long>(std::max(first, second)));
        blocks.erase(blocks.begin() + static_cast<long>(std::min(first, second)));
        blocks.push_back(std::move(joined));
    }
    if (blocks.empty() || blocks.front().width > width || blocks.front().height > height) return false;
    result = onSheet(std::move(blocks.front()), width, height);
    return true;
}

} // namespace

bool MergeIntoOneSheet(Length width, Length height, int stages, const std::vector<TPieceKind>& kinds,
                       const std::vector<int>& count, std::mt19937& rng, std::chrono::steady_clock::time_point deadline,
                       TRegion& result) {
    std::vector<TRegion> pieces;
    for (std::size_t k = 0; k < kinds.size(); ++k)
        for (int i = 0; i < count[k]; ++i) {
            TRegion leaf;
            leaf.item = static_cast<int>(k);
            leaf.width = leaf.pieceWidth = kinds[k].width;
            leaf.height = leaf.pieceHeight = kinds[k].height;
            pieces.push_back(leaf);
        }
    if (pieces.empty() || pieces.size() > 2000) return false;
    for (int round = 0; std::chrono::steady_clock::now() < deadline; ++round) {
        TRegion tree;
        std::shuffle(pieces.begin(), pieces.end(), rng);
        if (attempt(width, height, pieces, rng, round == 0 ? 0.01 : 0.5 + 0.1 * (round % 20), tree) &&
            (stages <= 0 || stagesOf(tree) <= stages)) {
            result = std::move(tree);
            return true;
        }
    }
    return false;
}

} // namespace SheetPacking::Detail
