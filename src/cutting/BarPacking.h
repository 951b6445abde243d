#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

// Cutting pieces of one profile kind from stock bars of one length with the fewest bars: quick bounds
// and the pattern relaxation's bound, plans by first fit, by filling bars fullest first and by diving
// in the relaxation, and an exact bin-completion branch and bound (docs/CUTTING_PLAN.md).
// Lengths are whole units (hundredths of a centimetre); nothing here knows about texts or windows.
namespace BarPacking {

using Length = std::int64_t;

struct TDemand {
    Length length = 0; // the piece as it is cut
    int count = 0;
};

// A kerf follows every piece except one that ends at the bar's usable end, so pieces fit a bar
// when their lengths plus one kerf between each two neighbours fit the usable length.
struct TBarStock {
    Length usable = 0; // stock length less the trims at both ends
    Length kerf = 0;
};

struct TBar {
    std::vector<Length> pieces; // longest first
    Length offcut = 0;          // usable length left after the last piece and its kerf
};

struct TPacking {
    std::vector<TBar> bars;
    int lowerBound = 0;    // the best bound proven: LowerBound, raised by the pattern bound when needed
    int simpleBound = 0;   // LowerBound alone
    bool proven = false;   // no plan with fewer bars exists
    bool timedOut = false; // the search stopped at the time limit
    long long nodes = 0;
};

// Fewest bars for the demand; stops at the time limit with the best plan found (proven stays
// false unless the plan meets the bound). Among plans with the fewest bars found, offcuts are gathered into as few and
// as long pieces as a local search can reach. Every piece must fit an empty bar.
TPacking Pack(const std::vector<TDemand>& demand, const TBarStock& stock,
              std::chrono::milliseconds limit = std::chrono::milliseconds(200));

// First-fit decreasing, as a workshop would plan by hand (comparison and starting plan).
std::vector<TBar> FirstFitDecreasing(const std::vector<TDemand>& demand, const TBarStock& stock);

// The largest of the continuous bound ⌈Σ(piece + kerf) ÷ (usable + kerf)⌉, Martello and Toth's L2, the
// bound of at most ⌊C ÷ s⌋ pieces of size s or more in a bar, and Fekete and Schepers' u(k), k = 1 … 8.
int LowerBound(const std::vector<TDemand>& demand, const TBarStock& stock);

// The larger of LowerBound and the rounded-up value of the linear relaxation over cutting patterns
// (Gilmore and Gomory), by column generation within the time limit and checked in whole numbers.
int PatternLowerBound(const std::vector<TDemand>& demand, const TBarStock& stock,
                      std::chrono::milliseconds limit = std::chrono::milliseconds(1000));

} // namespace BarPacking
