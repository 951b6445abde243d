#pragma once

#include "cutting/SheetPacking.h"
#include "model/Errors.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <chrono>
#include <vector>

// A cutting job for any list of pieces, as the cutting tool reads it (docs/CUTTING_TOOL.md): sheets
// cut by the sheet optimiser or bars by the bar optimiser, lengths in millimetres in the file and in
// tenths of a millimetre inside, ids as the caller's own texts.
namespace CuttingJob {

using Length = SheetPacking::Length;

constexpr Length k_unitsPerMm = 10;
constexpr double k_largestMm = 100000;    // 100 m: anything longer is a mistake
constexpr long long k_mostPieces = 20000; // pieces of one job, counts included

// Bad input: the message names the file, the line and the member.
class TJobError : public DoravelError {
public:
    using DoravelError::DoravelError;
};

enum class TKind { Sheets, Bars };

struct TBarStock {
    int id = 0; // index into TJob::stockIds
    Length length = 0;
    int count = -1;
    double cost = 1;
    bool remnant = false;
};

struct TBarPiece {
    int id = 0; // index into TJob::pieceIds
    Length length = 0;
    int count = 1;
};

struct TJob {
    TKind kind = TKind::Sheets;
    QStringList stockIds; // the ids of the file, by the numbers the optimisers carry
    QStringList pieceIds;
    SheetPacking::TSheetJob sheets;
    std::vector<TBarStock> barStock;
    std::vector<TBarPiece> barPieces;
    Length barTrim = 0; // off each end of a bar
    Length minOffcut = 0;
};

// Reads a job file's text; throws TJobError naming `fileName`, the line and the member.
TJob ReadJob(const QByteArray& json, const QString& fileName);

// Replaces the job's pieces by those of a CSV text (`id;width;height;count;rotate` for sheets,
// `id;length;count` for bars, a header line first, comma or point as decimal separator).
void ReadCsvPieces(TJob& job, const QByteArray& csv, const QString& fileName);

struct TBarPlacement {
    int piece = 0;
    Length offset = 0;
    Length length = 0;
};

struct TBar {
    int stock = 0;
    std::vector<TBarPlacement> pieces;
    std::vector<std::pair<Length, Length>> remnants; // offset, length
};

struct TResult {
    TKind kind = TKind::Sheets;
    SheetPacking::TSheetPlan sheetPlan; // sheets
    std::vector<TBar> bars;             // bars
    std::vector<SheetPacking::TUnplaced> unplaced;
    int used = 0;
    int lowerBound = 0;
    bool proven = false;
    double cost = 0;
    double seconds = 0;
};

TResult Run(const TJob& job);

QJsonObject ResultToJson(const TJob& job, const TResult& result);

// One line per unplaced piece and why, for standard error.
QStringList UnplacedNotes(const TJob& job, const TResult& result);

} // namespace CuttingJob
