#pragma once

#include "labels/PieceLabels.h"

class TCuttingSettings;
class TProfileGroup;
class TProject;
struct TCostTable;
struct TLabelGeometry;
struct TProductionSheet;

// "Etiketler" up to showing the labels: the print preview's checks and computations, the bar cutting
// plan where the cutting settings make one (the labels then come in the order the saw cuts the
// pieces), the labels, and whether every piece code fits its label. A check that stops it throws
// TRefusal.
TPieceLabels LabelsCommand(const TProject& project, const TProfileGroup& group, const TCuttingSettings& cutting,
                           const TLabelOrder& order, const TLabelGeometry& geometry, TProductionSheet& sheet,
                           TCostTable& costTable);
