#include "cutting/SheetPacking.h"

#include "cutting/BarPacking.h"
#include "cutting/ExactTiling.h"
#include "cutting/GuillotineTree.h"
#include "cutting/PerfectMerge.h"
#include "cutting/SheetInstance.h"

#include <algorithm>
#include <limits>
#include <map>
#include <numeric>
#include <random>

// Anytime multi-start: each round builds a whole plan sheet by sheet, every sheet filled greedily
// with guillotine parts (SheetFill) on the stock kind that serves best, the rounds varying the
// first stage's direction, the strip leaders and the pieces' weights. The best plan (cheapest,
// fewest sheets, largest remnant) is kept; the search stops when it meets the lower bound.
namespace SheetPacking {

namespace {

using namespace Detail;
using Clock = std::chrono::steady_clock;

constexpr int k_unlimitedStages = 64;

struct TSheetChoice {
    std::size_t stock = 0; // index into the instance's stock
    TRegion tree;
};

struct TCandidate {
    std::vector<TSheetChoice> sheets;
    std::vector<int> left; // pieces no stock was left for, per kind
    double cost = 0;
    Length largestLeftover = 0;
    bool valid = false;
};

bool better(const TCandidate& a, const TCandidate& b) {
    if (!b.valid) return a.valid;
    if (!a.valid) return false;
    const int unplacedA = std::accumulate(a.left.begin(), a.left.end(), 0);
    const int unplacedB = std::accumulate(b.left.begin(), b.left.end(), 0);
    if (unplacedA != unplacedB) return unplacedA < unplacedB;
    if (a.cost < b.cost - 1e-9) return true;
    if (a.cost > b.cost + 1e-9) return false;
    if (a.sheets.size() != b.sheets.size()) return a.sheets.size() < b.sheets.size();
    return a.largestLeftover > b.largestLeftover;
}

bool anyFits(const TInstance& in, const std::vector<int>& left, const TStockKind& stock) {
    for (std::size_t i = 0; i < in.kinds.size(); ++i)
        if (left[i] > 0 && Fits(in.kinds[i], stock)) return true;
    return false;
}

class TSearch {
public:
    TSearch(const TSheetJob& job, const TInstance& in) : job_(job), in_(in), rng_(20261211) {}

    TCandidate build(const TFillRules& base) {
        TCandidate plan;
        plan.left = in_.count;
        std::vector<int> available;
        for (const TStockKind& s : in_.stock)
            available.push_back(s.count);
        while (std::accumulate(plan.left.begin(), plan.left.end(), 0) > 0) {
            if (Clock::now() > abortAt_) return TCandidate(); // past the time limit: not a plan
            std::size_t bestStock = 0;
            TRegion bestTree;
            std::vector<int> bestLeft;
            double bestValue = -1;
            bool bestTakesAll = false;
            bool bestRemnant = false;
            for (std::size_t s = 0; s < in_.stock.size(); ++s) {
                const TStockKind& stock = in_.stock[s];
                if (available[s] == 0 || !anyFits(in_, plan.left, stock)) continue;
                for (int way = 0; way < 2 * tries_; ++way) {
                    TFillRules rules = base;
                    if (way % 2 == 1) rules.stripsAlongY = !rules.stripsAlongY;
                    if (way >= 2) jiggle(rules);
                    std::vector<int> left = plan.left;
                    TRegion tree = FillSheet(stock.width, stock.height, in_.kinds, left, rules);
                    const Length placed = PlacedArea(tree);
                    if (placed == 0) continue;
                    const bool takesAll = std::accumulate(left.begin(), left.end(), 0) == 0;
                    // Kept remnants first; a sheet that takes every piece left at the lowest cost;
                    // otherwise the most area placed per cost.
                    double value;
                    if (stock.remnant)
                        value = static_cast<double>(placed);
                    else if (takesAll)
                        value =
                            1.0 / (stock.cost + 1e-9) + static_cast<double>(LargestLeftover(tree, job_.kerf)) * 1e-30;
                    else
                        value = static_cast<double>(placed) / static_cast<double>(stock.width * stock.height) /
                                (stock.cost + 1e-9);
                    const bool beats =
                        bestValue < 0 || (stock.remnant && !bestRemnant) ||
                        (stock.remnant == bestRemnant && ((takesAll && !bestTakesAll && !stock.remnant) ||
                                                          (takesAll == bestTakesAll && value > bestValue)));
                    if (beats) {
                        bestValue = value;
                        bestStock = s;
                        bestTree = std::move(tree);
                        bestLeft = std::move(left);
                        bestTakesAll = takesAll;
                        bestRemnant = stock.remnant;
                    }
                }
            }
            if (bestValue < 0) break; // no stock left for the pieces still to place
            plan.left = std::move(bestLeft);
            plan.cost += in_.stock[bestStock].cost;
            if (available[bestStock] > 0) --available[bestStock];
            plan.sheets.push_back({bestStock, std::move(bestTree)});
        }
        for (const TSheetChoice& sheet : plan.sheets)
            plan.largestLeftover = std::max(plan.largestLeftover, LargestLeftover(sheet.tree, job_.kerf));
        plan.valid = true;
        return plan;
    }

