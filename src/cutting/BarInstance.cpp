#include "cutting/BarInstance.h"

#include <functional>
#include <map>

namespace BarPacking {

TInstance MakeInstance(const std::vector<TDemand>& demand, const TBarStock& stock) {
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

} // namespace BarPacking
