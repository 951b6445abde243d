// The bar cutting plan on 1 000 random orders as workshops make them, on large orders, on the classic
// one-dimensional sets (Falkenauer, Schwerin and Wäscher, CUTGEN1) and on bars cut whole into random
// pieces: how many plans are proven optimal, the worst gap to the lower bound, the time per plan.
#include "cutting/BarPacking.h"
#include "model/NumberText.h"
#include "production/CuttingPlan.h"
#include "production/ProductionSheet.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

struct TStats {
    int runs = 0, proven = 0, worstGap = 0, gapRuns = 0, provenAboveBound = 0, knownRuns = 0, atKnown = 0;
    std::vector<double> ms;

    // `known`: the optimum the instance was built with, or 0 when it is not known.
    void add(bool isProven, int gap, double time, int bars = 0, int known = 0) {
        ++runs;
        knownRuns += known > 0;
        atKnown += known > 0 && bars == known;
        proven += isProven;
        worstGap = std::max(worstGap, gap);
        gapRuns += gap > 0;
        provenAboveBound += gap > 0 && isProven;
        ms.push_back(time);
    }
    void print(const char* title) {
        std::sort(ms.begin(), ms.end());
        std::printf("%s: %d runs, %d proven optimal; worst gap to the lower bound %d bar(s), %d plans above "
                    "their bound (%d of them proven by the search); median %.3f ms, max %.3f ms\n",
                    title, runs, proven, worstGap, gapRuns, provenAboveBound, ms[ms.size() / 2], ms.back());
        if (knownRuns > 0) std::printf("    %d of %d at the optimum they were built with\n", atKnown, knownRuns);
        std::fflush(stdout);
    }
};

double cm(std::mt19937& random, double low, double high) {
    return NumberText::round2(std::uniform_real_distribution<double>(low, high)(random));
}

