#include "cutting/CuttingJob.h"

#include "cutting/BarPacking.h"
#include "cutting/JsonLines.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <map>
#include <numeric>

namespace CuttingJob {

namespace {

using namespace SheetPacking;

constexpr double k_largestMm = 100000;    // 100 m: anything longer is a mistake
constexpr long long k_mostPieces = 20000; // pieces of one job, counts included
constexpr double k_longestSeconds = 3600;

class TReader {
public:
    TReader(const QByteArray& text, const QString& fileName) : m_lines(text), m_file(fileName) {}

    [[noreturn]] void fail(const QString& path, const QString& what) const {
        const QString where = QStringLiteral("%1:%2: ").arg(m_file).arg(m_lines.lineOf(path));
        throw TJobError(where + (path.isEmpty() ? what : path + QStringLiteral(": ") + what));
    }

    QJsonValue member(const QJsonObject& object, const QString& path, const QString& key, bool required) const {
        const QJsonValue value = object.value(key);
        if (value.isUndefined() && required) fail(path, QStringLiteral("the member \"%1\" is missing").arg(key));
        return value;
    }

    static QString join(const QString& path, const QString& key) {
        return path.isEmpty() ? key : path + QLatin1Char('.') + key;
    }

    Length millimetres(const QJsonObject& object, const QString& path, const QString& key, bool required,
                       bool positive) const {
        const QJsonValue value = member(object, path, key, required);
        if (value.isUndefined()) return 0;
        const double mm = value.toDouble(-1);
        if (!value.isDouble() || !std::isfinite(mm) || mm < 0 || (positive && mm <= 0) || mm > k_largestMm)
            fail(join(path, key), positive ? QStringLiteral("expected a length in millimetres greater than 0")
                                           : QStringLiteral("expected a length in millimetres, 0 or more"));
        return static_cast<Length>(std::llround(mm * k_unitsPerMm));
    }

    int count(const QJsonObject& object, const QString& path, const QString& key, int absent) const {
        const QJsonValue value = object.value(key);
        if (value.isUndefined()) return absent;
        const double n = value.toDouble(-1);
        if (!value.isDouble() || n < 0 || n > k_mostPieces || n != std::floor(n))
            fail(join(path, key), QStringLiteral("expected a whole number from 0 to %1").arg(k_mostPieces));
        return static_cast<int>(n);
    }

    double cost(const QJsonObject& object, const QString& path) const {
        const QJsonValue value = object.value(QStringLiteral("cost"));
        if (value.isUndefined()) return 1;
        const double c = value.toDouble(-1);
        if (!value.isDouble() || !std::isfinite(c) || c < 0)
            fail(join(path, QStringLiteral("cost")), QStringLiteral("expected a cost of 0 or more"));
        return c;
    }

    bool flag(const QJsonObject& object, const QString& path, const QString& key) const {
        const QJsonValue value = object.value(key);
        if (value.isUndefined()) return false;
        if (!value.isBool()) fail(join(path, key), QStringLiteral("expected true or false"));
        return value.toBool();
    }

    QString id(const QJsonObject& object, const QString& path) const {
        const QJsonValue value = member(object, path, QStringLiteral("id"), true);
        if (value.isString() && !value.toString().isEmpty()) return value.toString();
        if (value.isDouble()) return QString::number(value.toDouble(), 'g', 15);
        fail(join(path, QStringLiteral("id")), QStringLiteral("expected a text"));
    }

    QJsonArray array(const QJsonObject& object, const QString& key, bool required) const {
        const QJsonValue value = member(object, QString(), key, required);
        if (value.isUndefined()) return {};
        if (!value.isArray()) fail(key, QStringLiteral("expected a list"));
        return value.toArray();
    }

