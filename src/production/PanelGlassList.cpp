#include "production/PanelGlassList.h"

#include "model/NumberText.h"
#include "model/Project.h"
#include "production/Counts.h"
#include "production/ProductionSheet.h"

using NumberText::toFloat;

namespace {

QString pieceLine(const QString& width, const QString& height, const QString& material) {
    return width + QStringLiteral("  X  ") + height + QStringLiteral("  -  ") + material;
}

void group(const QStringList& produced, qint64 cabinets, QStringList& lines, QStringList& counts) {
    for (const QString& line : produced) {
        if (lines.contains(line)) continue;
        lines << line;
        counts << NumberText::fromInt(produced.count(line) * cabinets);
    }
}

QString area(const QStringList& pieces, qint64 cabinets) {
    double sum = 0;
    for (const QString& piece : pieces)
        sum += toFloat(piece);
    return NumberText::round2Text(static_cast<double>(cabinets) * sum / 10000);
}

} // namespace

void ForEachPanelGlassPiece(const TProject& project, const std::function<void(const TPanelGlassPiece&)>& visit) {
    const int doors = Counts::doors(project);
    auto produce = [&](const QString& kind, int door, int division, int part, const QString& width,
                       const QString& height, const QString& material) {
        if (kind != ProjectTexts::panel && kind != ProjectTexts::glass) return;
        visit(TPanelGlassPiece{kind, door, division, part, width, height, material, pieceLine(width, height, material),
                               toFloat(width) * toFloat(height)});
    };

    for (int door = 1; door <= doors; ++door) {
        for (int division = 1; division <= 6; ++division) {
            const QString& w = project.divisionWidth(door, division);
            const QString& h = project.divisionHeight(door, division);
            const TSplitRow& split = project.splitTable(door)[division];
            if (!isSplit(split)) {
                if (!w.isEmpty())
                    produce(project.divisionKind(door, division), door, division, 0, w, h,
                            project.divisionName(door, division));
                continue;
            }
            const bool horizontal = project.direction(door) == ProjectTexts::horizontal;
            if (!horizontal && project.direction(door) != ProjectTexts::vertical) continue;
            for (int part = 1; part <= 3; ++part) {
                const QString& size = split[3 * part - 2];
                const QString& kind = split[3 * part - 1];
                const QString& material = split[3 * part];
                if (size == QLatin1String("0")) continue;
                if (horizontal)
                    produce(kind, door, division, part, size, h, material);
                else
                    produce(kind, door, division, part, w, size, material);
            }
        }
    }
}

void BuildPanelGlassList(const TProject& project, TProductionSheet& sheet) {
    sheet.panelLines.clear();
    sheet.panelCounts.clear();
    sheet.glassLines.clear();
    sheet.glassCounts.clear();
    sheet.panel.clear();
    sheet.cam.clear();
    sheet.panelArea.clear();
    sheet.glassArea.clear();

    const qint64 cabinets = Counts::cabinets(project);
    QStringList panelProduced, glassProduced;
    ForEachPanelGlassPiece(project, [&](const TPanelGlassPiece& piece) {
        if (piece.kind == ProjectTexts::panel) {
            panelProduced << piece.line;
            sheet.panel << NumberText::fromFloat(piece.area);
        } else {
            glassProduced << piece.line;
            sheet.cam << NumberText::fromFloat(piece.area);
        }
    });

    group(panelProduced, cabinets, sheet.panelLines, sheet.panelCounts);
    group(glassProduced, cabinets, sheet.glassLines, sheet.glassCounts);
    sheet.panelArea = area(sheet.panel, cabinets);
    sheet.glassArea = area(sheet.cam, cabinets);
}