    // Hybrid first fit: the pieces laid in strips on one endless sheet, then the strips packed onto
    // sheets by the bar optimiser (one-dimensional bin packing of the strips' heights). For one
    // stock size without remnants.
    TCandidate buildByStrips(const TFillRules& rules, std::chrono::milliseconds limit) {
        TCandidate plan;
        if (in_.stock.size() != 1 || in_.stock.front().remnant || in_.kinds.empty()) return plan;
        const TStockKind& stock = in_.stock.front();
        Length endless = 0;
        for (std::size_t k = 0; k < in_.kinds.size(); ++k)
            endless += std::max(in_.kinds[k].width, in_.kinds[k].height) * in_.count[k];
        std::vector<int> left = in_.count;
        const bool alongY = rules.stripsAlongY;
        TRegion tall =
            FillSheet(alongY ? stock.width : endless, alongY ? endless : stock.height, in_.kinds, left, rules);
        if (std::accumulate(left.begin(), left.end(), 0) > 0 || tall.parts.empty()) return plan;
        const Length k = job_.kerf;
        const Length extent = alongY ? stock.height : stock.width;
        std::map<Length, std::vector<TRegion>> strips; // by their effective length
        for (TRegion& strip : tall.parts)
            strips[alongY ? strip.height : strip.width].push_back(std::move(strip));
        std::vector<BarPacking::TDemand> demand;
        for (const auto& [length, group] : strips)
            demand.push_back({length - k, static_cast<int>(group.size())});
        const BarPacking::TPacking packing = BarPacking::Pack(demand, {extent - k, k}, limit);
        if (stock.count >= 0 && static_cast<int>(packing.bars.size()) > stock.count) return plan;
        for (const BarPacking::TBar& bar : packing.bars) {
            TRegion sheet;
            sheet.alongY = alongY;
            sheet.width = stock.width;
            sheet.height = stock.height;
            for (Length piece : bar.pieces) {
                std::vector<TRegion>& group = strips[piece + k];
                sheet.parts.push_back(std::move(group.back()));
                group.pop_back();
            }
            plan.largestLeftover = std::max(plan.largestLeftover, LargestLeftover(sheet, k));
            plan.sheets.push_back({0, std::move(sheet)});
        }
        plan.left.assign(in_.kinds.size(), 0);
        plan.cost = stock.cost * static_cast<double>(plan.sheets.size());
        plan.valid = true;
        return plan;
    }

