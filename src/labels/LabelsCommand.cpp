#include "labels/LabelsCommand.h"

#include "labels/LabelRenderer.h"
#include "labels/LabelSheet.h"
#include "model/Errors.h"
#include "production/CuttingPlan.h"
#include "production/PrintComputation.h"

#include <optional>

TPieceLabels LabelsCommand(const TProject& project, const TProfileGroup& group, const TCuttingSettings& cutting,
                           const TLabelOrder& order, const TLabelGeometry& geometry, TProductionSheet& sheet,
                           TCostTable& costTable) {
    ComputeProductionSheet(project, group, sheet, &costTable);
    std::optional<TCuttingPlan> plan;
    try {
        plan = MakeCuttingPlan(sheet, cutting);
    } catch (const DoravelError&) {
        // Cutting settings that make no plan leave the profile labels in the cut list's order; the
        // "Kesim Planı" command names what is wrong with them.
    }
    TPieceLabels labels = BuildPieceLabels(project, sheet, plan ? &*plan : nullptr, order);
    LabelRenderer::checkFit(labels, geometry);
    return labels;
}
