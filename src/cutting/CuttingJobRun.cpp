#include "cutting/CuttingJob.h"

#include "cutting/BarPacking.h"

#include <QJsonArray>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <map>
#include <numeric>

namespace CuttingJob {

using namespace SheetPacking;

namespace {

// The bars: the cheapest single stock length that holds every piece, else (and always where kept
// remnants are listed) the stock lengths in turn, remnants first, then cheapest per millimetre,
// each taking as many bars as it has of the fullest ones.
TResult runBars(const TJob& job) {
    TResult result;
    result.kind = TKind::Bars;
    const auto start = std::chrono::steady_clock::now();
    const Length kerf = job.sheets.kerf;
    const auto usable = [&](const TBarStock& s) { return s.length - 2 * job.barTrim; };
    Length longest = 0;
    for (const TBarStock& s : job.barStock)
        if (s.count != 0) longest = std::max(longest, usable(s));
    std::map<Length, std::vector<int>> idsByLength; // pieces to place, by length
    for (const TBarPiece& p : job.barPieces) {
        if (p.count <= 0) continue;
        if (p.length > longest)
            result.unplaced.push_back({p.id, p.count, TUnplacedReason::LargerThanEveryStock});
        else
            for (int i = 0; i < p.count; ++i)
                idsByLength[p.length].push_back(p.id);
    }
    const auto demandOf = [&](Length limit) {
        std::vector<BarPacking::TDemand> demand;
        for (const auto& [length, ids] : idsByLength)
            if (length <= limit && !ids.empty()) demand.push_back({length, static_cast<int>(ids.size())});
        return demand;
    };
    std::vector<std::size_t> order(job.barStock.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const TBarStock& x = job.barStock[a];
        const TBarStock& y = job.barStock[b];
        if (x.remnant != y.remnant) return x.remnant;
        return x.cost / static_cast<double>(x.length) < y.cost / static_cast<double>(y.length);
    });
    // The bound: the longest stock's, for every piece.
    {
        const std::vector<BarPacking::TDemand> all = demandOf(longest);
        if (!all.empty() && longest > 0) result.lowerBound = BarPacking::LowerBound(all, {longest, kerf});
    }
    const auto place = [&](std::size_t stockIndex, const BarPacking::TBar& bar) {
        const TBarStock& s = job.barStock[stockIndex];
        TBar placed;
        placed.stock = s.id;
        Length at = job.barTrim;
        for (Length length : bar.pieces) {
            std::vector<int>& ids = idsByLength[length];
            placed.pieces.push_back({ids.back(), at, length});
            ids.pop_back();
            at += length + kerf;
        }
        const Length end = s.length - job.barTrim;
        if (at < end && end - at >= std::max<Length>(1, job.minOffcut)) placed.remnants.push_back({at, end - at});
        result.cost += s.remnant ? 0 : s.cost;
        result.bars.push_back(placed);
    };
    const auto limit = job.sheets.limit;
    // One stock length for everything, the cheapest that can.
    double bestCost = -1;
    std::size_t bestStock = 0;
    BarPacking::TPacking bestPacking;
    const std::vector<BarPacking::TDemand> all = demandOf(longest);
    // Kept remnants go first, so that the lengths are then used in turn.
    const bool remnants = std::any_of(job.barStock.begin(), job.barStock.end(),
                                      [](const TBarStock& s) { return s.remnant && s.count != 0; });
    for (std::size_t s : order) {
        const TBarStock& stock = job.barStock[s];
        if (all.empty() || stock.count == 0 || remnants) continue;
        if (demandOf(usable(stock)).size() != all.size()) continue;
        BarPacking::TPacking packing =
            BarPacking::Pack(all, {usable(stock), kerf}, limit / static_cast<int>(order.size()));
        if (stock.count >= 0 && static_cast<int>(packing.bars.size()) > stock.count) continue;
        const double cost = (stock.remnant ? 0 : stock.cost) * static_cast<double>(packing.bars.size());
        if (bestCost < 0 || cost < bestCost) {
            bestCost = cost;
            bestStock = s;
            bestPacking = std::move(packing);
        }
    }
    if (bestCost >= 0) {
        for (const BarPacking::TBar& bar : bestPacking.bars)
            place(bestStock, bar);
        result.proven = bestPacking.proven && static_cast<int>(bestPacking.bars.size()) == result.lowerBound;
    } else {
        for (std::size_t s : order) {
            const TBarStock& stock = job.barStock[s];
            const std::vector<BarPacking::TDemand> demand = demandOf(usable(stock));
            if (demand.empty() || stock.count == 0) continue;
            BarPacking::TPacking packing =
                BarPacking::Pack(demand, {usable(stock), kerf}, limit / static_cast<int>(order.size()));
            std::stable_sort(packing.bars.begin(), packing.bars.end(),
                             [](const BarPacking::TBar& a, const BarPacking::TBar& b) { return a.offcut < b.offcut; });
            const std::size_t take =
                stock.count < 0 ? packing.bars.size() : std::min<std::size_t>(stock.count, packing.bars.size());
            for (std::size_t b = 0; b < take; ++b)
                place(s, packing.bars[b]);
        }
        std::map<int, int> left;
        for (const auto& [length, ids] : idsByLength)
            for (int id : ids)
                ++left[id];
        for (const auto& [id, count] : left)
            result.unplaced.push_back({id, count, TUnplacedReason::StockExhausted});
    }
    result.used = static_cast<int>(result.bars.size());
    if (result.used < result.lowerBound && result.unplaced.empty()) result.lowerBound = result.used;
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
}

} // namespace

