#pragma once

#include <QString>

class TProfileGroup;
class TProject;
struct TCostTable;
struct TProductionSheet;

namespace PrintTexts {
inline const QString missingOpening = QStringLiteral("Lütfen  Dolap Eni ve Boyunu Giriniz !");
inline const QString notDesigned = QStringLiteral("Lütfen Ölçülendirme Yapınız !");
} // namespace PrintTexts

// The print preview's computations in their order: opening check, profile list (with weights),
// design check, holes, panel and glass, accessories. Returns the check message that stopped it, or
// the empty text when the sheet is complete. Conversion failures throw; what was built stays.
// With a cost table, the areas, gaskets and mechanisms are written into its quantity fields.
QString ComputeProductionSheet(const TProject& project, const TProfileGroup& group, TProductionSheet& sheet,
                               TCostTable* costTable = nullptr);
