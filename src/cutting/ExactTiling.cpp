#include "cutting/ExactTiling.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>

namespace SheetPacking::Detail {

namespace {

using Clock = std::chrono::steady_clock;

// How an open rectangle was filled: a piece in its corner and the rectangles the rest became.
struct TFilled {
    Length width = 0, height = 0;
    int kind = -1;
    Length pieceWidth = 0, pieceHeight = 0;
    bool rightFirst = true;   // the cut along the piece's top edge first (else along its right edge)
    int right = -1, top = -1; // indices of the rectangles to the right of and above the piece
};

struct TSize {
    Length w, h;
    int kind;
};

class TTiler {
public:
    TTiler(const std::vector<TPieceKind>& kinds, const std::vector<int>& count, Clock::time_point deadline)
        : deadline_(deadline) {
        std::map<std::pair<Length, Length>, int> merged;
        for (std::size_t k = 0; k < kinds.size(); ++k) {
            if (count[k] <= 0) continue;
            const auto key = std::make_pair(kinds[k].width, kinds[k].height);
            const auto found = merged.find(key);
            if (found == merged.end()) {
                merged[key] = static_cast<int>(sizes_.size());
                sizes_.push_back({kinds[k].width, kinds[k].height, static_cast<int>(k)});
                left_.push_back(count[k]);
                lines_.push_back({{static_cast<int>(k), count[k]}});
            } else {
                left_[static_cast<std::size_t>(found->second)] += count[k];
                lines_[static_cast<std::size_t>(found->second)].push_back({static_cast<int>(k), count[k]});
            }
        }
        // Larger pieces first: they have the fewest places.
        order_.resize(sizes_.size());
        for (std::size_t i = 0; i < order_.size(); ++i)
            order_[i] = i;
        std::sort(order_.begin(), order_.end(),
                  [&](std::size_t a, std::size_t b) { return sizes_[a].w * sizes_[a].h > sizes_[b].w * sizes_[b].h; });
    }

    bool solve(Length width, Length height) {
        rects_.push_back({width, height});
        open_.push_back(0);
        return search();
    }

    TRegion tree() {
        std::vector<std::vector<std::pair<int, int>>> lines = lines_;
        return build(0, lines);
    }

private:
    bool search() {
        if (open_.empty()) return true;
        if (++nodes_ % 256 == 0 && Clock::now() > deadline_) return false;
        if (!sidesReachable()) return false;
        // The open rectangle with the fewest pieces that fit it.
        std::size_t pick = 0;
        int fewest = -1;
        for (std::size_t i = 0; i < open_.size(); ++i) {
            const TFilled& r = rects_[static_cast<std::size_t>(open_[i])];
            int fitting = 0;
            for (std::size_t s = 0; s < sizes_.size(); ++s)
                if (left_[s] > 0 && sizes_[s].w <= r.width && sizes_[s].h <= r.height) ++fitting;
            if (fitting == 0) return false;
            if (fewest < 0 || fitting < fewest) {
                fewest = fitting;
                pick = i;
            }
        }
        const int index = open_[pick];
        open_.erase(open_.begin() + static_cast<long>(pick));
        // Pieces that fill the rectangle across one side leave one rectangle, not two: first.
        std::vector<std::size_t> candidates;
        const Length rw = rects_[static_cast<std::size_t>(index)].width;
        const Length rh = rects_[static_cast<std::size_t>(index)].height;
        for (int exact = 2; exact >= 0; --exact)
            for (std::size_t s : order_)
                if (left_[s] > 0 && sizes_[s].w <= rw && sizes_[s].h <= rh &&
                    (sizes_[s].w == rw) + (sizes_[s].h == rh) == exact)
                    candidates.push_back(s);
        for (std::size_t s : candidates) {
            if (left_[s] <= 0) continue;
            const Length w = rects_[static_cast<std::size_t>(index)].width;
            const Length h = rects_[static_cast<std::size_t>(index)].height;
            const TSize& size = sizes_[s];
            if (size.w > w || size.h > h) continue;
            --left_[s];
            for (int way = 0; way < (size.w < w && size.h < h ? 2 : 1); ++way) {
                const std::size_t mark = rects_.size();
                TFilled& r = rects_[static_cast<std::size_t>(index)];
                r.kind = static_cast<int>(s);
                r.pieceWidth = size.w;
                r.pieceHeight = size.h;
                r.rightFirst = way == 0;
                r.right = r.top = -1;
                // The cut along the top edge first: the strip right of the piece is as high as the
                // piece and the part above spans the whole width; the other way round otherwise.
                const Length rightW = w - size.w, rightH = way == 0 ? size.h : h;
                const Length topW = way == 0 ? w : size.w, topH = h - size.h;
                if (rightW > 0) {
                    rects_[static_cast<std::size_t>(index)].right = static_cast<int>(rects_.size());
                    rects_.push_back({rightW, rightH});
                    open_.push_back(static_cast<int>(rects_.size() - 1));
                }
                if (topH > 0) {
                    rects_[static_cast<std::size_t>(index)].top = static_cast<int>(rects_.size());
                    rects_.push_back({topW, topH});
                    open_.push_back(static_cast<int>(rects_.size() - 1));
                }
                if (search()) return true;
                while (rects_.size() > mark) {
                    open_.erase(std::find(open_.begin(), open_.end(), static_cast<int>(rects_.size() - 1)));
                    rects_.pop_back();
                }
                if (Clock::now() > deadline_) break;
            }
            ++left_[s];
            if (Clock::now() > deadline_) break;
        }
        open_.insert(open_.begin() + static_cast<long>(pick), index);
        return false;
    }

