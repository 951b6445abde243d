#include "cutting/BinCompletion.h"

#include "cutting/SimpleBounds.h"

#include <algorithm>
#include <map>

namespace BarPacking {

namespace {

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
        const int bound = SimpleBound(m_in.size, m_left, m_in.capacity);
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

} // namespace

TCompletionResult SearchBinCompletion(const TInstance& in, std::vector<Counts> incumbent, int rootBound,
                                      Clock::time_point deadline) {
    TSearch search(in, deadline);
    search.run(std::move(incumbent), rootBound);
    TCompletionResult result;
    result.best = search.best();
    result.timedOut = search.timedOut();
    result.exhaustive = search.exhaustive();
    result.nodes = search.nodes();
    return result;
}

} // namespace BarPacking
