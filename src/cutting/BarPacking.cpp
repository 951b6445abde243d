#include "cutting/BarPacking.h"

#include "cutting/BarInstance.h"
#include "cutting/BarRepair.h"
#include "cutting/BinCompletion.h"
#include "cutting/FullestBars.h"
#include "cutting/PatternDiving.h"
#include "cutting/PatternLp.h"
#include "cutting/SimpleBounds.h"
#include "cutting/WasteBudget.h"

#include <algorithm>
#include <limits>
#include <map>

namespace BarPacking {

namespace {

// Of the pieces of two bars, the set with the least length that still leaves the others fitting one
// bar: cutting it alone gives the longest offcut two bars can leave.
class TPairSplit {
public:
    TPairSplit(const TInstance& in, std::vector<std::size_t> pieces) : m_in(in), m_pieces(std::move(pieces)) {
        std::sort(m_pieces.begin(), m_pieces.end());
        for (std::size_t j : m_pieces)
            m_total += in.size[j];
    }

    // Returns false when no split leaves more room in one bar than `room`.
    bool improve(Length room, std::vector<std::size_t>& light, std::vector<std::size_t>& heavy) {
        m_budget = 5000;
        m_need = m_total - m_in.capacity;
        m_bestLoad = m_in.capacity - room;
        m_found = false;
        std::vector<bool> chosen(m_pieces.size(), false);
        m_chosen = chosen;
        search(0, 0, chosen);
        if (!m_found) return false;
        light.clear();
        heavy.clear();
        for (std::size_t i = 0; i < m_pieces.size(); ++i)
            (m_chosen[i] ? light : heavy).push_back(m_pieces[i]);
        return true;
    }

private:
    void search(std::size_t i, Length load, std::vector<bool>& chosen) {
        if (load >= m_bestLoad || --m_budget < 0) return;
        if (load >= m_need) {
            m_bestLoad = load;
            m_chosen = chosen;
            m_found = true;
            return;
        }
        if (i == m_pieces.size()) return;
        // Equal pieces are taken as a leading run, so each multiset is visited once.
        std::size_t end = i;
        while (end < m_pieces.size() && m_pieces[end] == m_pieces[i])
            ++end;
        for (std::size_t take = end - i + 1; take-- > 0;) {
            for (std::size_t k = i; k < end; ++k)
                chosen[k] = k < i + take;
            search(end, load + static_cast<Length>(take) * m_in.size[m_pieces[i]], chosen);
        }
        for (std::size_t k = i; k < end; ++k)
            chosen[k] = false;
    }

