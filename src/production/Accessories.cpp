#include "production/Accessories.h"

#include "model/NumberText.h"
#include "model/Project.h"
#include "production/Counts.h"
#include "production/ProductionSheet.h"
#include "settings/ProfileGroup.h"

using NumberText::fromFloat;
using NumberText::round2Text;
using NumberText::toFloat;

void ComputeProfileWeights(const TProject& project, const TProfileGroup& group, TProductionSheet& sheet) {
    using K = TProductionSheet;
    const double cabinets = static_cast<double>(Counts::cabinets(project));
    const double doors = Counts::doors(project);
    const double opening = toFloat(project.openingWidth);
    const double height = toFloat(project.doorHeight);
    const double door1 = toFloat(project.doorWidths[1]);

    sheet.lengths[K::TopRail] = fromFloat(cabinets * opening);
    sheet.lengths[K::BottomRail] = fromFloat(cabinets * opening);
    sheet.lengths[K::Side] = fromFloat((cabinets * 2 * doors) * height);
    // Top and bottom take door 1's full width for every door.
    sheet.lengths[K::Top] = fromFloat((cabinets * 2 * doors) * door1);
    sheet.lengths[K::Bottom] = round2Text((cabinets * 2 * doors) * door1);
    sheet.lengths[K::HorizontalMiddle] = fromFloat(cabinets * (sheet.HL * sheet.HC));
    sheet.lengths[K::VerticalMiddle] = fromFloat(cabinets * (sheet.VL * sheet.VC));

    const std::array<int, K::KindCount> weightValue = {
        TProfileGroup::topslidew, TProfileGroup::underslidew, TProfileGroup::sidew, TProfileGroup::topw,
        TProfileGroup::underw,    TProfileGroup::mhorw,       TProfileGroup::mverw};
    for (int kind : {K::Side, K::Bottom, K::Top, K::HorizontalMiddle, K::VerticalMiddle, K::TopRail, K::BottomRail})
        sheet.weights[kind] = fromFloat(toFloat(sheet.lengths[kind]) * group.number(weightValue[kind]));

    double total = 0;
    for (int kind : {K::Side, K::Bottom, K::Top, K::HorizontalMiddle, K::VerticalMiddle, K::TopRail, K::BottomRail})
        total += toFloat(sheet.weights[kind]);
    sheet.totalWeight = fromFloat(total);
}

void ComputeAccessories(const TProject& project, TProductionSheet& sheet) {
    const qint64 cabinets = Counts::cabinets(project);
    const int doors = Counts::doors(project);
    const double height = toFloat(project.doorHeight);
    sheet.mechanisms = NumberText::fromInt(doors * cabinets);
    // In double from the start: the cabinet count times 2 leaves the range of an int.
    const double c = static_cast<double>(cabinets);
    sheet.impactGasket = round2Text(c * 2 * (doors * height) / 100);
    sheet.dustGasket = round2Text(c * 2 * (doors * height) / 100);

    double glassEdges = 0;
    for (int door = 1; door <= doors; ++door)
        for (int division = 1; division <= 6; ++division)
            if (project.divisionKind(door, division) == ProjectTexts::glass &&
                !project.divisionWidth(door, division).isEmpty())
                glassEdges +=
                    toFloat(project.divisionWidth(door, division)) + toFloat(project.divisionHeight(door, division));
    sheet.glassGasket = round2Text(c * 2 * glassEdges / 100);
}