    // A one-sheet plan by joining neighbours (PerfectMerge), on the cheapest sheet that may hold all.
    TCandidate joinIntoOneSheet(Clock::time_point deadline) {
        TCandidate plan;
        Length area = 0;
        for (std::size_t i = 0; i < in_.kinds.size(); ++i)
            area += in_.kinds[i].width * in_.kinds[i].height * in_.count[i];
        std::size_t chosen = in_.stock.size();
        for (std::size_t s = 0; s < in_.stock.size(); ++s)
            // Joins of neighbours rarely leave room for waste: only sheets the pieces nearly fill.
            if (in_.stock[s].width * in_.stock[s].height >= area &&
                static_cast<double>(area) >= 0.95 * static_cast<double>(in_.stock[s].width * in_.stock[s].height) &&
                (chosen == in_.stock.size() || in_.stock[s].cost < in_.stock[chosen].cost))
                chosen = s;
        if (chosen == in_.stock.size()) return plan;
        const Clock::time_point slice = std::min(deadline, Clock::now() + std::chrono::milliseconds(20));
        TRegion tree;
        // Pieces whose area is exactly the sheet's: once, a depth-first exact tiling with a share of
        // the time left.
        const TStockKind& sheet = in_.stock[chosen];
        if (!tiled_ && area == sheet.width * sheet.height && job_.stages <= 0) {
            tiled_ = true;
            const Clock::time_point share = Clock::now() + (deadline - Clock::now()) * 2 / 5;
            if (TileExactly(sheet.width, sheet.height, in_.kinds, in_.count, share, tree)) {
                plan.left.assign(in_.kinds.size(), 0);
                plan.cost = sheet.cost;
                plan.sheets.push_back({chosen, std::move(tree)});
                plan.valid = true;
                return plan;
            }
        }
        const int stages = job_.stages <= 0 ? k_unlimitedStages : job_.stages;
        if (!MergeIntoOneSheet(in_.stock[chosen].width, in_.stock[chosen].height, stages, in_.kinds, in_.count, rng_,
                               slice, tree))
            return plan;
        plan.left.assign(in_.kinds.size(), 0);
        plan.cost = in_.stock[chosen].cost;
        plan.largestLeftover = LargestLeftover(tree, job_.kerf);
        plan.sheets.push_back({chosen, std::move(tree)});
        plan.valid = true;
        return plan;
    }

    // Each sheet is filled several times, with the weights varied a little, and the densest kept.
    void setTries(int tries) { tries_ = tries; }
    // Rounds after the first give up at this time; the first always makes a whole plan.
    void setAbortAt(Clock::time_point at) { abortAt_ = at; }

    void jiggle(TFillRules& rules) {
        std::uniform_real_distribution<double> noise(0.85, 1.15);
        for (double& w : rules.weight)
            w *= noise(rng_);
    }

    TFillRules rulesForRound(int round) {
        TFillRules rules;
        rules.stages = job_.stages <= 0 ? k_unlimitedStages : job_.stages;
        rules.stripsAlongY = round % 2 == 0;
        rules.leadByHeight = round % 4 < 2;
        rules.exactBonus = round % 8 < 4 ? 0.0 : 0.3;
        rules.lookahead = (round / 8) % 3;
        rules.hurryAt = abortAt_;
        if (priority_.size() != in_.kinds.size()) priority_.assign(in_.kinds.size(), 1.0);
        rules.weight = round < 4 ? std::vector<double>(in_.kinds.size(), 1.0) : priority_;
        if (round >= 4) {
            const double spread = round < 40 ? 0.1 : 0.3;
            std::uniform_real_distribution<double> noise(1.0 - spread, 1.0 + spread);
            for (double& w : rules.weight)
                w *= noise(rng_);
        }
        return rules;
    }

    // The pieces of a plan's emptiest sheet were the hard ones to place: later rounds place them
    // earlier (iterated greedy with learnt priorities).
    void learnFrom(const TCandidate& plan) {
        if (plan.sheets.size() < 2) return;
        const TSheetChoice* emptiest = nullptr;
        double lowest = 2;
        for (const TSheetChoice& sheet : plan.sheets) {
            const TStockKind& stock = in_.stock[sheet.stock];
            const double fill =
                static_cast<double>(PlacedArea(sheet.tree)) / static_cast<double>(stock.width * stock.height);
            if (fill < lowest) {
                lowest = fill;
                emptiest = &sheet;
            }
        }
        std::vector<bool> hard(in_.kinds.size(), false);
        markKinds(emptiest->tree, hard);
        for (std::size_t k = 0; k < hard.size(); ++k)
            if (hard[k]) priority_[k] = std::min(priority_[k] * 1.15, 20.0);
    }

private:
    const TSheetJob& job_;
    const TInstance& in_;
    static void markKinds(const TRegion& region, std::vector<bool>& marks) {
        if (region.item >= 0) marks[static_cast<std::size_t>(region.item)] = true;
        for (const TRegion& part : region.parts)
            markKinds(part, marks);
    }

