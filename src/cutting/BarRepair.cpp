#include "cutting/BarRepair.h"

#include "cutting/FullestBars.h"
#include "cutting/SimpleBounds.h"
#include "cutting/WasteBudget.h"

#include <algorithm>
#include <numeric>
#include <random>

namespace BarPacking {

namespace {

// Bars re-planned at once: every bar with room left up to a few (where the optimum fills its bars,
// all of the room must be in one neighbourhood) and some others; the exact search stays quick on them.
constexpr std::size_t EmptiestBars = 6;
constexpr int FewestOthers = 2;
constexpr int MostOthers = 12;
constexpr auto RoundLimit = std::chrono::milliseconds(40);

Length roomOf(const TInstance& in, const Counts& bar) {
    Length used = 0;
    for (std::size_t i = 0; i < bar.size(); ++i)
        used += bar[i] * in.size[i];
    return in.capacity - used;
}

// Larger when the same room lies in fewer bars.
double gathered(const TInstance& in, const std::vector<Counts>& bars) {
    double sum = 0;
    for (const Counts& bar : bars) {
        const double room = static_cast<double>(roomOf(in, bar));
        sum += room * room;
    }
    return sum;
}

} // namespace

std::vector<Counts> RepairPlan(const TInstance& in, std::vector<Counts> plan, int target, Clock::time_point deadline,
                               std::uint32_t seed) {
    std::mt19937 random(seed);
    while (static_cast<int>(plan.size()) > target && plan.size() > 1 && Clock::now() < deadline) {
        std::vector<std::size_t> order(plan.size());
        std::iota(order.begin(), order.end(), 0);
        std::vector<Length> room(plan.size());
        for (std::size_t b = 0; b < plan.size(); ++b)
            room[b] = roomOf(in, plan[b]);
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return room[a] > room[b]; });
        std::size_t emptiest = 0;
        while (emptiest < std::min(EmptiestBars, plan.size()) && room[order[emptiest]] > 0)
            ++emptiest;
        emptiest = std::max<std::size_t>(emptiest, 1);
        std::shuffle(order.begin() + static_cast<std::ptrdiff_t>(emptiest), order.end(), random);
        const std::size_t taken = std::min(
            plan.size(),
            emptiest + static_cast<std::size_t>(std::uniform_int_distribution<int>(FewestOthers, MostOthers)(random)));
        // Now and then one of the emptiest stays, so that the same few bars are not taken every time.
        if (taken < plan.size() && std::uniform_int_distribution<int>(0, 3)(random) == 0)
            std::swap(order[std::uniform_int_distribution<std::size_t>(0, emptiest - 1)(random)], order[taken]);

        std::vector<Counts> old;
        Counts pooled(in.size.size(), 0);
        for (std::size_t k = 0; k < taken; ++k) {
            old.push_back(plan[order[k]]);
            for (std::size_t i = 0; i < pooled.size(); ++i)
                pooled[i] += plan[order[k]][i];
        }
        TInstance part = in;
        part.count = pooled;
        std::vector<Counts> start = FullestBarsFirst(part, pooled, deadline);
        if (start.empty()) break;
        const int bound = SimpleBound(part.size, pooled, part.capacity);
        std::vector<Counts> fresh = start;
        const Clock::time_point roundEnd = std::min(deadline, Clock::now() + RoundLimit);
        // Where the bars taken leave little room, a plan with one bar fewer is searched under that room.
        if (start.size() >= old.size() && old.size() > 1 &&
            WasteBudget(part, static_cast<int>(old.size()) - 1) <= part.capacity / 4) {
            TBudgetResult fewer = SearchWithinBudget(part, static_cast<int>(old.size()) - 1, roundEnd);
            if (fewer.found) start = std::move(fewer.plan);
        }
        if (static_cast<int>(start.size()) > bound)
            fresh = SearchBinCompletion(part, std::move(start), bound, roundEnd).best;
        else
            fresh = std::move(start);
        if (fresh.size() > old.size() || (fresh.size() == old.size() && gathered(in, fresh) < gathered(in, old)))
            continue;
        std::vector<bool> replaced(plan.size(), false);
        for (std::size_t k = 0; k < taken; ++k)
            replaced[order[k]] = true;
        std::vector<Counts> next;
        for (std::size_t b = 0; b < plan.size(); ++b)
            if (!replaced[b]) next.push_back(std::move(plan[b]));
        next.insert(next.end(), fresh.begin(), fresh.end());
        plan = std::move(next);
    }
    return plan;
}

} // namespace BarPacking