    QJsonObject element(const QJsonArray& list, const QString& key, qsizetype i) const {
        const QString path = QStringLiteral("%1[%2]").arg(key).arg(i);
        if (!list.at(i).isObject()) fail(path, QStringLiteral("expected an object"));
        return list.at(i).toObject();
    }

private:
    TJsonLines m_lines;
    QString m_file;
};

int addId(QStringList& ids, const QString& id) {
    ids << id;
    return static_cast<int>(ids.size() - 1);
}

void readSheets(const TReader& r, const QJsonObject& root, TJob& job) {
    const QJsonArray stock = r.array(root, QStringLiteral("stock"), true);
    for (qsizetype i = 0; i < stock.size(); ++i) {
        const QJsonObject s = r.element(stock, QStringLiteral("stock"), i);
        const QString path = QStringLiteral("stock[%1]").arg(i);
        TStockSheet sheet;
        sheet.id = addId(job.stockIds, r.id(s, path));
        sheet.width = r.millimetres(s, path, QStringLiteral("width"), true, true);
        sheet.height = r.millimetres(s, path, QStringLiteral("height"), true, true);
        sheet.count = r.count(s, path, QStringLiteral("count"), -1);
        sheet.cost = r.cost(s, path);
        sheet.remnant = r.flag(s, path, QStringLiteral("remnant"));
        job.sheets.stock.push_back(sheet);
    }
    const QJsonArray pieces = r.array(root, QStringLiteral("pieces"), false);
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        const QJsonObject p = r.element(pieces, QStringLiteral("pieces"), i);
        const QString path = QStringLiteral("pieces[%1]").arg(i);
        TPieceDemand piece;
        piece.id = addId(job.pieceIds, r.id(p, path));
        piece.width = r.millimetres(p, path, QStringLiteral("width"), true, true);
        piece.height = r.millimetres(p, path, QStringLiteral("height"), true, true);
        piece.count = r.count(p, path, QStringLiteral("count"), 1);
        piece.rotate = r.flag(p, path, QStringLiteral("rotate"));
        job.sheets.pieces.push_back(piece);
    }
    job.sheets.kerf = r.millimetres(root, QString(), QStringLiteral("kerf"), false, false);
    const QJsonValue trim = root.value(QStringLiteral("trim"));
    if (!trim.isUndefined()) {
        if (!trim.isObject()) r.fail(QStringLiteral("trim"), QStringLiteral("expected an object"));
        const QJsonObject t = trim.toObject();
        const QString path = QStringLiteral("trim");
        job.sheets.trim.left = r.millimetres(t, path, QStringLiteral("left"), false, false);
        job.sheets.trim.right = r.millimetres(t, path, QStringLiteral("right"), false, false);
        job.sheets.trim.bottom = r.millimetres(t, path, QStringLiteral("bottom"), false, false);
        job.sheets.trim.top = r.millimetres(t, path, QStringLiteral("top"), false, false);
    }
    const QJsonValue stages = root.value(QStringLiteral("stages"));
    if (!stages.isUndefined()) {
        const double s = stages.toDouble(-1);
        if (!stages.isDouble() || (s != 0 && s != 2 && s != 3))
            r.fail(QStringLiteral("stages"), QStringLiteral("expected 2, 3 or 0 (unlimited)"));
        job.sheets.stages = static_cast<int>(s);
    }
    const QJsonValue remnant = root.value(QStringLiteral("minRemnant"));
    if (!remnant.isUndefined()) {
        if (!remnant.isObject()) r.fail(QStringLiteral("minRemnant"), QStringLiteral("expected an object"));
        const QJsonObject m = remnant.toObject();
        job.sheets.minRemnantWidth =
            r.millimetres(m, QStringLiteral("minRemnant"), QStringLiteral("width"), false, false);
        job.sheets.minRemnantHeight =
            r.millimetres(m, QStringLiteral("minRemnant"), QStringLiteral("height"), false, false);
    }
}

void readBars(const TReader& r, const QJsonObject& root, TJob& job) {
    const QJsonArray stock = r.array(root, QStringLiteral("stock"), true);
    for (qsizetype i = 0; i < stock.size(); ++i) {
        const QJsonObject s = r.element(stock, QStringLiteral("stock"), i);
        const QString path = QStringLiteral("stock[%1]").arg(i);
        TBarStock bar;
        bar.id = addId(job.stockIds, r.id(s, path));
        bar.length = r.millimetres(s, path, QStringLiteral("length"), true, true);
        bar.count = r.count(s, path, QStringLiteral("count"), -1);
        bar.cost = r.cost(s, path);
        bar.remnant = r.flag(s, path, QStringLiteral("remnant"));
        job.barStock.push_back(bar);
    }
    const QJsonArray pieces = r.array(root, QStringLiteral("pieces"), false);
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        const QJsonObject p = r.element(pieces, QStringLiteral("pieces"), i);
        const QString path = QStringLiteral("pieces[%1]").arg(i);
        TBarPiece piece;
        piece.id = addId(job.pieceIds, r.id(p, path));
        piece.length = r.millimetres(p, path, QStringLiteral("length"), true, true);
        piece.count = r.count(p, path, QStringLiteral("count"), 1);
        job.barPieces.push_back(piece);
    }
    job.sheets.kerf = r.millimetres(root, QString(), QStringLiteral("kerf"), false, false);
    job.barTrim = r.millimetres(root, QString(), QStringLiteral("trim"), false, false);
    job.minOffcut = r.millimetres(root, QString(), QStringLiteral("minOffcut"), false, false);
}

long long totalPieces(const TJob& job) {
    long long total = 0;
    for (const TPieceDemand& p : job.sheets.pieces)
        total += p.count;
    for (const TBarPiece& p : job.barPieces)
        total += p.count;
    return total;
}

} // namespace

