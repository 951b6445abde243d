#include "cutting/WasteBudget.h"

#include "cutting/SimpleBounds.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <random>
#include <unordered_map>

namespace BarPacking {

namespace {

struct TCountsHash {
    std::size_t operator()(const Counts& counts) const {
        std::size_t h = 1469598103934665603ULL;
        for (int c : counts)
            h = (h ^ static_cast<std::size_t>(c)) * 1099511628211ULL;
        return h;
    }
};

// Bin completion towards a fixed number of bars (after Korf, 2003, and Schreiber and Korf, 2013):
// each bar takes the longest piece left and a set of further pieces to which no piece left could be
// added, and leaves no more room than the budget still allows; its room is taken from the budget.
// Sets of fewer pieces are tried first, longest pieces first among them; a set is cut as soon as it is
// found. The pieces left and the bars left decide the rest of the search (the budget follows from
// them), so pieces that failed once are not searched again with as many bars or fewer.
class TBudgetSearch {
public:
    TBudgetSearch(const TInstance& in, int bars, Clock::time_point deadline)
        : m_in(in), m_deadline(deadline), m_left(in.count), m_barsLeft(bars), m_budget(WasteBudget(in, bars)),
          m_maxRemembered(
              std::max<std::size_t>(1000, (std::size_t(1) << 24) / std::max<std::size_t>(1, in.size.size()))) {}

    TBudgetResult run() {
        TBudgetResult result;
        // Restarts: a first choice that dooms the search deep down is left by starting again with
        // twice the bars to try and the sets tried in another order; what failed stays failed.
        long long limit = FirstRestart;
        for (std::uint32_t attempt = 0; m_budget >= 0 && !m_timedOut; ++attempt, limit *= 2) {
            m_aborted = false;
            m_placesLeft = limit;
            m_random.seed(attempt);
            m_shuffled = attempt > 0;
            if (place()) {
                result.found = true;
                result.plan = m_path;
                break;
            }
            if (!m_aborted) {
                result.exhausted = !m_timedOut;
                break;
            }
        }
        result.timedOut = m_timedOut;
        result.nodes = m_nodes;
        return result;
    }

private:
    bool stopped() {
        if ((++m_nodes & 255) == 0 && Clock::now() > m_deadline) m_timedOut = true;
        return m_timedOut || m_aborted;
    }

    // The pieces not yet in the bar being filled, the length they add up to from each size on, and
    // the bar so far.
    struct TBar {
        Counts avail;
        std::vector<Length> suffix;
        Counts take;
        // reach[k - first]: the lengths that pieces of size index k and shorter can add up to, as
        // bits, where that table is small enough.
        std::vector<std::vector<std::uint64_t>> reach;
        std::size_t first = 0;
        std::size_t* wordsInUse = nullptr; // the tables of all bars being filled, kept within a limit
        std::size_t words = 0;
        TBar() = default;
        TBar(const TBar&) = delete;
        TBar& operator=(const TBar&) = delete;
        ~TBar() {
            if (wordsInUse != nullptr) *wordsInUse -= words;
        }
    };

    void buildReach(const std::vector<Length>& size, TBar& bar, std::size_t first, Length most) {
        const std::size_t words = static_cast<std::size_t>(most / 64 + 1);
        const std::size_t need = (size.size() - first + 1) * words;
        if (need > MaxReachWords || m_reachWords + need > MaxReachWordsInAll) return;
        m_reachWords += need;
        bar.wordsInUse = &m_reachWords;
        bar.words = need;
        bar.first = first;
        bar.reach.assign(size.size() - first + 1, {});
        std::vector<std::uint64_t> cur(words, 0);
        cur[0] = 1;
        bar.reach.back() = cur;
        for (std::size_t k = size.size(); k-- > first;) {
            const Length copies = std::min<Length>(bar.avail[k], most / size[k]);
            for (Length c = 0; c < copies; ++c)
                orShifted(cur, static_cast<std::size_t>(size[k]));
            bar.reach[k - first] = cur;
        }
    }

    static void orShifted(std::vector<std::uint64_t>& bits, std::size_t by) {
        const std::size_t wordShift = by / 64, bitShift = by % 64;
        for (std::size_t i = bits.size(); i-- > wordShift;) {
            std::uint64_t moved = bits[i - wordShift] << bitShift;
            if (bitShift != 0 && i - wordShift > 0) moved |= bits[i - wordShift - 1] >> (64 - bitShift);
            bits[i] |= moved;
        }
    }

    static bool anyBetween(const std::vector<std::uint64_t>& bits, Length low, Length high) {
        for (Length b = std::max<Length>(low, 0); b <= high; ++b) {
            const std::uint64_t word = bits[static_cast<std::size_t>(b / 64)];
            if (word == 0) {
                b |= 63;
                continue;
            }
            if ((word >> (b % 64)) & 1U) return true;
        }
        return false;
    }

