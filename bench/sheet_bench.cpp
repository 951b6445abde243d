// The sheet optimiser on the classic two-dimensional bin packing classes (Berkey and Wang 1–6,
// Martello and Vigo 7–10, generated as published), on guillotine perfect packings (Hopper's "t"
// kind: one 200 × 200 sheet cut into 17 to 199 pieces) and on 1 000 realistic orders' panel and
// glass lists: per class the sheets used, the lower bound, how many plans are proven, and the
// median and maximum time.
//
// Usage: bench_sheet [--limit MS] [--instances N]   (defaults: 1000 ms, 10 instances per size;
// --instances 0 skips the classic classes)
#include "cutting/SheetPacking.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>

namespace {

using namespace SheetPacking;

struct TStats {
    int runs = 0, sheets = 0, bound = 0, proven = 0, withinOne = 0, perfect = 0;
    std::vector<double> ms;

    void add(const TSheetPlan& plan) {
        ++runs;
        const int used = static_cast<int>(plan.sheets.size());
        sheets += used;
        bound += plan.lowerBound;
        proven += plan.proven;
        withinOne += used <= plan.lowerBound + 1;
        perfect += used == 1;
        ms.push_back(plan.seconds * 1000);
    }
    void print(const char* title) const {
        if (ms.empty()) return; // no instances asked for
        std::vector<double> sorted = ms;
        std::sort(sorted.begin(), sorted.end());
        std::printf(
            "%-34s %5d runs  sheets %6d  bound %6d  proven %5d  within one %5d  one sheet %5d  median %8.2f ms  "
            "max %8.2f ms\n",
            title, runs, sheets, bound, proven, withinOne, perfect, sorted[sorted.size() / 2], sorted.back());
        std::fflush(stdout);
    }
};

Length uniform(std::mt19937& rng, Length low, Length high) {
    return std::uniform_int_distribution<Length>(low, high)(rng);
}

TSheetJob squareJob(Length side, int stages, std::chrono::milliseconds limit) {
    TSheetJob job;
    job.stock = {{1, side, side, -1, 1, false}};
    job.stages = stages;
    job.limit = limit;
    return job;
}

// Berkey and Wang's classes: sizes uniform in [1, s] on a square bin of side S.
TSheetJob berkeyWang(int cls, int n, std::mt19937& rng, std::chrono::milliseconds limit) {
    static const Length sizes[6][2] = {{10, 10}, {10, 30}, {35, 40}, {35, 100}, {100, 100}, {100, 300}};
    const Length s = sizes[cls - 1][0];
    TSheetJob job = squareJob(sizes[cls - 1][1], 3, limit);
    for (int i = 0; i < n; ++i)
        job.pieces.push_back({i + 1, uniform(rng, 1, s), uniform(rng, 1, s), 1, false});
    return job;
}

// Martello and Vigo's classes on a 100 × 100 bin: one of four item types with probability 70 %,
// the others 10 % each.
TSheetJob martelloVigo(int cls, int n, std::mt19937& rng, std::chrono::milliseconds limit) {
    TSheetJob job = squareJob(100, 3, limit);
    const Length W = 100, H = 100;
    for (int i = 0; i < n; ++i) {
        const int draw = static_cast<int>(uniform(rng, 0, 9));
        int type = cls - 6; // 1..4
        if (draw >= 7) {
            int other = draw - 6; // 1..3: the other three types in order
            type = other >= type ? other + 1 : other;
        }
        Length w = 0, h = 0;
        switch (type) {
        case 1:
            w = uniform(rng, 2 * W / 3, W), h = uniform(rng, 1, H / 2);
            break;
        case 2:
            w = uniform(rng, 1, W / 2), h = uniform(rng, 2 * H / 3, H);
            break;
        case 3:
            w = uniform(rng, W / 2, W), h = uniform(rng, H / 2, H);
            break;
        default:
            w = uniform(rng, 1, W / 2), h = uniform(rng, 1, H / 2);
            break;
        }
        job.pieces.push_back({i + 1, w, h, 1, false});
    }
    return job;
}

// Hopper's kind of perfect packing: a sheet cut by random guillotine cuts into `n` pieces.
TSheetJob perfectPacking(Length side, int n, std::mt19937& rng, std::chrono::milliseconds limit) {
    struct TRect {
        Length w, h;
    };
    std::vector<TRect> parts{{side, side}};
    while (static_cast<int>(parts.size()) < n) {
        const std::size_t i = static_cast<std::size_t>(uniform(rng, 0, static_cast<Length>(parts.size()) - 1));
        const TRect r = parts[i];
        const bool vertical = r.w > r.h || (r.w == r.h && rng() % 2);
        const Length length = vertical ? r.w : r.h;
        if (length < 2) continue;
        const Length at = uniform(rng, 1, length - 1);
        parts.erase(parts.begin() + static_cast<long>(i));
        if (vertical)
            parts.insert(parts.end(), {{at, r.h}, {r.w - at, r.h}});
        else
            parts.insert(parts.end(), {{r.w, at}, {r.w, r.h - at}});
    }
    TSheetJob job = squareJob(side, 0, limit);
    for (const TRect& r : parts)
        job.pieces.push_back({static_cast<int>(job.pieces.size()) + 1, r.w, r.h, 1, false});
    return job;
}

// One order of sliding doors, in tenths of a millimetre: 2 to 4 doors of one design, 600 to
// 1 200 mm wide and 2 000 to 2 700 mm high, each divided into 1 to 5 fields of decor panel (grain:
// fixed) or glass (may turn), the field 56 mm narrower than the door and its share of the height
// less 30 mm of rails.
void realisticOrder(std::mt19937& rng, TSheetJob& panels, TSheetJob& glass) {
    const int doors = static_cast<int>(uniform(rng, 2, 4));
    const Length doorWidth = uniform(rng, 6000, 12000);
    const Length doorHeight = uniform(rng, 20000, 27000);
    const int fields = static_cast<int>(uniform(rng, 1, 5));
    std::vector<Length> shares;
    Length rest = doorHeight;
    for (int f = 0; f < fields; ++f) {
        const Length share =
            f + 1 == fields ? rest : std::max<Length>(2000, rest / (fields - f) + uniform(rng, -1500, 1500));
        shares.push_back(std::min(share, rest - 2000 * (fields - f - 1)));
        rest -= shares.back();
    }
    for (int f = 0; f < fields; ++f) {
        const bool isGlass = uniform(rng, 0, 2) == 0;
        TSheetJob& job = isGlass ? glass : panels;
        job.pieces.push_back({static_cast<int>(job.pieces.size()) + 1, doorWidth - 560,
                              shares[static_cast<std::size_t>(f)] - 300, doors, isGlass});
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    std::chrono::milliseconds limit(1000);
    int perSize = 10;
    const qsizetype limitAt = args.indexOf(QStringLiteral("--limit"));
    if (limitAt >= 0 && limitAt + 1 < args.size()) limit = std::chrono::milliseconds(args.at(limitAt + 1).toInt());
    const qsizetype instancesAt = args.indexOf(QStringLiteral("--instances"));
    if (instancesAt >= 0 && instancesAt + 1 < args.size()) perSize = args.at(instancesAt + 1).toInt();
    std::printf("time limit %lld ms, %d instances per class and size (20, 40, 60, 80, 100 pieces)\n",
                static_cast<long long>(limit.count()), perSize);

    TStats classic;
    for (int cls = 1; cls <= 10; ++cls) {
        std::mt19937 rng(static_cast<unsigned>(1000 + cls));
        TStats stats;
        for (int n = 20; n <= 100; n += 20)
            for (int i = 0; i < perSize; ++i) {
                const TSheetJob job = cls <= 6 ? berkeyWang(cls, n, rng, limit) : martelloVigo(cls, n, rng, limit);
                const TSheetPlan plan = Pack(job);
                stats.add(plan);
                classic.add(plan);
            }
        const QByteArray title = QStringLiteral("class %1 (%2, 3 stages)")
                                     .arg(cls)
                                     .arg(cls <= 6 ? QStringLiteral("Berkey-Wang") : QStringLiteral("Martello-Vigo"))
                                     .toUtf8();
        stats.print(title.constData());
    }
    classic.print("classes 1-10 together");

    {
        std::mt19937 rng(35);
        TStats stats;
        for (int i = 0; i < 35; ++i)
            stats.add(Pack(perfectPacking(200, 17 + (199 - 17) * i / 34, rng, limit)));
        stats.print("perfect 200 x 200, 17-199 pieces");
    }

    {
        std::mt19937 rng(2026);
        TStats panels, glass;
        const std::chrono::milliseconds orderLimit(std::min<long long>(limit.count(), 200));
        for (int order = 0; order < 1000; ++order) {
            TSheetJob panelJob;
            panelJob.stock = {{1, 28000, 20700, -1, 1, false}};
            panelJob.kerf = 40;
            panelJob.limit = orderLimit;
            TSheetJob glassJob;
            glassJob.stock = {{1, 32100, 22500, -1, 1, false}};
            glassJob.limit = orderLimit;
            realisticOrder(rng, panelJob, glassJob);
            if (!panelJob.pieces.empty()) panels.add(Pack(panelJob));
            if (!glassJob.pieces.empty()) glass.add(Pack(glassJob));
        }
        panels.print("orders: panels 2800 x 2070, kerf 4");
        glass.print("orders: glass 3210 x 2250");
    }
    return 0;
}
