#include "production/PrintComputation.h"

#include "model/Errors.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "production/Accessories.h"
#include "production/CostTable.h"
#include "production/HoleLists.h"
#include "production/PanelGlassList.h"
#include "production/ProductionSheet.h"
#include "production/ProfileList.h"

void ComputeProductionSheet(const TProject& project, const TProfileGroup& group, TProductionSheet& sheet,
                            TCostTable* costTable) {
    if (project.openingWidth.isEmpty() || project.openingHeight.isEmpty()) throw TRefusal(ProjectTexts::missingOpening);
    BuildProfileList(project, group, sheet);
    const int doors = NumberText::toInt(project.doorCount);
    for (int door = 1; door <= doors && door <= 6; ++door)
        if (!project.isDimensioned(door)) throw TRefusal(PrintTexts::notDesigned);
    BuildHoleLists(project, group, sheet);
    BuildPanelGlassList(project, sheet);
    if (costTable) WriteAreaQuantities(*costTable, sheet);
    ComputeAccessories(project, sheet);
    if (costTable) WriteAccessoryQuantities(*costTable, sheet);
}
