#include "support/GuillotineCheck.h"

#include <algorithm>
#include <map>

namespace GuillotineCheck {

using namespace SheetPacking;

namespace {

struct TBox {
    Length x0, y0, x1, y1; // the region, real lengths
};

Length lo(const TPlacement& p, bool alongY) {
    return alongY ? p.y : p.x;
}
Length hi(const TPlacement& p, bool alongY) {
    return alongY ? p.y + p.height : p.x + p.width;
}

// Cuts of one stage across the axis `alongY` (horizontal cuts when true) split the pieces into
// groups with at least a kerf between them; each group's region is as tight as its pieces.
bool cut(std::vector<TPlacement> pieces, const TBox& box, Length kerf, bool alongY, int stagesLeft) {
    if (pieces.empty()) return true;
    if (pieces.size() == 1) {
        const TPlacement& p = pieces.front();
        const bool exactX = p.x == box.x0 && p.x + p.width == box.x1;
        const bool exactY = p.y == box.y0 && p.y + p.height == box.y1;
        if (exactX && exactY) return true;
        // The last trimming cut(s), all in one direction, free the piece.
        if (stagesLeft <= 0) return exactX || exactY;
    }
    if (stagesLeft <= 0) return false;
    std::sort(pieces.begin(), pieces.end(),
              [alongY](const TPlacement& a, const TPlacement& b) { return lo(a, alongY) < lo(b, alongY); });
    std::vector<std::vector<TPlacement>> groups;
    Length groupEnd = 0;
    for (const TPlacement& p : pieces) {
        if (groups.empty() || lo(p, alongY) < groupEnd + kerf) {
            if (groups.empty()) groups.emplace_back();
            groups.back().push_back(p);
            groupEnd = std::max(groupEnd, hi(p, alongY));
        } else {
            groups.push_back({p});
            groupEnd = hi(p, alongY);
        }
    }
    for (const auto& group : groups) {
        Length a = lo(group.front(), alongY), b = 0;
        for (const TPlacement& p : group) {
            a = std::min(a, lo(p, alongY));
            b = std::max(b, hi(p, alongY));
        }
        TBox sub = box;
        if (alongY) {
            sub.y0 = a;
            sub.y1 = b;
        } else {
            sub.x0 = a;
            sub.x1 = b;
        }
        // A stage that cannot divide the pieces still spends its stage, as on the saw.
        if (!cut(group, sub, kerf, !alongY, stagesLeft - 1)) return false;
    }
    return true;
}

} // namespace

bool cuttable(const std::vector<TPlacement>& pieces, Length x0, Length y0, Length x1, Length y1, Length kerf,
              int stages) {
    const int limit = stages <= 0 ? 1000 : stages;
    const TBox box{x0, y0, x1, y1};
    return cut(pieces, box, kerf, true, limit) || cut(pieces, box, kerf, false, limit);
}

QString check(const TSheetJob& job, const TSheetPlan& plan) {
    std::map<int, const TStockSheet*> stockById;
    for (const TStockSheet& s : job.stock)
        stockById[s.id] = &s;
    std::map<int, const TPieceDemand*> demandById;
    std::map<int, int> placed;
    for (const TPieceDemand& d : job.pieces)
        demandById[d.id] = &d;
    std::map<int, int> sheetsOfStock;
    for (std::size_t n = 0; n < plan.sheets.size(); ++n) {
        const TSheet& sheet = plan.sheets[n];
        const QString where = QStringLiteral("sheet %1: ").arg(n + 1);
        if (!stockById.count(sheet.stock)) return where + QStringLiteral("unknown stock %1").arg(sheet.stock);
        const TStockSheet& stock = *stockById[sheet.stock];
        ++sheetsOfStock[sheet.stock];
        const Length x0 = job.trim.left, y0 = job.trim.bottom;
        const Length x1 = stock.width - job.trim.right, y1 = stock.height - job.trim.top;
        for (std::size_t i = 0; i < sheet.pieces.size(); ++i) {
            const TPlacement& p = sheet.pieces[i];
            if (!demandById.count(p.piece)) return where + QStringLiteral("unknown piece %1").arg(p.piece);
            const TPieceDemand& d = *demandById[p.piece];
            const bool upright = !p.rotated && p.width == d.width && p.height == d.height;
            const bool turned = p.rotated && d.rotate && p.width == d.height && p.height == d.width;
            if (!upright && !turned) return where + QStringLiteral("piece %1 has the wrong size or turn").arg(p.piece);
            if (p.x < x0 || p.y < y0 || p.x + p.width > x1 || p.y + p.height > y1)
                return where + QStringLiteral("piece %1 outside the trimmed sheet").arg(p.piece);
            ++placed[p.piece];
            for (std::size_t j = 0; j < i; ++j) {
                const TPlacement& q = sheet.pieces[j];
                const bool apartX = p.x >= q.x + q.width + job.kerf || q.x >= p.x + p.width + job.kerf;
                const bool apartY = p.y >= q.y + q.height + job.kerf || q.y >= p.y + p.height + job.kerf;
                if (!apartX && !apartY)
                    return where +
                           QStringLiteral("pieces %1 and %2 overlap or lack the kerf").arg(q.piece).arg(p.piece);
            }
        }
        if (!cuttable(sheet.pieces, x0, y0, x1, y1, job.kerf, job.stages))
            return where + QStringLiteral("not cuttable in %1 stages").arg(job.stages);
        for (std::size_t c = 1; c < sheet.cuts.size(); ++c)
            if (sheet.cuts[c].stage < sheet.cuts[c - 1].stage) return where + QStringLiteral("cuts out of stage order");
        for (const TRemnant& r : sheet.remnants) {
            if (r.x < x0 || r.y < y0 || r.x + r.width > x1 || r.y + r.height > y1)
                return where + QStringLiteral("remnant outside the trimmed sheet");
            for (const TPlacement& p : sheet.pieces)
                if (r.x < p.x + p.width && p.x < r.x + r.width && r.y < p.y + p.height && p.y < r.y + r.height)
                    return where + QStringLiteral("remnant over piece %1").arg(p.piece);
        }
    }
    for (const auto& [id, count] : sheetsOfStock)
        if (stockById[id]->count >= 0 && count > stockById[id]->count)
            return QStringLiteral("stock %1 used %2 times, %3 to be had").arg(id).arg(count).arg(stockById[id]->count);
    for (const TUnplaced& u : plan.unplaced)
        placed[u.piece] += u.count;
    std::map<int, int> demanded;
    for (const TPieceDemand& d : job.pieces)
        demanded[d.id] += std::max(0, d.count);
    for (const auto& [id, count] : demanded)
        if (placed[id] != count)
            return QStringLiteral("piece %1 placed or listed %2 times, %3 demanded").arg(id).arg(placed[id]).arg(count);
    for (const auto& [id, count] : placed)
        if (!demanded.count(id) && count > 0) return QStringLiteral("piece %1 was never demanded").arg(id);
    return QString();
}

} // namespace GuillotineCheck
