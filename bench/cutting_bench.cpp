// The cutting plan on 1 000 random orders as workshops make them and on hard cases built to strain
// the search: how many plans are proven optimal, the worst gap to the lower bound, the time per order.
#include "model/NumberText.h"
#include "cutting/BarPacking.h"
#include "production/CuttingPlan.h"
#include "production/ProductionSheet.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>

namespace {

using Clock = std::chrono::steady_clock;

struct TStats {
    int runs = 0, proven = 0, worstGap = 0, gapRuns = 0, provenAboveBound = 0;
    std::vector<double> ms;

    void add(bool isProven, int gap, double time) {
        ++runs;
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
TProductionSheet randomOrder(std::mt19937& random) {
    TProductionSheet sheet;
    const int doors = whole(random, 2, 6);
    const int cabinets = whole(random, 1, 10);
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
        const int divisions = whole(random, 1, 6);
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

// Triplets that fill bars exactly (Falkenauer's hard kind): the bound is met only by a perfect plan.
std::vector<BarPacking::TDemand> triplets(std::mt19937& random, int bars, Length capacity) {
    std::vector<Length> pieces;
    for (int b = 0; b < bars; ++b) {
        const Length a = whole(random, 25000, 33000);
        const Length c = whole(random, 12000, static_cast<int>(std::min<Length>(capacity - a - 12000, 24000)));
        pieces.insert(pieces.end(), {a, c, capacity - a - c});
    }
    return merged(pieces);
}

std::vector<BarPacking::TDemand> uniform(std::mt19937& random, int count, int low, int high) {
    std::vector<Length> pieces;
    for (int i = 0; i < count; ++i)
        pieces.push_back(whole(random, low, high));
    return merged(pieces);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    std::mt19937 random(20261211);

    TStats orders;
    const TCuttingSettings settings;
    for (int i = 0; i < 1000; ++i) {
        const TProductionSheet sheet = randomOrder(random);
        const auto start = Clock::now();
        const TCuttingPlan plan = MakeCuttingPlan(sheet, settings);
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        orders.add(plan.proven(), plan.bars() - plan.lowerBound(), ms);
    }
    orders.print("realistic orders");

    struct THard {
        const char* title;
        std::function<std::vector<BarPacking::TDemand>()> make;
        BarPacking::TBarStock stock;
    };
    const std::vector<THard> hard{
        {"triplets, 10 bars, no kerf", [&] { return triplets(random, 10, 60000); }, {60000, 0}},
        {"triplets, 20 bars, no kerf", [&] { return triplets(random, 20, 60000); }, {60000, 0}},
        {"triplets, 40 bars, no kerf", [&] { return triplets(random, 40, 60000); }, {60000, 0}},
        {"five 240 cm pieces (bound not tight)",
         [] {
             return std::vector<BarPacking::TDemand>{{24000, 5}};
         },
         {60000, 0}},
        {"two-fifths pieces, 41 of them",
         [] {
             return std::vector<BarPacking::TDemand>{{24000, 41}};
         },
         {60000, 0}},
        {"60 pieces of 100 to 350 cm", [&] { return uniform(random, 60, 10000, 35000); }, {60000, 40}},
        {"120 pieces of 20 to 300 cm", [&] { return uniform(random, 120, 2000, 30000); }, {60000, 40}},
        {"30 pieces just over a third", [&] { return uniform(random, 30, 20020, 21000); }, {60000, 40}},
    };
    for (const THard& h : hard) {
        TStats stats;
        for (int run = 0; run < 20; ++run) {
            const auto demand = h.make();
            const auto start = Clock::now();
            const BarPacking::TPacking packing = BarPacking::Pack(demand, h.stock);
            const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            stats.add(packing.proven, static_cast<int>(packing.bars.size()) - packing.lowerBound, ms);
        }
        stats.print(h.title);
    }
    return 0;
}