int whole(std::mt19937& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

void addLine(TProductionSheet& sheet, double length, const char* kind, int count) {
    const QString line =
        NumberText::fromFloat(NumberText::round2(length)) + QStringLiteral(" cm ") + QString::fromUtf8(kind);
    const qsizetype at = sheet.profilname.indexOf(line);
    if (at >= 0) {
        sheet.profiladet[at] = NumberText::fromInt(NumberText::toInt(sheet.profiladet[at]) + count);
        return;
    }
    sheet.profilname << line;
    sheet.profiladet << NumberText::fromInt(count);
}

// The cut list of a random order: 2 to 6 doors, 1 to 6 divisions, splits, 1 to 10 cabinets, with the
// default profile group's allowances.
TProductionSheet randomOrder(std::mt19937& random, int fewestCabinets = 1, int mostCabinets = 10, int fewestDoors = 2) {
    TProductionSheet sheet;
    const int doors = whole(random, fewestDoors, 6);
    const int cabinets = whole(random, fewestCabinets, mostCabinets);
    const double width = cm(random, 60.0 * doors, std::min(110.0 * doors, 590.0));
    const double height = cm(random, 200, 280);
    const double doorHeight = height - 3.5;
    const double outside = 1.5;
    addLine(sheet, width, "Üst Ray", cabinets);
    addLine(sheet, width, "Alt Ray", cabinets);
    addLine(sheet, doorHeight, "Yan Profil", 2 * doors * cabinets);
    // Doors share the opening with one overlap of a side profile; now and then one door is locked wider.
    std::vector<double> widths(static_cast<std::size_t>(doors), NumberText::round2((width + 3 * (doors - 1)) / doors));
    if (whole(random, 0, 3) == 0) {
        widths[0] += 10;
        for (int d = 1; d < doors; ++d)
            widths[static_cast<std::size_t>(d)] =
                NumberText::round2(widths[static_cast<std::size_t>(d)] - 10.0 / (doors - 1));
    }
    for (const char* kind : {"Üst Profil", "Alt Profil"})
        for (double w : widths)
            addLine(sheet, w - 2 * outside, kind, cabinets);
    for (double w : widths) {
        const int divisions = whole(random, fewestCabinets > 1 ? 3 : 1, 6);
        const bool horizontal = whole(random, 0, 9) < 7;
        if (horizontal)
            addLine(sheet, w - 2 * outside, "Yatay Orta Profil", (divisions - 1) * cabinets);
        else
            addLine(sheet, doorHeight - 7.3, "Dikey Orta Profil", (divisions - 1) * cabinets);
        for (int d = 0; d < divisions; ++d) {
            if (whole(random, 0, 4) != 0) continue;
            const int separators = whole(random, 1, 2);
            if (horizontal)
                addLine(sheet, doorHeight / divisions - 2.5, "Dikey Orta Profil", separators * cabinets);
            else
                addLine(sheet, w / divisions - 2.5, "Yatay Orta Profil", separators * cabinets);
        }
    }
    return sheet;
}

using BarPacking::Length;

std::vector<BarPacking::TDemand> merged(std::vector<Length> pieces) {
    std::sort(pieces.begin(), pieces.end());
    std::vector<BarPacking::TDemand> demand;
    for (Length piece : pieces) {
        if (!demand.empty() && demand.back().length == piece)
            ++demand.back().count;
        else
            demand.push_back({piece, 1});
    }
    return demand;
}

// Falkenauer's triplets (1996): bars of 1000, the first piece of each bar uniform in 380 … 490,
// the second uniform between 250 and half the room left, the third the rest; the optimum is n ÷ 3.
std::vector<BarPacking::TDemand> triplets(std::mt19937& random, int bars) {
    std::vector<Length> pieces;
    for (int b = 0; b < bars; ++b) {
        const int first = whole(random, 380, 490);
        const int second = whole(random, 250, (1000 - first) / 2);
        pieces.insert(pieces.end(), {first, second, 1000 - first - second});
    }
    return merged(pieces);
}

std::vector<BarPacking::TDemand> uniform(std::mt19937& random, int count, int low, int high) {
    std::vector<Length> pieces;
    for (int i = 0; i < count; ++i)
        pieces.push_back(whole(random, low, high));
    return merged(pieces);
}

// Gau and Wäscher's CUTGEN1 (1995), the generator of Wäscher and Gau's hard instances (1996): m piece
// types of length ⌊(v1 + (v2 − v1)·r)·L + r'⌋ and a total demand of m·d shared out at random.
std::vector<BarPacking::TDemand> cutgen(std::mt19937& random, int types, Length capacity, double v1, double v2,
                                        int averageDemand) {
    std::uniform_real_distribution<double> r(0, 1);
    std::vector<Length> lengths;
    for (int i = 0; i < types; ++i)
        lengths.push_back(
            static_cast<Length>((v1 + (v2 - v1) * r(random)) * static_cast<double>(capacity) + r(random)));
    std::vector<double> share;
    double sum = 0;
    for (int i = 0; i < types; ++i) {
        share.push_back(r(random));
        sum += share.back();
    }
    std::vector<Length> pieces;
    int given = 0;
    for (int i = 0; i < types; ++i) {
        int count =
            i + 1 < types
                ? std::max(1, static_cast<int>(share[static_cast<std::size_t>(i)] / sum * types * averageDemand + 0.5))
                : std::max(1, types * averageDemand - given);
        given += count;
        pieces.insert(pieces.end(), static_cast<std::size_t>(count), lengths[static_cast<std::size_t>(i)]);
    }
    return merged(pieces);
}

// Workshop bars of 600 cm with a 0,5 cm trim at each end and a 0,4 cm kerf, each cut whole into
// random pieces of 40 to 250 cm: the optimum is the number of bars.
std::vector<BarPacking::TDemand> perfectCuts(std::mt19937& random, int bars, const BarPacking::TBarStock& stock) {
    std::vector<Length> pieces;
    for (int b = 0; b < bars; ++b) {
        Length room = stock.usable;
        while (room > 25000) {
            const Length piece =
                whole(random, 4000, static_cast<int>(std::min<Length>(25000, room - stock.kerf - 4000)));
            pieces.push_back(piece);
            room -= piece + stock.kerf;
        }
        pieces.push_back(room);
    }
    return merged(pieces);
}

int pieceCount(const std::vector<BarPacking::TDemand>& demand) {
    int count = 0;
    for (const auto& d : demand)
        count += d.count;
    return count;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    std::mt19937 random(20261211);
    // An argument runs only the sets whose title contains it; the others' instances are still drawn,
    // so each set gets the same instances as in a full run.
    const std::string only = argc > 1 ? argv[1] : "";
    auto chosen = [&](const std::string& title) { return only.empty() || title.find(only) != std::string::npos; };

    TStats orders;
    const TCuttingSettings settings;
    for (int i = 0; i < 1000; ++i) {
        const TProductionSheet sheet = randomOrder(random);
        if (!chosen("realistic orders")) continue;
        const auto start = Clock::now();
        const TCuttingPlan plan = MakeCuttingPlan(sheet, settings);
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        orders.add(plan.proven(), plan.bars() - plan.lowerBound(), ms);
    }
    if (chosen("realistic orders")) orders.print("realistic orders");

    // Orders of 3 000 to 10 000 pieces: 4 to 6 doors of 3 to 6 divisions, 20 to 50 cabinets.
    TStats large;
    for (int made = 0; made < 30;) {
        const TProductionSheet sheet = randomOrder(random, 20, 50, 4);
        int pieces = 0;
        for (const QString& count : sheet.profiladet)
            pieces += NumberText::toInt(count);
        if (pieces < 3000 || pieces > 10000) continue;
        ++made;
        if (!chosen("large orders")) continue;
        const auto start = Clock::now();
        const TCuttingPlan plan = MakeCuttingPlan(sheet, settings);
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        large.add(plan.proven(), plan.bars() - plan.lowerBound(), ms);
    }
    if (chosen("large orders")) large.print("large orders (3 000 to 10 000 pieces)");

    // The classic sets, each instance with the cutting tool's job limit: 1 s up to 120 pieces or 50
    // bars, 5 s beyond. `known` is the optimum an instance was built with (0: not known).
    struct THard {
        std::string title;
        int runs;
        std::function<std::vector<BarPacking::TDemand>()> make;
        BarPacking::TBarStock stock;
        int known;
    };
    const BarPacking::TBarStock workshop{60000 - 2 * 50, 40};
    std::vector<THard> hard;
    for (int n : {120, 250, 500, 1000})
        hard.push_back({"Falkenauer uniform u" + std::to_string(n),
                        10,
                        [&random, n] { return uniform(random, n, 20, 100); },
                        {150, 0},
                        0});
    for (int n : {60, 120, 249, 501})
        hard.push_back({"Falkenauer triplets t" + std::to_string(n),
                        10,
                        [&random, n] { return triplets(random, n / 3); },
                        {1000, 0},
                        n / 3});
    hard.push_back({"Schwerin 1 (100 pieces of 150 to 200 in 1000)",
                    20,
                    [&random] { return uniform(random, 100, 150, 200); },
                    {1000, 0},
                    0});
    hard.push_back({"Schwerin 2 (120 pieces of 150 to 200 in 1000)",
                    20,
                    [&random] { return uniform(random, 120, 150, 200); },
                    {1000, 0},
                    0});
    hard.push_back({"Waescher (CUTGEN1, L 10000, 20 types, 0,1 to 0,5 of a bar, demand 5)",
                    20,
                    [&random] { return cutgen(random, 20, 10000, 0.1, 0.5, 5); },
                    {10000, 0},
                    0});
    hard.push_back({"Waescher (CUTGEN1, L 10000, 40 types, 0,01 to 0,8 of a bar, demand 5)",
                    20,
                    [&random] { return cutgen(random, 40, 10000, 0.01, 0.8, 5); },
                    {10000, 0},
                    0});
    for (int bars : {50, 100, 200, 400, 600})
        hard.push_back({"perfect cuts, " + std::to_string(bars) + " bars", bars >= 400 ? 5 : 10,
                        [&random, bars, workshop] { return perfectCuts(random, bars, workshop); }, workshop, bars});
    for (const THard& h : hard) {
        TStats stats;
        for (int run = 0; run < h.runs; ++run) {
            const auto demand = h.make();
            if (!chosen(h.title)) continue;
            const int pieces = pieceCount(demand);
            const bool small = pieces <= 120 || (h.known > 0 && h.known <= 50);
            const auto start = Clock::now();
            const BarPacking::TPacking packing =
                BarPacking::Pack(demand, h.stock, std::chrono::milliseconds(small ? 1000 : 5000));
            const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            const int bars = static_cast<int>(packing.bars.size());
            stats.add(packing.proven, bars - packing.lowerBound, ms, bars, h.known);
        }
        if (chosen(h.title)) stats.print(h.title.c_str());
    }
    return 0;
}