TJob ReadJob(const QByteArray& json, const QString& fileName) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        throw TJobError(QStringLiteral("%1:%2: not a JSON text: %3")
                            .arg(fileName)
                            .arg(TJsonLines::lineAt(json, error.offset))
                            .arg(error.errorString()));
    const TReader r(json, fileName);
    if (!document.isObject()) r.fail(QString(), QStringLiteral("expected an object"));
    const QJsonObject root = document.object();
    const QString kind = r.member(root, QString(), QStringLiteral("kind"), true).toString();
    TJob job;
    if (kind == QLatin1String("sheets")) {
        job.kind = TKind::Sheets;
        readSheets(r, root, job);
    } else if (kind == QLatin1String("bars")) {
        job.kind = TKind::Bars;
        readBars(r, root, job);
    } else {
        r.fail(QStringLiteral("kind"), QStringLiteral("expected \"sheets\" or \"bars\""));
    }
    const QJsonValue limit = root.value(QStringLiteral("timeLimit"));
    if (!limit.isUndefined()) {
        const double seconds = limit.toDouble(-1);
        if (!limit.isDouble() || !(seconds > 0) || seconds > k_longestSeconds)
            r.fail(QStringLiteral("timeLimit"), QStringLiteral("expected seconds, more than 0 and at most 3600"));
        job.sheets.limit = std::chrono::milliseconds(std::max<long long>(1, std::llround(seconds * 1000)));
    }
    if (totalPieces(job) > k_mostPieces)
        r.fail(QStringLiteral("pieces"), QStringLiteral("more than %1 pieces in all").arg(k_mostPieces));
    return job;
}

void ReadCsvPieces(TJob& job, const QByteArray& csv, const QString& fileName) {
    const bool sheets = job.kind == TKind::Sheets;
    const QList<QByteArray> lines = csv.split('\n');
    job.pieceIds.clear();
    job.sheets.pieces.clear();
    job.barPieces.clear();
    const QStringList columns =
        sheets ? QStringList{QStringLiteral("id"), QStringLiteral("width"), QStringLiteral("height"),
                             QStringLiteral("count"), QStringLiteral("rotate")}
               : QStringList{QStringLiteral("id"), QStringLiteral("length"), QStringLiteral("count")};
    long long total = 0;
    bool header = true;
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString line = QString::fromUtf8(lines.at(n)).trimmed();
        if (line.isEmpty()) continue;
        const auto fail = [&](const QString& column, const QString& what) {
            throw TJobError(QStringLiteral("%1:%2: %3: %4").arg(fileName).arg(n + 1).arg(column, what));
        };
        if (header) { // the header line names the columns; its words are not checked
            header = false;
            continue;
        }
        QStringList cells = line.split(QLatin1Char(';'));
        for (QString& cell : cells)
            cell = cell.trimmed();
        if (cells.size() < 2 || cells.size() > columns.size())
            fail(columns.first(), QStringLiteral("expected %1 separated by ;").arg(columns.join(QLatin1Char(';'))));
        const auto millimetres = [&](int column) {
            bool ok = false;
            const QString text = cells.value(column);
            const double mm = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
            if (!ok || !std::isfinite(mm) || mm <= 0 || mm > k_largestMm)
                fail(columns.at(column), QStringLiteral("expected a length in millimetres greater than 0"));
            return static_cast<Length>(std::llround(mm * k_unitsPerMm));
        };
        const int countColumn = sheets ? 3 : 2;
        int count = 1;
        if (cells.size() > countColumn && !cells.at(countColumn).isEmpty()) {
            bool ok = false;
            count = cells.at(countColumn).toInt(&ok);
            if (!ok || count < 0 || count > k_mostPieces)
                fail(columns.at(countColumn), QStringLiteral("expected a whole number from 0 to %1").arg(k_mostPieces));
        }
        total += count;
        if (total > k_mostPieces)
            fail(columns.at(countColumn), QStringLiteral("more than %1 pieces in all").arg(k_mostPieces));
        if (cells.at(0).isEmpty()) fail(columns.at(0), QStringLiteral("expected a text"));
        const int id = addId(job.pieceIds, cells.at(0));
        if (sheets) {
            if (cells.size() < 3) fail(columns.at(2), QStringLiteral("missing"));
            TPieceDemand piece{id, millimetres(1), millimetres(2), count, false};
            const QString rotate = cells.value(4).toLower();
            static const QStringList yes{QStringLiteral("1"), QStringLiteral("true"), QStringLiteral("yes"),
                                         QStringLiteral("evet"), QStringLiteral("e")};
            static const QStringList no{QString(),
                                        QStringLiteral("0"),
                                        QStringLiteral("false"),
                                        QStringLiteral("no"),
                                        QStringLiteral("hayır"),
                                        QStringLiteral("h")};
            if (!yes.contains(rotate) && !no.contains(rotate))
                fail(columns.at(4), QStringLiteral("expected 1 or 0 (true or false)"));
            piece.rotate = yes.contains(rotate);
            job.sheets.pieces.push_back(piece);
        } else {
            job.barPieces.push_back({id, millimetres(1), count});
        }
    }
}

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
