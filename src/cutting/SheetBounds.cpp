#include "cutting/SheetInstance.h"

#include <algorithm>
#include <cmath>
#include <functional>

// Lower bounds on the sheets of any plan: the area bound over the largest sheets to be had, and
// for one sheet size the dual-feasible functions of Fekete and Schepers (u^(k)) and of Carlier,
// Clautiaux and Moukrim (f_0^ε), applied to widths and heights in pairs.
namespace SheetPacking::Detail {

namespace {

// A dual-feasible function on sizes relative to the capacity: values of items that fit together
// in one dimension add up to at most 1.
using Dff = std::function<double(Length size, Length capacity)>;

Dff identity() {
    return [](Length x, Length c) { return static_cast<double>(x) / static_cast<double>(c); };
}

// Fekete and Schepers: u^(k)(x) = x where (k+1)x is whole, else ⌊(k+1)x⌋ / k.
Dff fekete(int k) {
    return [k](Length x, Length c) {
        const Length scaled = x * (k + 1);
        if (scaled % c == 0) return static_cast<double>(x) / static_cast<double>(c);
        return static_cast<double>(scaled / c) / k;
    };
}

// Large items count whole, small ones nothing: x > c − ε → 1, x < ε → 0, else x (ε ≤ c / 2).
Dff largeSmall(Length epsilon) {
    return [epsilon](Length x, Length c) {
        if (x > c - epsilon) return 1.0;
        if (x < epsilon) return 0.0;
        return static_cast<double>(x) / static_cast<double>(c);
    };
}

std::vector<Dff> functionsFor(const std::vector<Length>& sizes, Length capacity) {
    std::vector<Dff> result{identity()};
    for (int k = 1; k <= 6; ++k)
        result.push_back(fekete(k));
    std::vector<Length> eps;
    for (Length s : sizes)
        if (s <= capacity / 2) eps.push_back(s);
    std::sort(eps.begin(), eps.end());
    eps.erase(std::unique(eps.begin(), eps.end()), eps.end());
    // A few thresholds spread over the small sizes keep the bound quick for long lists.
    const std::size_t step = std::max<std::size_t>(1, eps.size() / 12);
    for (std::size_t i = 0; i < eps.size(); i += step)
        result.push_back(largeSmall(eps[i]));
    result.push_back(largeSmall(capacity / 2));
    return result;
}

int dffBound(const TInstance& in, Length width, Length height) {
    std::vector<Length> widths, heights;
    for (const TPieceKind& k : in.kinds) {
        widths.push_back(k.width);
        heights.push_back(k.height);
        if (k.rotate) {
            widths.push_back(k.height);
            heights.push_back(k.width);
        }
    }
    const std::vector<Dff> fs = functionsFor(widths, width);
    const std::vector<Dff> gs = functionsFor(heights, height);
    int best = 0;
    for (const Dff& f : fs)
        for (const Dff& g : gs) {
            double total = 0;
            for (std::size_t i = 0; i < in.kinds.size(); ++i) {
                const TPieceKind& k = in.kinds[i];
                // A piece that may turn counts with the smaller of its values in the ways it fits.
                double value = 1;
                if (k.width <= width && k.height <= height) value = f(k.width, width) * g(k.height, height);
                if (k.rotate && k.height <= width && k.width <= height)
                    value = std::min(value, f(k.height, width) * g(k.width, height));
                total += value * in.count[i];
            }
            best = std::max(best, static_cast<int>(std::ceil(total - 1e-9)));
        }
    return best;
}

int areaBound(const TInstance& in) {
    long double area = 0;
    for (std::size_t i = 0; i < in.kinds.size(); ++i)
        area += static_cast<long double>(in.kinds[i].width) * in.kinds[i].height * in.count[i];
    if (area <= 0) return 0;
    std::vector<long double> sheets; // the largest sheets first, as many as can be had
    long double unlimited = 0;
    for (const TStockKind& s : in.stock) {
        const long double a = static_cast<long double>(s.width) * s.height;
        if (s.count < 0) unlimited = std::max(unlimited, a);
    }
    for (const TStockKind& s : in.stock) {
        const long double a = static_cast<long double>(s.width) * s.height;
        if (s.count > 0 && a > unlimited)
            for (int i = 0; i < s.count && sheets.size() < 100000; ++i)
                sheets.push_back(a);
    }
    std::sort(sheets.begin(), sheets.end(), std::greater<>());
    int n = 0;
    for (long double a : sheets) {
        if (area <= 1e-9L) return n;
        area -= a;
        ++n;
    }
    if (area <= 1e-9L) return n;
    if (unlimited <= 0) return n + 1; // the stock runs out: at least one more than all of it
    return n + static_cast<int>(std::ceil(static_cast<double>(area / unlimited) - 1e-9));
}

} // namespace

int InstanceLowerBound(const TInstance& in) {
    int bound = areaBound(in);
    if (in.kinds.empty()) return 0;
    bool oneSize = !in.stock.empty();
    for (const TStockKind& s : in.stock)
        oneSize = oneSize && s.width == in.stock.front().width && s.height == in.stock.front().height;
    if (oneSize) bound = std::max(bound, dffBound(in, in.stock.front().width, in.stock.front().height));
    return bound;
}

} // namespace SheetPacking::Detail

namespace SheetPacking {

int LowerBound(const TSheetJob& job) {
    return Detail::InstanceLowerBound(Detail::MakeInstance(job));
}

} // namespace SheetPacking
