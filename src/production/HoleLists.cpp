#include "production/HoleLists.h"

#include "model/NumberText.h"
#include "model/Project.h"
#include "production/ProductionSheet.h"
#include "settings/ProfileGroup.h"

using NumberText::fromFloat;
using NumberText::toFloat;

namespace {

QString hole(int k, double position) {
    return QStringLiteral("%1.Delik = ").arg(k) + fromFloat(position);
}

} // namespace

void BuildHoleLists(const TProject& project, const TProfileGroup& group, TProductionSheet& sheet) {
    for (QStringList& list : sheet.holes)
        list.clear();
    const int doors = NumberText::toInt(project.doorCount);
    for (int door = 1; door <= doors && door <= 6; ++door) {
        QStringList& list = sheet.holes[door];
        QStringList delikliste; // the split holes, after the division holes
        const bool horizontal = project.direction(door) == ProjectTexts::horizontal;
        if (!horizontal && project.direction(door) != ProjectTexts::vertical) continue;
        const double ic = group.number(TProfileGroup::incover);
        const double top = group.number(TProfileGroup::top);
        const double mhor = group.number(TProfileGroup::mhor);
        const double mver = group.number(TProfileGroup::mver);
        const int n = NumberText::toInt(project.divisionCount(door));

        for (int q = 1; q <= n && q <= 6; ++q) {
            if (q >= 2) {
                const int k = q - 1;
                if (q == 2)
                    list << (horizontal ? QStringLiteral("Yan Profile Üstten") : QStringLiteral("Üst Profile Soldan"));
                double sum = 0;
                for (int j = 1; j <= k; ++j)
                    sum += toFloat(horizontal ? project.divisionHeight(door, j) : project.divisionWidth(door, j));
                double position;
                if (horizontal)
                    position = sum + (k + 1) * ic + top + (k - 1) * mhor;
                else if (k == 1)
                    position = sum - 2 * ic;
                else
                    position = sum + k * ic + (k - 2) * mver;
                list << hole(k, position);
            }
            const TSplitRow& split = project.splitTable(door)[q];
            const QString& separators = split[10];
            if (separators != QLatin1String("1") && separators != QLatin1String("2")) continue;
            delikliste << QString::number(q) + (horizontal ? QStringLiteral(". Ara Profile Soldan")
                                                           : QStringLiteral(". Ara Profile Üstten"));
            const double p1 = toFloat(split[1]);
            delikliste << hole(1, p1 - 2 * ic);
            if (separators == QLatin1String("2")) delikliste << hole(2, p1 + toFloat(split[4]) + 2 * ic);
        }
        list << delikliste;
    }
}