    // Every open rectangle's bottom edge is covered by pieces whose widths add up to its width, its
    // left edge by heights adding up to its height: both sums must be within reach of the pieces left.
    bool sidesReachable() const {
        Length longest = 0;
        for (int i : open_)
            longest = std::max(
                {longest, rects_[static_cast<std::size_t>(i)].width, rects_[static_cast<std::size_t>(i)].height});
        if (longest > 8192) return true; // too long to be worth the check
        const std::size_t words = static_cast<std::size_t>(longest / 64 + 1);
        std::vector<std::uint64_t> widths(words, 0), heights(words, 0);
        widths[0] = heights[0] = 1;
        const auto add = [&](std::vector<std::uint64_t>& bits, Length size) {
            if (size > longest) return;
            const std::size_t wordShift = static_cast<std::size_t>(size / 64);
            const int bitShift = static_cast<int>(size % 64);
            for (std::size_t i = words; i-- > wordShift;) {
                std::uint64_t moved = bits[i - wordShift] << bitShift;
                if (bitShift && i - wordShift > 0) moved |= bits[i - wordShift - 1] >> (64 - bitShift);
                bits[i] |= moved;
            }
        };
        for (std::size_t s = 0; s < sizes_.size(); ++s)
            for (int c = 0; c < left_[s]; ++c) {
                add(widths, sizes_[s].w);
                add(heights, sizes_[s].h);
            }
        const auto has = [&](const std::vector<std::uint64_t>& bits, Length at) {
            return (bits[static_cast<std::size_t>(at / 64)] >> (at % 64)) & 1U;
        };
        for (int i : open_) {
            const TFilled& r = rects_[static_cast<std::size_t>(i)];
            if (!has(widths, r.width) || !has(heights, r.height)) return false;
        }
        return true;
    }

    TRegion leaf(const TFilled& r, std::vector<std::vector<std::pair<int, int>>>& lines) {
        auto& group = lines[static_cast<std::size_t>(r.kind)];
        while (group.back().second == 0)
            group.pop_back();
        --group.back().second;
        TRegion piece;
        piece.item = group.back().first;
        piece.width = piece.pieceWidth = r.pieceWidth;
        piece.height = piece.pieceHeight = r.pieceHeight;
        return piece;
    }

    static void append(TRegion& to, TRegion part) {
        if (part.item < 0 && part.alongY == to.alongY)
            for (TRegion& p : part.parts)
                to.parts.push_back(std::move(p));
        else
            to.parts.push_back(std::move(part));
    }

    TRegion build(int index, std::vector<std::vector<std::pair<int, int>>>& lines) {
        const TFilled r = rects_[static_cast<std::size_t>(index)];
        TRegion piece = leaf(r, lines);
        if (r.right < 0 && r.top < 0) return piece;
        TRegion region;
        region.width = r.width;
        region.height = r.height;
        if (r.rightFirst || r.top < 0) {
            // Horizontal cut first: [piece | right] below, the top part above.
            region.alongY = true;
            TRegion strip;
            strip.alongY = false;
            strip.width = r.width;
            strip.height = r.pieceHeight;
            append(strip, std::move(piece));
            if (r.right >= 0) append(strip, build(r.right, lines));
            if (strip.parts.size() == 1)
                append(region, std::move(strip.parts.front()));
            else
                region.parts.push_back(std::move(strip));
            if (r.top >= 0) append(region, build(r.top, lines));
        } else {
            region.alongY = false;
            TRegion column;
            column.alongY = true;
            column.width = r.pieceWidth;
            column.height = r.height;
            append(column, std::move(piece));
            append(column, build(r.top, lines));
            region.parts.push_back(std::move(column));
            if (r.right >= 0) append(region, build(r.right, lines));
        }
        if (region.parts.size() == 1) return std::move(region.parts.front());
        return region;
    }

    Clock::time_point deadline_;
    std::vector<TSize> sizes_;
    std::vector<int> left_;
    std::vector<std::vector<std::pair<int, int>>> lines_; // per size: the demand kinds and their counts
    std::vector<std::size_t> order_;
    std::vector<TFilled> rects_;
    std::vector<int> open_;
    long long nodes_ = 0;
};

} // namespace

bool TileExactly(Length width, Length height, const std::vector<TPieceKind>& kinds, const std::vector<int>& count,
                 Clock::time_point deadline, TRegion& result) {
    Length area = 0;
    for (std::size_t k = 0; k < kinds.size(); ++k)
        area += kinds[k].width * kinds[k].height * count[k];
    if (area != width * height) return false;
    TTiler tiler(kinds, count, deadline);
    if (!tiler.solve(width, height)) return false;
    result = tiler.tree();
    return true;
}

} // namespace SheetPacking::Detail
