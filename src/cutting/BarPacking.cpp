#include "cutting/BarPacking.h"

#include <algorithm>
#include <map>

namespace BarPacking {

namespace {

using Clock = std::chrono::steady_clock;
using Counts = std::vector<int>;

// The demand as bin packing: each piece takes its length plus one kerf, a bar holds its usable
// length plus one kerf (the last piece needs none). Sizes are distinct and longest first.
struct TInstance {
    std::vector<Length> size;
    std::vector<Length> piece;
    Counts count;
    Length capacity = 0;
};

TInstance makeInstance(const std::vector<TDemand>& demand, const TBarStock& stock) {
    std::map<Length, int, std::greater<Length>> merged;
    for (const TDemand& d : demand)
        if (d.count > 0) merged[d.length] += d.count;
    TInstance in;
    in.capacity = stock.usable + stock.kerf;
    for (const auto& [length, count] : merged) {
        in.piece.push_back(length);
        in.size.push_back(length + stock.kerf);
        in.count.push_back(count);
    }
    return in;
}

Length ceilDiv(Length a, Length b) {
    return a <= 0 ? 0 : (a + b - 1) / b;
}

// Martello and Toth's L2 (which includes the continuous bound) for the remaining counts.
int boundL2(const std::vector<Length>& size, const Counts& count, Length capacity) {
    const std::size_t m = size.size();
    Length total = 0;
    for (std::size_t j = 0; j < m; ++j)
        total += size[j] * count[j];
    Length best = ceilDiv(total, capacity);
    for (std::size_t a = 0; a <= m; ++a) {
        // α = 0, then every size of at most half a bar
        const Length alpha = a == m ? 0 : size[a];
        if (a < m && (count[a] == 0 || 2 * alpha > capacity)) continue;
        Length n1 = 0, n2 = 0, s2 = 0, s3 = 0;
        for (std::size_t j = 0; j < m; ++j) {
            if (count[j] == 0) continue;
            if (size[j] > capacity - alpha)
                n1 += count[j];
            else if (2 * size[j] > capacity) {
                n2 += count[j];
                s2 += size[j] * count[j];
            } else if (size[j] >= alpha)
                s3 += size[j] * count[j];
        }
        best = std::max(best, n1 + n2 + ceilDiv(s3 - (n2 * capacity - s2), capacity));
    }
    return static_cast<int>(best);
}

// Bounds from dual feasible functions, strong where few sizes repeat many times: a bar holds at most
// ⌊C ÷ s⌋ pieces of size s or more, and Fekete and Schepers' u(k) for k = 1 … 8.
int boundDff(const std::vector<Length>& size, const Counts& count, Length capacity) {
    const std::size_t m = size.size();
    Length best = 0;
    Length atLeast = 0;
    for (std::size_t j = 0; j < m; ++j) {
        atLeast += count[j];
        if (count[j] > 0) best = std::max(best, ceilDiv(atLeast, capacity / size[j]));
    }
    for (Length k = 1; k <= 8; ++k) {
        // u(x) = x when (k+1)x is a whole multiple of C, else ⌊(k+1)x ÷ C⌋ ÷ k; summed in units of 1 ÷ kC.
        Length sum = 0;
        for (std::size_t j = 0; j < m; ++j) {
            const Length scaled = (k + 1) * size[j];
            sum += count[j] * (scaled % capacity == 0 ? size[j] * k : scaled / capacity * capacity);
        }
        best = std::max(best, ceilDiv(sum, k * capacity));
    }
    return static_cast<int>(best);
}

int bound(const std::vector<Length>& size, const Counts& count, Length capacity) {
    return std::max(boundL2(size, count, capacity), boundDff(size, count, capacity));
}

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

// Bin completion: bars are filled one at a time, each with the longest piece left and a set of
// further pieces to which no remaining piece could be added. Any plan can be turned into one of
// this form without more bars, so searching these sets exhaustively is exact.
class TSearch {
public:
    TSearch(const TInstance& in, Clock::time_point deadline) : m_in(in), m_deadline(deadline), m_left(in.count) {}

    void run(std::vector<Counts> incumbent, int rootBound) {
        m_best = std::move(incumbent);
        m_rootBound = rootBound;
        if (static_cast<int>(m_best.size()) > rootBound) dive(0);
    }
    const std::vector<Counts>& best() const { return m_best; }
    bool timedOut() const { return m_timedOut; }
    bool exhaustive() const { return !m_timedOut && !m_incomplete; }
    long long nodes() const { return m_nodes; }

private:
    bool finished() const { return m_timedOut || static_cast<int>(m_best.size()) <= m_rootBound; }