TResult Run(const TJob& job) {
    if (job.kind == TKind::Bars) return runBars(job);
    TResult result;
    result.kind = TKind::Sheets;
    result.sheetPlan = Pack(job.sheets);
    result.unplaced = result.sheetPlan.unplaced;
    result.used = static_cast<int>(result.sheetPlan.sheets.size());
    result.lowerBound = result.sheetPlan.lowerBound;
    result.proven = result.sheetPlan.proven;
    result.cost = result.sheetPlan.cost;
    result.seconds = result.sheetPlan.seconds;
    return result;
}

namespace {

double mm(Length units) {
    return static_cast<double>(units) / k_unitsPerMm;
}

QString reasonText(TUnplacedReason reason) {
    return reason == TUnplacedReason::LargerThanEveryStock ? QStringLiteral("largerThanEveryStock")
                                                           : QStringLiteral("stockExhausted");
}

} // namespace

QJsonObject ResultToJson(const TJob& job, const TResult& result) {
    QJsonObject root;
    const bool sheets = result.kind == TKind::Sheets;
    root.insert(QStringLiteral("kind"), sheets ? QStringLiteral("sheets") : QStringLiteral("bars"));
    root.insert(QStringLiteral("used"), result.used);
    root.insert(QStringLiteral("lowerBound"), result.lowerBound);
    root.insert(QStringLiteral("proven"), result.proven);
    root.insert(QStringLiteral("cost"), result.cost);
    root.insert(QStringLiteral("seconds"), std::round(result.seconds * 1000) / 1000);
    QJsonArray used;
    if (sheets) {
        for (const TSheet& sheet : result.sheetPlan.sheets) {
            QJsonObject s;
            s.insert(QStringLiteral("stock"), job.stockIds.at(sheet.stock));
            QJsonArray pieces, cuts, remnants;
            for (const TPlacement& p : sheet.pieces)
                pieces.append(QJsonObject{{QStringLiteral("id"), job.pieceIds.at(p.piece)},
                                          {QStringLiteral("x"), mm(p.x)},
                                          {QStringLiteral("y"), mm(p.y)},
                                          {QStringLiteral("width"), mm(p.width)},
                                          {QStringLiteral("height"), mm(p.height)},
                                          {QStringLiteral("rotated"), p.rotated}});
            for (const TCut& c : sheet.cuts)
                cuts.append(QJsonObject{{QStringLiteral("stage"), c.stage},
                                        {QStringLiteral("x1"), mm(c.x1)},
                                        {QStringLiteral("y1"), mm(c.y1)},
                                        {QStringLiteral("x2"), mm(c.x2)},
                                        {QStringLiteral("y2"), mm(c.y2)}});
            for (const TRemnant& r : sheet.remnants)
                remnants.append(QJsonObject{{QStringLiteral("x"), mm(r.x)},
                                            {QStringLiteral("y"), mm(r.y)},
                                            {QStringLiteral("width"), mm(r.width)},
                                            {QStringLiteral("height"), mm(r.height)}});
            s.insert(QStringLiteral("pieces"), pieces);
            s.insert(QStringLiteral("cuts"), cuts);
            s.insert(QStringLiteral("remnants"), remnants);
            used.append(s);
        }
    } else {
        for (const TBar& bar : result.bars) {
            QJsonObject b;
            b.insert(QStringLiteral("stock"), job.stockIds.at(bar.stock));
            QJsonArray pieces, remnants;
            for (const TBarPlacement& p : bar.pieces)
                pieces.append(QJsonObject{{QStringLiteral("id"), job.pieceIds.at(p.piece)},
                                          {QStringLiteral("offset"), mm(p.offset)},
                                          {QStringLiteral("length"), mm(p.length)}});
            for (const auto& [offset, length] : bar.remnants)
                remnants.append(
                    QJsonObject{{QStringLiteral("offset"), mm(offset)}, {QStringLiteral("length"), mm(length)}});
            b.insert(QStringLiteral("pieces"), pieces);
            b.insert(QStringLiteral("remnants"), remnants);
            used.append(b);
        }
    }
    root.insert(QStringLiteral("stockUsed"), used);
    QJsonArray unplaced;
    for (const TUnplaced& u : result.unplaced)
        unplaced.append(QJsonObject{{QStringLiteral("id"), job.pieceIds.at(u.piece)},
                                    {QStringLiteral("count"), u.count},
                                    {QStringLiteral("reason"), reasonText(u.reason)}});
    root.insert(QStringLiteral("unplaced"), unplaced);
    return root;
}

QStringList UnplacedNotes(const TJob& job, const TResult& result) {
    QStringList notes;
    for (const TUnplaced& u : result.unplaced)
        notes << (u.reason == TUnplacedReason::LargerThanEveryStock
                      ? QStringLiteral("piece %1 (%2 of it) fits no stock").arg(job.pieceIds.at(u.piece)).arg(u.count)
                      : QStringLiteral("piece %1 (%2 of it) left over: the stock ran out")
                            .arg(job.pieceIds.at(u.piece))
                            .arg(u.count));
    return notes;
}

} // namespace CuttingJob
