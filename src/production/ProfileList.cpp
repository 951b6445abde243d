#include "production/ProfileList.h"

#include "model/NumberText.h"
#include "model/Project.h"
#include "production/Accessories.h"
#include "production/ProductionSheet.h"
#include "settings/ProfileGroup.h"

using NumberText::fromInt;
using NumberText::round2;
using NumberText::round2Text;
using NumberText::toFloat;
using NumberText::toInt;

void MergeProfileLine(TProductionSheet& sheet, const QString& line, const QString& count) {
    const int add = toInt(count);
    const qsizetype index = sheet.profilname.indexOf(line);
    if (index >= 0) {
        sheet.profiladet[index] = fromInt(toInt(sheet.profiladet[index]) + add);
        return;
    }
    sheet.profilname << line;
    sheet.profiladet << fromInt(add);
}

void BuildProfileList(const TProject& project, const TProfileGroup& group, TProductionSheet& sheet) {
    sheet.profilname.clear();
    sheet.profiladet.clear();
    sheet.HL = sheet.HC = sheet.VL = sheet.VC = 0;

    const int cabinets = toInt(project.dolapadet);
    const int doors = toInt(project.doorCount);
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
                MergeProfileLine(sheet, round2Text(toFloat(project.doorWidths[door]) - sideOutside) + suffix,
                                 fromInt(cabinets));
    }

    for (int door = 1; door <= 6; ++door) {
        if (project.direction(door) != ProjectTexts::horizontal || project.doorWidths[door].isEmpty()) continue;
        const int n = toInt(project.divisionCount(door));
        const double length = round2(toFloat(project.doorWidths[door]) - sideOutside);
        MergeProfileLine(sheet, NumberText::fromFloat(length) + QStringLiteral(" cm Yatay Orta Profil"),
                         fromInt((n - 1) * cabinets));
        sheet.HL += length;
        sheet.HC += n - 1;
    }

    for (int door = 1; door <= 6; ++door) {
        if (project.direction(door) != ProjectTexts::vertical || project.doorWidths[door].isEmpty()) continue;
        const int n = toInt(project.divisionCount(door));
        const double height = toFloat(project.doorHeight);
        // The cut length takes 7,3 off the door height, the running total 8.
        MergeProfileLine(sheet, round2Text(height - 7.3) + QStringLiteral(" cm Dikey Orta Profil"),
                         fromInt((n - 1) * cabinets));
        sheet.VL += round2(height - 8);
        sheet.VC += n - 1;
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
            const int separators = toInt(split[10]);
            const double value = toFloat(size);
            if (horizontal) {
                MergeProfileLine(sheet, round2Text(value - mhorJoint) + QStringLiteral(" cm Dikey Orta Profil"),
                                 fromInt(separators * cabinets));
                sheet.HL += round2(value - 1);
                sheet.HC += separators;
            } else {
                MergeProfileLine(sheet, round2Text(value - mverJoint) + QStringLiteral(" cm Yatay Orta Profil"),
                                 fromInt(separators * cabinets));
                sheet.VL += round2(value - 1);
                sheet.VC += separators;
            }
        }
    }

    ComputeProfileWeights(project, group, sheet);
}
