#include "cutting/CuttingJob.h"

#include "cutting/JsonLines.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace CuttingJob {

namespace {

using namespace SheetPacking;

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

} // namespace CuttingJob
