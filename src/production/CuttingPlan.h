#pragma once

#include "settings/CuttingSettings.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

class TProfileGroup;
class TProject;
struct TCostTable;
struct TProductionSheet;

// One way of cutting a bar, and how many bars are cut this way.
struct TCuttingPattern {
    QStringList pieces;          // length texts as in the cut list, longest first
    std::vector<double> lengths; // the same in cm
    int bars = 0;
    double offcut = 0; // usable length left after the last piece and its kerf, cm
    bool kept = false; // at least the shortest offcut worth keeping
};

namespace CuttingPlanLimits {
// Pieces of one kind a plan takes; more are named as a problem and left out.
constexpr int maxPieces = 100000;
} // namespace CuttingPlanLimits

// The plan of one profile kind.
struct TCuttingKind {
    QString name;      // "Üst Ray" …
    QString stockText; // the stock length as set
    double stock = 0;  // cm
    double trim = 0;   // cut from each end, cm
    double usable = 0; // stock less both trims
    int pieces = 0;    // pieces planned
    double pieceLength = 0;
    std::vector<TCuttingPattern> patterns;
    int bars = 0;
    int lowerBound = 0;
    bool proven = true;
    QStringList problems; // pieces that cannot be cut from this stock

    double stockUsed() const { return bars * stock; }
    double keptOffcuts() const;
    double waste() const { return stockUsed() - pieceLength - keptOffcuts(); }
    double wastePercent() const { return stockUsed() > 0 ? 100 * waste() / stockUsed() : 0; }
};

struct TCuttingPlan {
    QString orderName;
    QString cabinets;
    TCuttingSettings settings;
    std::array<TCuttingKind, TCuttingSettings::KindCount> kinds;

    int bars() const;
    int lowerBound() const;
    bool proven() const;
    double stockUsed() const;
    double pieceLength() const;
    double keptOffcuts() const;
    double wastePercent() const;
    QStringList problems() const;
};

// The plan for the profile cut list of the sheet: per kind the fewest bars (proven, or the best found
// within 200 ms), the offcuts gathered. Throws DoravelError when the settings are not usable.
TCuttingPlan MakeCuttingPlan(const TProductionSheet& sheet, const TCuttingSettings& settings);

// The "Kesim Planı" command up to showing the plan: the print preview's checks and computations,
// then the plan. A check that stops it throws TRefusal; a piece that fits no bar is reported as a
// message and the rest is still planned.
void CuttingPlanCommand(const TProject& project, const TProfileGroup& group, const TCuttingSettings& settings,
                        TProductionSheet& sheet, TCostTable& costTable, TCuttingPlan& plan);

namespace CuttingTexts {
// A number with at most two decimals, as lengths are written everywhere else.
QString length(double cm);
QString percent(double value);
} // namespace CuttingTexts

// The plan as the sheet tool's member `cuttingPlan`.
QJsonObject CuttingPlanToJson(const TCuttingPlan& plan);