    const TInstance& m_in;
    std::vector<std::size_t> m_pieces;
    Length m_total = 0;
    Length m_need = 0;
    Length m_bestLoad = 0;
    bool m_found = false;
    long m_budget = 0; // splits tried for one pair; past it the best so far is taken
    std::vector<bool> m_chosen;
};

// Gathers the offcuts: the pieces of any two bars are shared anew so that one of them keeps as much
// room as two bars can. Each step raises the sum of the squared rooms, so the search ends.
void gatherOffcuts(const TInstance& in, std::vector<std::vector<std::size_t>>& bars, Clock::time_point deadline) {
    auto room = [&](const std::vector<std::size_t>& bar) {
        Length used = 0;
        for (std::size_t j : bar)
            used += in.size[j];
        return in.capacity - used;
    };
    for (auto& bar : bars)
        std::sort(bar.begin(), bar.end());
    // Equal bars side by side: a pair that gained nothing is not tried again with a copy of either.
    std::sort(bars.begin(), bars.end());
    std::vector<Length> rooms;
    for (const auto& bar : bars)
        rooms.push_back(room(bar));
    bool changed = true;
    while (changed && Clock::now() < deadline) {
        changed = false;
        bool previousChanged = true;
        for (std::size_t a = 0; a < bars.size(); ++a) {
            if (!previousChanged && bars[a] == bars[a - 1]) continue;
            previousChanged = false;
            const std::vector<std::size_t>* failed = nullptr;
            for (std::size_t b = a + 1; b < bars.size(); ++b) {
                // With one bar full the two cannot leave more room in one bar than the other has.
                if (rooms[a] == 0 || rooms[b] == 0 || bars[a] == bars[b]) continue;
                if (failed != nullptr && *failed == bars[b]) continue;
                if (Clock::now() > deadline) break;
                std::vector<std::size_t> pieces = bars[a];
                pieces.insert(pieces.end(), bars[b].begin(), bars[b].end());
                TPairSplit split(in, std::move(pieces));
                std::vector<std::size_t> light, heavy;
                if (!split.improve(std::max(rooms[a], rooms[b]), light, heavy)) {
                    failed = &bars[b];
                    continue;
                }
                bars[a] = std::move(light);
                bars[b] = std::move(heavy);
                rooms[a] = room(bars[a]);
                rooms[b] = room(bars[b]);
                failed = nullptr;
                changed = previousChanged = true;
            }
        }
    }
    bars.erase(std::remove_if(bars.begin(), bars.end(), [](const auto& bar) { return bar.empty(); }), bars.end());
}

std::vector<TBar> toBars(const TInstance& in, const std::vector<std::vector<std::size_t>>& plan,
                         const TBarStock& stock) {
    std::vector<TBar> bars;
    for (const auto& indices : plan) {
        TBar bar;
        Length used = 0;
        for (std::size_t j : indices) {
            bar.pieces.push_back(in.piece[j]);
            used += in.piece[j] + stock.kerf;
        }
        std::sort(bar.pieces.begin(), bar.pieces.end(), std::greater<Length>());
        bar.offcut = std::max<Length>(0, stock.usable - used);
        bars.push_back(std::move(bar));
    }
    // Fullest bars first, equal bars side by side.
    std::sort(bars.begin(), bars.end(), [](const TBar& a, const TBar& b) {
        if (a.offcut != b.offcut) return a.offcut < b.offcut;
        return a.pieces > b.pieces;
    });
    return bars;
}

std::vector<std::vector<std::size_t>> expand(const std::vector<Counts>& plan) {
    std::vector<std::vector<std::size_t>> bars;
    for (const Counts& counts : plan) {
        std::vector<std::size_t> bar;
        for (std::size_t j = 0; j < counts.size(); ++j)
            bar.insert(bar.end(), static_cast<std::size_t>(counts[j]), j);
        bars.push_back(std::move(bar));
    }
    return bars;
}

// FFD as bars of counts.
std::vector<Counts> firstFitDecreasing(const TInstance& in) {
    std::vector<Counts> bars;
    std::vector<Length> load;
    for (std::size_t j = 0; j < in.size.size(); ++j) {
        for (int c = 0; c < in.count[j]; ++c) {
            std::size_t b = 0;
            while (b < bars.size() && load[b] + in.size[j] > in.capacity)
                ++b;
            if (b == bars.size()) {
                bars.emplace_back(in.size.size(), 0);
                load.push_back(0);
            }
            ++bars[b][j];
            load[b] += in.size[j];
        }
    }
    return bars;
}

// The plan of fewest bars for one instance and how far it is proven.
struct TSolved {
    std::vector<Counts> best;
    int simpleBound = 0;
    int lowerBound = 0;
    bool timedOut = false;
    bool exhaustive = false;
    long long nodes = 0;
};

// Distinct sizes past which the plan is repaired before the relaxation is solved, which then is slow.
constexpr std::size_t ManySizes = 100;

TSolved solve(const TInstance& in, Clock::time_point deadline) {
    TSolved solved;
    solved.simpleBound = SimpleBound(in.size, in.count, in.capacity);
    solved.lowerBound = solved.simpleBound;
    solved.best = firstFitDecreasing(in);
    const Clock::time_point start = Clock::now();
    auto improve = [&](std::vector<Counts> plan) {
        if (!plan.empty() && plan.size() < solved.best.size()) solved.best = std::move(plan);
    };
    auto done = [&] { return static_cast<int>(solved.best.size()) <= solved.lowerBound; };
    if (done()) return solved;
    const auto share = [&](double part) {
        return start + std::chrono::duration_cast<Clock::duration>((deadline - start) * part);
    };
    auto repair = [&](double part) {
        improve(
            RepairPlan(in, solved.best, solved.lowerBound, share(part), static_cast<std::uint32_t>(in.size.size())));
    };
    // A plan with as many bars as the bound, searched under the room the bound leaves; a search that
    // ends without one raises the bound by a bar.
    auto meetBound = [&](double part) {
        const TBudgetResult found = SearchWithinBudget(in, solved.lowerBound, share(part));
        solved.nodes += found.nodes;
        if (found.found)
            improve(found.plan);
        else if (found.exhausted)
            ++solved.lowerBound;
    };
    improve(FullestBarsFirst(in, in.count, share(0.2)));
    if (done()) return solved;
    const bool manySizes = in.size.size() > ManySizes;
    // Pieces that (nearly) fill their bars exactly: the bound is met by searching under its room.
    const bool tight = WasteBudget(in, solved.lowerBound) <= in.capacity / 4;
    if (manySizes && tight) {
        meetBound(0.8);
        if (done()) return solved;
    }
    if (manySizes) {
        repair(0.6);
        if (done()) return solved;
    }
    TPatternLp lp(in, solved.best);
    if (lp.solve(share(manySizes ? 0.75 : 0.6), static_cast<int>(solved.best.size()))) {
        const int before = solved.lowerBound;
        solved.lowerBound = std::max(solved.lowerBound, lp.safeBound());
        if (done()) return solved;
        const bool raised = solved.lowerBound > before;
        // Dives again along other paths while their share of the time lasts.
        for (std::uint32_t variant = 0; !done() && Clock::now() < share(0.7); ++variant)
            improve(DiveForPlan(in, lp, static_cast<int>(solved.best.size()), share(0.7), variant));
        if (done()) return solved;
        if (!manySizes && (raised || tight)) {
            meetBound(0.85);
            if (done()) return solved;
        }
    }
    // The exact search proves small cases; on large ones the repair gets on faster.
    const TCompletionResult search = SearchBinCompletion(in, solved.best, solved.lowerBound, share(0.85));
    solved.best = search.best;
    solved.timedOut = search.timedOut;
    solved.exhaustive = search.exhaustive;
    solved.nodes = search.nodes;
    if (done() || solved.exhaustive) return solved;
    repair(1.0);
    return solved;
}

} // namespace

int LowerBound(const std::vector<TDemand>& demand, const TBarStock& stock) {
    const TInstance in = MakeInstance(demand, stock);
    return SimpleBound(in.size, in.count, in.capacity);
}

int PatternLowerBound(const std::vector<TDemand>& demand, const TBarStock& stock, std::chrono::milliseconds limit) {
    const TInstance in = MakeInstance(demand, stock);
    const int simple = SimpleBound(in.size, in.count, in.capacity);
    if (in.size.empty()) return simple;
    TPatternLp lp(in);
    lp.solve(Clock::now() + limit, std::numeric_limits<int>::max());
    return std::max(simple, lp.safeBound());
}

std::vector<TBar> FirstFitDecreasing(const std::vector<TDemand>& demand, const TBarStock& stock) {
    const TInstance in = MakeInstance(demand, stock);
    return toBars(in, expand(firstFitDecreasing(in)), stock);
}

TPacking Pack(const std::vector<TDemand>& demand, const TBarStock& stock, std::chrono::milliseconds limit) {
    const TInstance in = MakeInstance(demand, stock);
    TPacking result;
    if (in.size.empty()) {
        result.proven = true;
        return result;
    }
    // The search stops a twentieth of the time early; gathering the offcuts has the rest.
    const Clock::time_point end = Clock::now() + limit;
    const TSolved solved = solve(in, end - limit / 20);
    result.lowerBound = solved.lowerBound;
    result.simpleBound = solved.simpleBound;
    result.timedOut = solved.timedOut;
    result.nodes = solved.nodes;
    auto plan = expand(solved.best);
    gatherOffcuts(in, plan, end);
    result.bars = toBars(in, plan, stock);
    // Gathering offcuts may empty a bar and so meet the bound the search did not reach in time.
    result.proven = solved.exhaustive || static_cast<int>(result.bars.size()) <= result.lowerBound;
    return result;
}

} // namespace BarPacking