    std::mt19937 rng_;
    int tries_ = 1;
    Clock::time_point abortAt_ = Clock::time_point::max();
    bool tiled_ = false;
    std::vector<double> priority_;
};

// The cost no plan of `count` sheets can undercut: the cheapest sheets to be had.
double costBound(const TInstance& in, int count) {
    std::vector<std::pair<double, int>> byCost;
    for (const TStockKind& s : in.stock)
        byCost.push_back({s.cost, s.count});
    std::sort(byCost.begin(), byCost.end());
    double cost = 0;
    for (const auto& [c, n] : byCost) {
        const int take = n < 0 ? count : std::min(count, n);
        cost += c * take;
        count -= take;
        if (count == 0) break;
    }
    return cost;
}

} // namespace

TSheetPlan Pack(const TSheetJob& job) {
    const Clock::time_point start = Clock::now();
    const Clock::time_point deadline = start + job.limit;
    const TInstance in = MakeInstance(job);
    TSheetPlan plan;
    plan.unplaced = in.tooLarge;
    plan.lowerBound = InstanceLowerBound(in);
    const double cheapest = costBound(in, plan.lowerBound);

    TSearch search(job, in);
    TCandidate best;
    for (int round = 0;; ++round) {
        search.setTries(round < 8 ? 1 : 3);
        if (round == 1) search.setAbortAt(deadline);
        TCandidate candidate = search.build(search.rulesForRound(round));
        search.learnFrom(candidate);
        if (better(candidate, best)) best = std::move(candidate);
        if (round % 2 == 0 && static_cast<int>(best.sheets.size()) > plan.lowerBound) {
            TCandidate strips = search.buildByStrips(search.rulesForRound(round + 1), std::chrono::milliseconds(5));
            if (better(strips, best)) best = std::move(strips);
        }
        // Where one sheet may do and the greedy fills need more, joins of neighbours are tried too.
        if (plan.lowerBound == 1 && best.sheets.size() > 1) {
            TCandidate joined = search.joinIntoOneSheet(deadline);
            if (better(joined, best)) best = std::move(joined);
        }
        const bool allPlaced = std::accumulate(best.left.begin(), best.left.end(), 0) == 0;
        plan.proven =
            allPlaced && static_cast<int>(best.sheets.size()) <= plan.lowerBound && best.cost <= cheapest + 1e-9;
        if (plan.proven || in.kinds.empty() || Clock::now() >= deadline) break;
    }

    TSheetFrame frame{job.trim.left, job.trim.bottom, job.kerf, job.minRemnantWidth, job.minRemnantHeight};
    std::vector<TPieceDemand> kindsAsDemand;
    for (int d : in.demand)
        kindsAsDemand.push_back(job.pieces[static_cast<std::size_t>(d)]);
    // Sheets with the most pieces first; the one with the largest leftover last.
    std::stable_sort(best.sheets.begin(), best.sheets.end(), [&](const TSheetChoice& a, const TSheetChoice& b) {
        return LargestLeftover(a.tree, job.kerf) < LargestLeftover(b.tree, job.kerf);
    });
    for (const TSheetChoice& sheet : best.sheets) {
        const int stockId = job.stock[static_cast<std::size_t>(in.stock[sheet.stock].index)].id;
        plan.sheets.push_back(ToSheet(sheet.tree, stockId, kindsAsDemand, frame));
    }
    plan.cost = best.cost;
    for (std::size_t i = 0; i < best.left.size(); ++i)
        if (best.left[i] > 0)
            plan.unplaced.push_back(
                {job.pieces[static_cast<std::size_t>(in.demand[i])].id, best.left[i], TUnplacedReason::StockExhausted});
    plan.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return plan;
}

} // namespace SheetPacking
