#include "cutting/SimpleBounds.h"

#include <algorithm>

namespace BarPacking {

// Martello and Toth's L2 (which includes the continuous bound) for the remaining counts.
int BoundL2(const std::vector<Length>& size, const Counts& count, Length capacity) {
    const std::size_t m = size.size();
    Length total = 0;
    for (std::size_t j = 0; j < m; ++j)
        total += size[j] * count[j];
    Length best = CeilDiv(total, capacity);
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
        best = std::max(best, n1 + n2 + CeilDiv(s3 - (n2 * capacity - s2), capacity));
    }
    return static_cast<int>(best);
}

// Bounds from dual feasible functions, strong where few sizes repeat many times: a bar holds at most
// ⌊C ÷ s⌋ pieces of size s or more, and Fekete and Schepers' u(k) for k = 1 … 8.
int BoundDff(const std::vector<Length>& size, const Counts& count, Length capacity) {
    const std::size_t m = size.size();
    Length best = 0;
    Length atLeast = 0;
    for (std::size_t j = 0; j < m; ++j) {
        atLeast += count[j];
        if (count[j] > 0) best = std::max(best, CeilDiv(atLeast, capacity / size[j]));
    }
    for (Length k = 1; k <= 8; ++k) {
        // u(x) = x when (k+1)x is a whole multiple of C, else ⌊(k+1)x ÷ C⌋ ÷ k; summed in units of 1 ÷ kC.
        Length sum = 0;
        for (std::size_t j = 0; j < m; ++j) {
            const Length scaled = (k + 1) * size[j];
            sum += count[j] * (scaled % capacity == 0 ? size[j] * k : scaled / capacity * capacity);
        }
        best = std::max(best, CeilDiv(sum, k * capacity));
    }
    return static_cast<int>(best);
}

} // namespace BarPacking
