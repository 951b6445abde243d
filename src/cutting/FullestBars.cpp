#include "cutting/FullestBars.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace BarPacking {

namespace {

// Copies of one size taken together; counts are split into powers of two so that every number of
// copies is a sum of distinct parts.
struct TPart {
    std::size_t index;
    int copies;
    Length weight;
};

// The subset of the parts with the largest total of at most `room`. Every total is first reached by
// the earliest part that can reach it; walking those parts back uses each part at most once.
std::vector<TPart> bestSubset(const std::vector<TPart>& parts, Length room) {
    const std::size_t words = static_cast<std::size_t>(room) / 64 + 1;
    std::vector<std::uint64_t> reach(words, 0), shifted(words, 0);
    std::vector<std::int32_t> reachedBy(static_cast<std::size_t>(room) + 1, -1);
    reach[0] = 1;
    const std::uint64_t lastMask = (room % 64 == 63) ? ~std::uint64_t(0) : ((std::uint64_t(1) << (room % 64 + 1)) - 1);
    for (std::size_t p = 0; p < parts.size(); ++p) {
        const std::size_t wordShift = static_cast<std::size_t>(parts[p].weight) / 64;
        const unsigned bitShift = static_cast<unsigned>(parts[p].weight % 64);
        for (std::size_t w = words; w-- > 0;) {
            std::uint64_t value = 0;
            if (w >= wordShift) {
                value = reach[w - wordShift] << bitShift;
                if (bitShift != 0 && w > wordShift) value |= reach[w - wordShift - 1] >> (64 - bitShift);
            }
            shifted[w] = value & ~reach[w];
        }
        shifted[words - 1] &= lastMask;
        for (std::size_t w = 0; w < words; ++w) {
            std::uint64_t fresh = shifted[w];
            reach[w] |= fresh;
            while (fresh != 0) {
                const int bit = __builtin_ctzll(fresh);
                fresh &= fresh - 1;
                reachedBy[w * 64 + static_cast<std::size_t>(bit)] = static_cast<std::int32_t>(p);
            }
        }
        if (reach[words - 1] >> (room % 64) & 1) break; // the room is filled exactly
    }
    Length total = room;
    while (!(reach[static_cast<std::size_t>(total) / 64] >> (total % 64) & 1))
        --total;
    std::vector<TPart> chosen;
    while (total > 0) {
        const TPart& part = parts[static_cast<std::size_t>(reachedBy[static_cast<std::size_t>(total)])];
        chosen.push_back(part);
        total -= part.weight;
    }
    return chosen;
}

} // namespace

std::vector<Counts> FullestBarsFirst(const TInstance& in, const Counts& counts, Clock::time_point deadline) {
    Counts left = counts;
    std::vector<Counts> plan;
    std::size_t first = 0;
    for (;;) {
        while (first < left.size() && left[first] == 0)
            ++first;
        if (first == left.size()) return plan;
        if (Clock::now() > deadline) return {};
        Counts bar(left.size(), 0);
        bar[first] = 1;
        --left[first];
        const Length room = in.capacity - in.size[first];
        std::vector<TPart> parts;
        for (std::size_t i = first; i < left.size(); ++i) {
            int copies = static_cast<int>(std::min<Length>(left[i], room / in.size[i]));
            for (int part = 1; copies > 0; part *= 2) {
                const int take = std::min(part, copies);
                copies -= take;
                parts.push_back({i, take, take * in.size[i]});
            }
        }
        for (const TPart& part : bestSubset(parts, room))
            bar[part.index] += part.copies;
        ++left[first];
        // The same bar as often as the pieces left allow: equal pieces fill equal bars.
        int repeat = std::numeric_limits<int>::max();
        for (std::size_t i = 0; i < left.size(); ++i)
            if (bar[i] > 0) repeat = std::min(repeat, left[i] / bar[i]);
        for (std::size_t i = 0; i < left.size(); ++i)
            left[i] -= repeat * bar[i];
        plan.insert(plan.end(), static_cast<std::size_t>(repeat), bar);
    }
}

} // namespace BarPacking
