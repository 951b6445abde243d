#include "production/ProfileList.h"

#include "model/NumberText.h"
#include "model/Project.h"
#include "production/Accessories.h"
#include "production/Counts.h"
#include "production/ProductionSheet.h"
#include "settings/ProfileGroup.h"

using NumberText::fromInt;
using NumberText::round2;
using NumberText::round2Text;
using NumberText::toFloat;
using NumberText::toInt;

namespace {

// Counts are products of the cabinet count and reach far beyond 32 bits; a count text written
// here is a whole number well below 2^53, which reads back exactly.
void mergeCount(TProductionSheet& sheet, const QString& line, qint64 add) {
    const qsizetype index = sheet.profilname.indexOf(line);
    if (index >= 0) {
        sheet.profiladet[index] = fromInt(static_cast<qint64>(toFloat(sheet.profiladet[index])) + add);
        return;
    }
    sheet.profilname << line;
    sheet.profiladet << fromInt(add);
}

} // namespace

void MergeProfileLine(TProductionSheet& sheet, const QString& line, const QString& count) {
    mergeCount(sheet, line, toInt(count));
}

void BuildProfileList(const TProject& project, const TProfileGroup& group, TProductionSheet& sheet) {
    sheet.profilname.clear();
    sheet.profiladet.clear();
    sheet.HL = sheet.HC = sheet.VL = sheet.VC = 0;

    const qint64 cabinets = Counts::cabinets(project);
    const qint64 doors = Counts::doors(project);
    sheet.profilname << project.openingWidth + QStringLiteral(" cm Üst Ray");
    sheet.profiladet << fromInt(cabinets);
    sheet.profilname << project.openingWidth + QStringLiteral(" cm Alt Ray");
    sheet.profiladet << fromInt(cabinets);
    sheet.profilname << project.doorHeight + QStringLiteral(" cm Yan Profil");
    sheet.profiladet << fromInt(doors * 2 * cabinets);

    const double sideOutside = 2 * group.number(TProfileGroup::outside);
    for (const QString& suffix : {QStringLiteral(" cm Üst Profil"), QStringLiteral(" cm Alt Profil")}) {
        for (int door = 1; door <= 6; ++door)
            if (project.doorWidths[door] != QLatin1String("0"))
                mergeCount(sheet, round2Text(toFloat(project.doorWidths[door]) - sideOutside) + suffix, cabinets);
    }

    for (int door = 1; door <= 6; ++door) {
        if (project.direction(door) != ProjectTexts::horizontal || project.doorWidths[door].isEmpty()) continue;
        const qint64 n = Counts::divisions(project, door);
        const double length = round2(toFloat(project.doorWidths[door]) - sideOutside);
        mergeCount(sheet, NumberText::fromFloat(length) + QStringLiteral(" cm Yatay Orta Profil"), (n - 1) * cabinets);
        sheet.HL += length;
        sheet.HC += static_cast<double>(n - 1);
    }

    for (int door = 1; door <= 6; ++door) {
        if (project.direction(door) != ProjectTexts::vertical || project.doorWidths[door].isEmpty()) continue;
        const qint64 n = Counts::divisions(project, door);
        const double height = toFloat(project.doorHeight);
        // The cut length takes 7,3 off the door height, the running total 8.
        mergeCount(sheet, round2Text(height - 7.3) + QStringLiteral(" cm Dikey Orta Profil"), (n - 1) * cabinets);
        sheet.VL += round2(height - 8);
        sheet.VC += static_cast<double>(n - 1);
    }

    const double mhorJoint = group.number(TProfileGroup::mhor) + group.number(TProfileGroup::incover);
    const double mverJoint = group.number(TProfileGroup::mver) + group.number(TProfileGroup::incover);
    for (int door = 1; door <= 6; ++door) {
        const bool horizontal = project.direction(door) == ProjectTexts::horizontal;
        if (!horizontal && project.direction(door) != ProjectTexts::vertical) continue;
        for (int division = 1; division <= 6; ++division) {
            const TSplitRow& split = project.splitTable(door)[division];
            const QString& size =
                horizontal ? project.divisionHeight(door, division) : project.divisionWidth(door, division);
            if (size.isEmpty() || !isSplit(split)) continue;
            const qint64 separators = Counts::separators(split, door, division);
            const double value = toFloat(size);
            if (horizontal) {
                mergeCount(sheet, round2Text(value - mhorJoint) + QStringLiteral(" cm Dikey Orta Profil"),
                           separators * cabinets);
                sheet.HL += round2(value - 1);
                sheet.HC += static_cast<double>(separators);
            } else {
                mergeCount(sheet, round2Text(value - mverJoint) + QStringLiteral(" cm Yatay Orta Profil"),
                           separators * cabinets);
                sheet.VL += round2(value - 1);
                sheet.VC += static_cast<double>(separators);
            }
        }
    }

    ComputeProfileWeights(project, group, sheet);
}