    void dive(int depth) {
        if ((++m_nodes & 63) == 0 && Clock::now() > m_deadline) m_timedOut = true;
        if (finished()) return;
        std::size_t first = 0;
        while (first < m_left.size() && m_left[first] == 0)
            ++first;
        if (first == m_left.size()) {
            if (depth < static_cast<int>(m_best.size())) m_best = m_path;
            return;
        }
        const int bound = BarPacking::bound(m_in.size, m_left, m_in.capacity);
        if (depth + bound >= static_cast<int>(m_best.size())) return;
        // The same pieces left at no smaller depth were already searched to the end.
        auto seen = m_seen.find(m_left);
        if (seen != m_seen.end() && seen->second <= depth) return;
        if (m_seen.size() < 2000000) m_seen[m_left] = depth;

        std::vector<std::pair<Length, Counts>> completions;
        Counts take(m_left.size(), 0);
        take[first] = 1;
        m_first = first;
        --m_left[first];
        complete(first, m_in.capacity - m_in.size[first], take, completions);
        ++m_left[first];
        // Fullest bars first: the first dive is a minimum-slack plan.
        std::stable_sort(completions.begin(), completions.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& completion : completions) {
            const Counts& bar = completion.second;
            for (std::size_t j = 0; j < bar.size(); ++j)
                m_left[j] -= bar[j];
            m_path.push_back(bar);
            dive(depth + 1);
            m_path.pop_back();
            for (std::size_t j = 0; j < bar.size(); ++j)
                m_left[j] += bar[j];
            if (finished() || depth + bound >= static_cast<int>(m_best.size())) return;
        }
    }

    // Adds pieces of size index j and shorter beyond the longest one (already out of m_left); keeps
    // only sets that no remaining piece fits beside.
    void complete(std::size_t j, Length slack, Counts& take, std::vector<std::pair<Length, Counts>>& out) {
        if (m_timedOut) return;
        if ((++m_nodes & 1023) == 0 && Clock::now() > m_deadline) m_timedOut = true;
        if (j == take.size()) {
            for (std::size_t k = 0; k < take.size(); ++k)
                if (m_left[k] > extra(take, k) && m_in.size[k] <= slack) return;
            // Very many ways to fill one bar (many distinct short pieces): the search goes on with
            // the first ones but no longer proves anything.
            if (out.size() >= MaxCompletions) {
                m_incomplete = true;
                return;
            }
            out.emplace_back(slack, take);
            return;
        }
        const int own = take[j];
        const Length most = std::min<Length>(m_left[j], slack / m_in.size[j]);
        for (Length t = most; t >= 0; --t) {
            take[j] = own + static_cast<int>(t);
            complete(j + 1, slack - t * m_in.size[j], take, out);
        }
        take[j] = own;
    }

    int extra(const Counts& take, std::size_t k) const { return take[k] - (k == m_first ? 1 : 0); }

    const TInstance& m_in;
    Clock::time_point m_deadline;
    Counts m_left;
    std::vector<Counts> m_path;
    std::vector<Counts> m_best;
    std::map<Counts, int> m_seen;
    static constexpr std::size_t MaxCompletions = 4000;
    std::size_t m_first = 0;
    bool m_incomplete = false;
    int m_rootBound = 0;
    bool m_timedOut = false;
    long long m_nodes = 0;
};

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
    bool changed = true;
    while (changed && Clock::now() < deadline) {
        changed = false;
        for (std::size_t a = 0; a < bars.size(); ++a) {
            for (std::size_t b = a + 1; b < bars.size(); ++b) {
                if (bars[a] == bars[b]) continue;
                if (Clock::now() > deadline) break;
                std::vector<std::size_t> pieces = bars[a];
                pieces.insert(pieces.end(), bars[b].begin(), bars[b].end());
                TPairSplit split(in, std::move(pieces));
                std::vector<std::size_t> light, heavy;
                if (!split.improve(std::max(room(bars[a]), room(bars[b])), light, heavy)) continue;
                bars[a] = std::move(light);
                bars[b] = std::move(heavy);
                changed = true;
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

} // namespace

int LowerBound(const std::vector<TDemand>& demand, const TBarStock& stock) {
    const TInstance in = makeInstance(demand, stock);
    return bound(in.size, in.count, in.capacity);
}

std::vector<TBar> FirstFitDecreasing(const std::vector<TDemand>& demand, const TBarStock& stock) {
    const TInstance in = makeInstance(demand, stock);
    return toBars(in, expand(firstFitDecreasing(in)), stock);
}

TPacking Pack(const std::vector<TDemand>& demand, const TBarStock& stock, std::chrono::milliseconds limit) {
    const TInstance in = makeInstance(demand, stock);
    TPacking result;
    if (in.size.empty()) {
        result.proven = true;
        return result;
    }
    result.lowerBound = bound(in.size, in.count, in.capacity);
    // The search stops a twentieth of the time early; gathering the offcuts has the rest.
    const Clock::time_point end = Clock::now() + limit;
    TSearch search(in, end - limit / 20);
    search.run(firstFitDecreasing(in), result.lowerBound);
    result.timedOut = search.timedOut();
    result.nodes = search.nodes();
    auto plan = expand(search.best());
    gatherOffcuts(in, plan, end);
    result.bars = toBars(in, plan, stock);
    // Gathering offcuts may empty a bar and so meet the bound the search did not reach in time.
    result.proven = search.exhaustive() || static_cast<int>(result.bars.size()) <= result.lowerBound;
    return result;
}

} // namespace BarPacking