    bool place() {
        if (--m_placesLeft < 0) m_aborted = true;
        if (stopped()) return false;
        std::size_t first = 0;
        while (first < m_left.size() && m_left[first] == 0)
            ++first;
        if (first == m_left.size()) return true;
        if (m_barsLeft == 0) return false;
        // The same pieces failed before with as many bars or more.
        const auto failed = m_failed.find(m_left);
        if (failed != m_failed.end() && failed->second >= m_barsLeft) return false;
        if (SimpleBound(m_in.size, m_left, m_in.capacity) > m_barsLeft) return false;

        const std::size_t n = m_left.size();
        TBar bar;
        bar.avail = m_left;
        --bar.avail[first];
        bar.suffix.assign(n + 1, 0);
        for (std::size_t k = n; k-- > 0;)
            bar.suffix[k] = bar.suffix[k + 1] + bar.avail[k] * m_in.size[k];
        bar.take.assign(n, 0);
        bar.take[first] = 1;
        buildReach(m_in.size, bar, first, m_in.capacity - m_in.size[first]);
        // Bars of fewer pieces first: where pieces fill bars exactly, a set of many short pieces that
        // happens to fill the room is the likelier mistake.
        const Length room = m_in.capacity - m_in.size[first];
        const Length shortest = smallestAvailable(bar, m_in.size);
        for (Length more = 0; more == 0 || (shortest > 0 && more * shortest <= room); ++more) {
            if (complete(bar, first, room, more)) return true;
            if (m_timedOut || m_aborted) return false;
        }
        // A multiset that failed with every completion tried never leads to a plan.
        if (failed != m_failed.end())
            failed->second = std::max(failed->second, m_barsLeft);
        else if (m_failed.size() < m_maxRemembered)
            m_failed.emplace(m_left, m_barsLeft);
        return false;
    }

    // Adds pieces of size index `from` and shorter; each set that keeps within the budget and leaves
    // no room for any piece left is cut at once and the search goes on with the pieces left.
    bool complete(TBar& bar, std::size_t from, Length room, Length more) {
        if (stopped()) return false;
        if (more == 0) {
            if (room <= m_budget && !fitsAnotherOf(m_in.size, bar, room)) return cut(bar.take, room);
            return false;
        }
        // No pieces of this size and shorter fill the room within the budget.
        if (room > m_budget && !bar.reach.empty() && !anyBetween(bar.reach[from - bar.first], room - m_budget, room))
            return false;
        // The sizes that fit the room (sizes are longest first) and, with all shorter pieces left or
        // `more` pieces of that size, can still fill the bar within the budget.
        std::size_t k = static_cast<std::size_t>(std::lower_bound(m_in.size.begin() + static_cast<std::ptrdiff_t>(from),
                                                                  m_in.size.end(), room, std::greater<Length>()) -
                                                 m_in.size.begin());
        std::vector<std::size_t> sizes;
        for (; k < m_in.size.size() && room - bar.suffix[k] <= m_budget && room - more * m_in.size[k] <= m_budget; ++k)
            if (bar.avail[k] > 0) sizes.push_back(k);
        if (m_shuffled) std::shuffle(sizes.begin(), sizes.end(), m_random);
        for (std::size_t j : sizes) {
            --bar.avail[j];
            ++bar.take[j];
            const bool done = complete(bar, j, room - m_in.size[j], more - 1);
            ++bar.avail[j];
            --bar.take[j];
            if (done) return true;
            if (m_timedOut || m_aborted) return false;
        }
        return false;
    }

    static Length smallestAvailable(const TBar& bar, const std::vector<Length>& size) {
        for (std::size_t k = bar.avail.size(); k-- > 0;)
            if (bar.avail[k] > 0) return size[k];
        return 0;
    }

    bool cut(const Counts& take, Length room) {
        const std::size_t n = take.size();
        for (std::size_t j = 0; j < n; ++j)
            m_left[j] -= take[j];
        m_budget -= room;
        --m_barsLeft;
        m_path.push_back(take);
        if (place()) return true;
        m_path.pop_back();
        ++m_barsLeft;
        m_budget += room;
        for (std::size_t j = 0; j < n; ++j)
            m_left[j] += take[j];
        return false;
    }

    static bool fitsAnotherOf(const std::vector<Length>& size, const TBar& bar, Length room) {
        for (std::size_t k = bar.avail.size(); k-- > 0;)
            if (bar.avail[k] > 0) return size[k] <= room;
        return false;
    }

    std::size_t m_reachWords = 0;
    const TInstance& m_in;
    Clock::time_point m_deadline;
    Counts m_left;
    int m_barsLeft;
    Length m_budget;
    std::size_t m_maxRemembered; // about 64 MB of counts
    std::vector<Counts> m_path;
    std::unordered_map<Counts, int, TCountsHash> m_failed;     // pieces left → most bars they failed with
    static constexpr std::size_t MaxReachWords = 1 << 18;      // one bar's table, 2 MB
    static constexpr std::size_t MaxReachWordsInAll = 1 << 23; // all bars', 64 MB
    static constexpr long long FirstRestart = 200;
    long long m_placesLeft = 0;
    std::mt19937 m_random;
    bool m_shuffled = false;
    bool m_aborted = false;
    bool m_timedOut = false;
    long long m_nodes = 0;
};

} // namespace

Length WasteBudget(const TInstance& in, int bars) {
    Length total = 0;
    for (std::size_t i = 0; i < in.size.size(); ++i)
        total += in.count[i] * in.size[i];
    const Length room = bars * in.capacity - total;
    return room < 0 ? -1 : room;
}

TBudgetResult SearchWithinBudget(const TInstance& in, int bars, Clock::time_point deadline) {
    return TBudgetSearch(in, bars, deadline).run();
}

} // namespace BarPacking
