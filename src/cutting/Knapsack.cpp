#include "cutting/Knapsack.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>

namespace BarPacking {

namespace {

// The fractional relaxation rounds down in whole numbers (an integer optimum cannot exceed its floor)
// and stays exact in floating point, where it only steers the pricing.
std::int64_t fractionalPart(Length room, std::int64_t value, Length size) {
    return room * value / size;
}
double fractionalPart(Length room, double value, Length size) {
    return static_cast<double>(room) * value / static_cast<double>(size);
}

template <class V> class TBranchAndBound {
public:
    TBranchAndBound(const std::vector<Length>& size, const std::vector<V>& value, const Counts& bound, Length capacity,
                    V tolerance, long nodeLimit)
        : m_tolerance(tolerance), m_nodesLeft(nodeLimit), m_take(size.size(), 0), m_best(size.size(), 0) {
        for (std::size_t i = 0; i < size.size(); ++i) {
            const Length most = std::min<Length>(bound[i], capacity / size[i]);
            if (value[i] > V(0) && most > 0) m_items.push_back({size[i], value[i], static_cast<int>(most), i});
        }
        // Most value per length first, so the greedy fill bounds what the rest can add.
        std::sort(m_items.begin(), m_items.end(), [](const TItem& a, const TItem& b) {
            return static_cast<double>(a.value) * static_cast<double>(b.size) >
                   static_cast<double>(b.value) * static_cast<double>(a.size);
        });
        m_capacity = capacity;
    }

    void run() { search(0, m_capacity, V(0)); }

    V bestValue = V(0);
    bool exact = true;
    std::vector<std::pair<V, Counts>> found; // every improvement, best last

    const Counts& best() const { return m_best; }

private:
    struct TItem {
        Length size;
        V value;
        int most;
        std::size_t index;
    };

    V upperBound(std::size_t k, Length room, V value) const {
        for (; k < m_items.size(); ++k) {
            const TItem& item = m_items[k];
            const Length fits = room / item.size;
            if (fits >= item.most) {
                room -= item.most * item.size;
                value += static_cast<V>(item.most) * item.value;
            } else {
                return value + fractionalPart(room, item.value, item.size);
            }
        }
        return value;
    }

    void search(std::size_t k, Length room, V value) {
        if (--m_nodesLeft < 0) {
            exact = false;
            return;
        }
        if (value > bestValue + m_tolerance) {
            bestValue = value;
            for (std::size_t i = 0; i < m_best.size(); ++i)
                m_best[i] = 0;
            for (const TItem& item : m_items)
                m_best[item.index] = m_take[item.index];
            found.emplace_back(value, m_best);
        }
        if (k == m_items.size()) return;
        const TItem& item = m_items[k];
        const int most = static_cast<int>(std::min<Length>(item.most, room / item.size));
        for (int t = most; t >= 0; --t) {
            const Length left = room - t * item.size;
            const V with = value + static_cast<V>(t) * item.value;
            // Fewer copies of the densest item never raise the relaxation: no later t can do better.
            if (upperBound(k + 1, left, with) <= bestValue + m_tolerance) break;
            m_take[item.index] = t;
            search(k + 1, left, with);
            m_take[item.index] = 0;
            if (m_nodesLeft < 0) return;
        }
    }

    V m_tolerance;
    long m_nodesLeft;
    Length m_capacity = 0;
    std::vector<TItem> m_items;
    Counts m_take;
    Counts m_best;
};

// Bounded knapsack by dynamic programming over the room, the counts split into powers of two.
std::int64_t maxByDynamicProgramming(const std::vector<Length>& size, const std::vector<std::int64_t>& value,
                                     const Counts& bound, Length capacity) {
    std::vector<std::int64_t> best(static_cast<std::size_t>(capacity) + 1, 0);
    for (std::size_t i = 0; i < size.size(); ++i) {
        if (value[i] <= 0) continue;
        Length left = std::min<Length>(bound[i], capacity / size[i]);
        for (Length part = 1; left > 0; part *= 2) {
            const Length copies = std::min(part, left);
            left -= copies;
            const Length weight = copies * size[i];
            const std::int64_t gain = copies * value[i];
            for (Length room = capacity; room >= weight; --room)
                best[static_cast<std::size_t>(room)] = std::max(best[static_cast<std::size_t>(room)],
                                                                best[static_cast<std::size_t>(room - weight)] + gain);
        }
    }
    return best[static_cast<std::size_t>(capacity)];
}

// Room × parts past which the dynamic programme is slower than branch and bound usually is.
constexpr double DynamicProgrammingWork = 4e6;

// The pseudo items of the dynamic programme: counts split into powers of two.
struct TPart {
    std::size_t index;
    int copies;
    Length weight;
};

std::vector<TPart> partsOf(const std::vector<Length>& size, const Counts& bound, Length capacity,
                           const std::function<bool(std::size_t)>& worth) {
    std::vector<TPart> parts;
    for (std::size_t i = 0; i < size.size(); ++i) {
        if (!worth(i)) continue;
        int left = static_cast<int>(std::min<Length>(bound[i], capacity / size[i]));
        for (int part = 1; left > 0; part *= 2) {
            const int copies = std::min(part, left);
            left -= copies;
            parts.push_back({i, copies, copies * size[i]});
        }
    }
    return parts;
}

// Exact pricing where values are nearly proportional to sizes (then branch and bound cannot prune):
// the best pattern by dynamic programming over the room, with the choices kept to rebuild it.
TPricing priceByDynamicProgramming(const std::vector<TPart>& parts, const std::vector<double>& value, std::size_t sizes,
                                   Length capacity) {
    const std::size_t rooms = static_cast<std::size_t>(capacity) + 1;
    std::vector<double> best(rooms, 0.0);
    std::vector<std::vector<bool>> taken(parts.size(), std::vector<bool>(rooms, false));
    for (std::size_t p = 0; p < parts.size(); ++p) {
        const TPart& part = parts[p];
        const double gain = part.copies * value[part.index];
        for (std::size_t room = rooms; room-- > static_cast<std::size_t>(part.weight);) {
            const double with = best[room - static_cast<std::size_t>(part.weight)] + gain;
            if (with > best[room] + 1e-12) {
                best[room] = with;
                taken[p][room] = true;
            }
        }
    }
    TPricing pricing;
    pricing.value = best[rooms - 1];
    pricing.take.assign(sizes, 0);
    std::size_t room = rooms - 1;
    for (std::size_t p = parts.size(); p-- > 0;) {
        if (!taken[p][room]) continue;
        pricing.take[parts[p].index] += parts[p].copies;
        room -= static_cast<std::size_t>(parts[p].weight);
    }
    return pricing;
}

// States the Pareto programme may make before it leaves the pricing to branch and bound.
constexpr std::size_t ParetoStates = 400000;

// Exact pricing by dynamic programming over the loads worth keeping: after each part only the loads
// whose value beats every lighter load stay (few where the sizes are few, however long the bar).
// Returns false when the states grow past the limit.
bool priceByParetoStates(const std::vector<TPart>& parts, const std::vector<double>& value, std::size_t sizes,
                         Length capacity, TPricing& pricing) {
    struct TState {
        Length load;
        double value;
        int parent; // state this one adds a part to, −1 for the empty bar
        int part;
    };
    std::vector<TState> states{{0, 0.0, -1, -1}};
    std::vector<int> front{0}, added, merged;
    for (std::size_t p = 0; p < parts.size(); ++p) {
        const TPart& part = parts[p];
        const double gain = part.copies * value[part.index];
        added.clear();
        for (int s : front) {
            if (states[static_cast<std::size_t>(s)].load + part.weight > capacity) break;
            states.push_back({states[static_cast<std::size_t>(s)].load + part.weight,
                              states[static_cast<std::size_t>(s)].value + gain, s, static_cast<int>(p)});
            added.push_back(static_cast<int>(states.size()) - 1);
        }
        if (states.size() > ParetoStates) return false;
        merged.clear();
        std::merge(front.begin(), front.end(), added.begin(), added.end(), std::back_inserter(merged),
                   [&](int a, int b) {
                       const TState& x = states[static_cast<std::size_t>(a)];
                       const TState& y = states[static_cast<std::size_t>(b)];
                       return x.load != y.load ? x.load < y.load : x.value > y.value;
                   });
        front.clear();
        double best = -1;
        for (int s : merged) {
            if (states[static_cast<std::size_t>(s)].value <= best + 1e-12) continue;
            best = states[static_cast<std::size_t>(s)].value;
            front.push_back(s);
        }
    }
    const TState* best = &states[static_cast<std::size_t>(front.back())];
    pricing.value = best->value;
    pricing.take.assign(sizes, 0);
    for (; best->parent >= 0; best = &states[static_cast<std::size_t>(best->parent)])
        pricing.take[parts[static_cast<std::size_t>(best->part)].index] +=
            parts[static_cast<std::size_t>(best->part)].copies;
    return true;
}

} // namespace

TPricing PricePattern(const std::vector<Length>& size, const std::vector<double>& value, const Counts& bound,
                      Length capacity, double threshold, long nodeLimit) {
    const std::vector<TPart> parts =
        partsOf(size, bound, capacity, [&](std::size_t i) { return value[i] > 0 && bound[i] > 0; });
    TPricing exact;
    if (priceByParetoStates(parts, value, size.size(), capacity, exact) ||
        static_cast<double>(parts.size()) * static_cast<double>(capacity) <= DynamicProgrammingWork) {
        if (exact.take.empty()) exact = priceByDynamicProgramming(parts, value, size.size(), capacity);
        if (exact.value > threshold) exact.improving.push_back(exact.take);
        return exact;
    }
    TBranchAndBound<double> search(size, value, bound, capacity, 1e-12, nodeLimit);
    search.run();
    TPricing pricing;
    pricing.value = search.bestValue;
    pricing.take = search.best();
    pricing.exact = search.exact;
    for (const auto& [found, pattern] : search.found)
        if (found > threshold) pricing.improving.push_back(pattern);
    return pricing;
}

std::int64_t MaxPatternValue(const std::vector<Length>& size, const std::vector<std::int64_t>& value,
                             const Counts& bound, Length capacity) {
    TBranchAndBound<std::int64_t> search(size, value, bound, capacity, 0, 2000000);
    search.run();
    if (search.exact) return search.bestValue;
    return maxByDynamicProgramming(size, value, bound, capacity);
}

} // namespace BarPacking
