#pragma once

#include "settings/SheetSettings.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <chrono>
#include <vector>

class TProfileGroup;
class TProject;
struct TCostTable;
struct TProductionSheet;

// A piece as placed on a sheet, in cm from the sheet's lower left corner, x along its width.
struct TPlacedPiece {
    QString label;    // its door and division: "K1 B2", a split division's part "K1 B2/1"
    QString sizeText; // as the design writes it: "96 x 60,5" (width x height before turning)
    double x = 0;
    double y = 0;
    double width = 0; // as placed
    double height = 0;
    bool rotated = false;
};

struct TPlannedCut {
    int stage = 1;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct TKeptRemnant {
    double x = 0, y = 0, width = 0, height = 0;
};

// One stock sheet as it is cut.
struct TPlannedSheet {
    double width = 0; // cm, the stock sheet's
    double height = 0;
    std::vector<TPlacedPiece> pieces;
    std::vector<TPlannedCut> cuts; // in the saw's order, numbered from 1 on the plan
    std::vector<TKeptRemnant> remnants;
};

// The plan of one material: the pieces of one name and kind.
struct TMaterialSheetPlan {
    int kind = TSheetSettings::Panel;
    QString name;
    QString stockText;
    bool rotate = false;
    double kerf = 0;
    double trim = 0;
    int stages = 3;
    int pieces = 0;       // pieces planned
    double pieceArea = 0; // cm²
    std::vector<TPlannedSheet> sheets;
    int lowerBound = 0;
    bool proven = true;
    QStringList problems; // pieces that cannot be planned

    QString title() const; // "Panel: Ceviz"
    double sheetArea() const;
    double keptArea() const;
    double waste() const { return sheetArea() - pieceArea - keptArea(); }
    double wastePercent() const { return sheetArea() > 0 ? 100 * waste() / sheetArea() : 0; }
};

struct TSheetCuttingPlan {
    QString orderName;
    QString cabinets;
    std::vector<TMaterialSheetPlan> materials; // panels first, each kind in the order of first use

    int sheets() const;
    int lowerBound() const;
    bool proven() const;
    double sheetArea() const;
    double pieceArea() const;
    double keptArea() const;
    double wastePercent() const;
    QStringList problems() const;
};

namespace SheetPlanLimits {
// Pieces of one material a plan takes; more are named as a problem and left out.
constexpr int maxPieces = 5000;
constexpr std::chrono::milliseconds timePerMaterial{200};
} // namespace SheetPlanLimits

// The plan for the panel and glass pieces of the project's doors ("Dolap Adet" times each): per
// material the fewest sheets (proven, or the best found within the time limit). Throws DoravelError
// when the settings are not usable, EConvertError for a size that is not a number.
TSheetCuttingPlan MakeSheetPlan(const TProject& project, const TSheetSettings& settings,
                                std::chrono::milliseconds limitPerMaterial = SheetPlanLimits::timePerMaterial);

// The "Levha Planı" command up to showing the plan: the print preview's checks and computations,
// then the plan. A check that stops it throws TRefusal; a piece that fits no sheet is reported as a
// message and the rest is still planned.
void SheetPlanCommand(const TProject& project, const TProfileGroup& group, const TSheetSettings& settings,
                      TProductionSheet& sheet, TCostTable& costTable, TSheetCuttingPlan& plan);

namespace SheetPlanTexts {
QString size(double width, double height); // "280 x 207"
QString squareMetres(double cm2);          // "5,8"
} // namespace SheetPlanTexts

// The plan as the sheet tool's member `sheetPlan`.
QJsonObject SheetPlanToJson(const TSheetCuttingPlan& plan);
