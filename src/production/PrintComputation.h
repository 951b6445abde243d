#pragma once

#include <QString>

class TProfileGroup;
class TProject;
struct TCostTable;
struct TProductionSheet;

namespace PrintTexts {
inline const QString notDesigned = QStringLiteral("Lütfen Ölçülendirme Yapınız !");
} // namespace PrintTexts

// The print preview's computations in their order: opening check, profile list (with weights),
// design check, holes, panel and glass, accessories. A failed check refuses (TRefusal), a conversion
// failure throws; either way what was built stays. With a cost table, the areas, gaskets and
// mechanisms are written into its quantity fields.
void ComputeProductionSheet(const TProject& project, const TProfileGroup& group, TProductionSheet& sheet,
                            TCostTable* costTable = nullptr);
