#include "cutting/CuttingJob.h"

#include <cmath>

namespace CuttingJob {

using SheetPacking::TPieceDemand;

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
        job.pieceIds << cells.at(0);
        const int id = static_cast<int>(job.pieceIds.size() - 1);
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

} // namespace CuttingJob
