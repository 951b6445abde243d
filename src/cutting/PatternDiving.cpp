#include "cutting/PatternDiving.h"

#include "cutting/FullestBars.h"
#include "cutting/SimpleBounds.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

namespace BarPacking {

namespace {

// Pieces few enough for the exact search to finish the plan at once.
constexpr int ExactRest = 36;

// Cuts `copies` bars of the pattern, less whatever the pieces left no longer need.
int cutPattern(const Counts& pattern, int copies, Counts& left, std::vector<Counts>& plan) {
    int cut = 0;
    for (; cut < copies; ++cut) {
        Counts bar(left.size(), 0);
        int pieces = 0;
        for (std::size_t i = 0; i < left.size(); ++i) {
            bar[i] = std::min(pattern[i], left[i]);
            left[i] -= bar[i];
            pieces += bar[i];
        }
        if (pieces == 0) break;
        plan.push_back(std::move(bar));
    }
    return cut;
}

} // namespace

std::vector<Counts> DiveForPlan(const TInstance& in, TPatternLp& lp, int worse, Clock::time_point deadline,
                                std::uint32_t variant) {
    std::mt19937 random(variant);
    Counts left = in.count;
    std::vector<Counts> plan;
    while (PieceCount(left) > ExactRest) {
        if (Clock::now() > deadline) return {};
        lp.setDemand(left);
        if (!lp.solve(deadline, worse)) return {};
        const int fixed = static_cast<int>(plan.size());
        if (fixed + static_cast<int>(std::ceil(lp.value() - 1e-6)) >= worse && lp.optimal()) return {};
        const std::vector<double> x = lp.usage();
        const std::vector<Counts>& patterns = lp.patterns();
        bool cut = false;
        for (std::size_t p = 0; p < x.size(); ++p) {
            const int whole = static_cast<int>(std::floor(x[p] + 1e-6));
            if (whole > 0) cut = cutPattern(patterns[p], whole, left, plan) > 0 || cut;
        }
        if (!cut) {
            // None used whole: the one used most (the first of equals), or one of the three used most.
            std::vector<std::size_t> used(x.size());
            std::iota(used.begin(), used.end(), 0);
            std::stable_sort(used.begin(), used.end(),
                             [&](std::size_t a, std::size_t b) { return x[a] > x[b] + 1e-9; });
            if (used.empty()) return {};
            std::size_t pick = 0;
            if (variant != 0) {
                std::size_t candidates = 1;
                while (candidates < 3 && candidates < used.size() && x[used[candidates]] > 1e-6)
                    ++candidates;
                pick = std::uniform_int_distribution<std::size_t>(0, candidates - 1)(random);
            }
            if (cutPattern(patterns[used[pick]], 1, left, plan) == 0) return {};
        }
        if (static_cast<int>(plan.size()) >= worse) return {};
    }
    if (PieceCount(left) > 0) {
        TInstance rest = in;
        rest.count = left;
        std::vector<Counts> start = FullestBarsFirst(rest, left, deadline);
        if (start.empty()) return {};
        const int bound = SimpleBound(rest.size, left, rest.capacity);
        const auto finish = std::min(deadline, Clock::now() + std::chrono::milliseconds(20));
        const TCompletionResult result = SearchBinCompletion(rest, std::move(start), bound, finish);
        plan.insert(plan.end(), result.best.begin(), result.best.end());
    }
    if (static_cast<int>(plan.size()) >= worse) return {};
    return plan;
}

} // namespace BarPacking
