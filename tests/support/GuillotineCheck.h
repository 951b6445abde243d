#pragma once

#include "cutting/SheetPacking.h"

#include <QString>

// Checks a sheet plan against its job on its own, without the optimiser's structures: every piece
// inside its trimmed sheet, no two pieces closer than the kerf, every sheet cuttable by edge-to-edge
// cuts within the stage limit (plus one trimming cut that frees a single piece), the cuts listed
// stage by stage, and every demanded piece placed (in its size, turned only where allowed) or
// listed unplaced exactly as often as asked. Returns the first fault, or an empty text.
namespace GuillotineCheck {

QString check(const SheetPacking::TSheetJob& job, const SheetPacking::TSheetPlan& plan);

// Whether the pieces of one sheet can be cut within `stages` (0 for unlimited) from the region.
bool cuttable(const std::vector<SheetPacking::TPlacement>& pieces, SheetPacking::Length x0, SheetPacking::Length y0,
              SheetPacking::Length x1, SheetPacking::Length y1, SheetPacking::Length kerf, int stages);

} // namespace GuillotineCheck
