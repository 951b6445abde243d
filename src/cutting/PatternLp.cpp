#include "cutting/PatternLp.h"

#include "cutting/Knapsack.h"

#include <coin/ClpSimplex.hpp>

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace BarPacking {

namespace {

using Clock = std::chrono::steady_clock;

// Pricing nodes per column: past it the best pattern found is added and no Farley bound is taken.
constexpr long PricingNodes = 200000;
// Patterns added per pricing at most (the best of them and the improvements found before it).
constexpr std::size_t ColumnsPerPricing = 6;
constexpr double Tolerance = 1e-9;

int ceilWithin(double value) {
    return static_cast<int>(std::ceil(value - 1e-7));
}

} // namespace

TPatternLp::TPatternLp(const TInstance& in, const std::vector<Counts>& start)
    : m_in(in), m_lp(std::make_unique<ClpSimplex>()) {
    m_lp->setLogLevel(0);
    m_lp->scaling(0);
    m_lp->resize(static_cast<int>(in.size.size()), 0);
    setDemand(in.count);
    m_dualStart = false;
    // One pattern of each size alone keeps the relaxation feasible.
    for (std::size_t i = 0; i < in.size.size(); ++i) {
        Counts single(in.size.size(), 0);
        single[i] = static_cast<int>(std::min<Length>(in.count[i], in.capacity / in.size[i]));
        addPattern(single);
    }
    for (const Counts& pattern : start)
        addPattern(pattern);
}

TPatternLp::~TPatternLp() = default;

void TPatternLp::setDemand(const Counts& demand) {
    m_demand = demand;
    for (std::size_t i = 0; i < demand.size(); ++i)
        m_lp->setRowBounds(static_cast<int>(i), demand[i], DBL_MAX);
    m_bestDuals.clear();
    m_bestFarley = 0;
    m_optimal = false;
    m_dualStart = true;
}

bool TPatternLp::addPattern(const Counts& pattern) {
    if (!m_known.insert(pattern).second) return false;
    std::vector<int> rows;
    std::vector<double> entries;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == 0) continue;
        rows.push_back(static_cast<int>(i));
        entries.push_back(pattern[i]);
    }
    if (rows.empty()) return false;
    m_lp->addColumn(static_cast<int>(rows.size()), rows.data(), entries.data(), 0.0, DBL_MAX, 1.0);
    m_patterns.push_back(pattern);
    return true;
}

bool TPatternLp::solve(Clock::time_point deadline, int enough) {
    const std::size_t m = m_in.size.size();
    bool solved = false;
    m_optimal = false;
    while (Clock::now() < deadline) {
        ++m_iterations;
        // Keep the factorization between solves: only columns or row bounds changed.
        if (m_dualStart)
            m_lp->dual();
        else
            m_lp->primal();
        m_dualStart = false;
        if (m_lp->status() != 0) {
            // A numerical failure: start the simplex afresh once before giving up.
            m_lp->primal();
            if (m_lp->status() != 0) return solved;
        }
        solved = true;
        m_value = m_lp->objectiveValue();
        const double* rowDuals = m_lp->dualRowSolution();
        std::vector<double> duals(m);
        for (std::size_t i = 0; i < m; ++i)
            duals[i] = m_demand[i] > 0 ? std::clamp(rowDuals[i], 0.0, 1.0) : 0.0;
        const TPricing pricing = PricePattern(m_in.size, duals, m_demand, m_in.capacity, 1 + Tolerance, PricingNodes);
        if (pricing.exact) {
            double covered = 0;
            for (std::size_t i = 0; i < m; ++i)
                covered += m_demand[i] * duals[i];
            const double farley = covered / std::max(1.0, pricing.value);
            if (farley > m_bestFarley || m_bestDuals.empty()) {
                m_bestFarley = farley;
                m_bestDuals = duals;
            }
            if (pricing.value <= 1 + Tolerance) {
                m_optimal = true;
                return true;
            }
        }
        // The bound cannot rise above the patterns' own value, or it already proves enough.
        const int reached = ceilWithin(m_bestFarley);
        if (reached >= ceilWithin(m_value) || reached >= enough) return true;
        bool added = false;
        const auto& improving = pricing.improving;
        for (std::size_t k = 0; k < improving.size() && k < ColumnsPerPricing; ++k)
            added = addPattern(improving[improving.size() - 1 - k]) || added;
        if (!added) return true; // the pricing stalled (only when the node limit stopped it)
    }
    return solved;
}

std::vector<double> TPatternLp::usage() const {
    const double* x = m_lp->primalColumnSolution();
    return std::vector<double>(x, x + m_lp->numberColumns());
}

int TPatternLp::safeBound() const {
    return m_bestDuals.empty() ? 0 : SafeDualBound(m_in, m_demand, m_bestDuals);
}

int SafeDualBound(const TInstance& in, const Counts& demand, const std::vector<double>& duals) {
    constexpr double Scale = 1073741824.0; // 2³⁰: whole-number weights of at most 2³⁰ each
    std::vector<std::int64_t> weight(in.size.size(), 0);
    std::int64_t covered = 0;
    for (std::size_t i = 0; i < in.size.size(); ++i) {
        if (demand[i] <= 0 || !(duals[i] > 0)) continue;
        weight[i] = static_cast<std::int64_t>(std::floor(std::min(duals[i], 1.0) * Scale));
        covered += demand[i] * weight[i];
    }
    const std::int64_t most = MaxPatternValue(in.size, weight, demand, in.capacity);
    if (most <= 0) return 0;
    return static_cast<int>(CeilDiv(covered, most));
}

} // namespace BarPacking
