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

std::vector<TPanelGlassPiece> PanelGlassPieces(const TProject& project) {
    std::vector<TPanelGlassPiece> pieces;
    const int doors = Counts::doors(project);
    auto produce = [&](const QString& kind, const QString& w, const QString& h, const QString& material, int door,
                       int division, int part) {
        if (kind != ProjectTexts::panel && kind != ProjectTexts::glass) return;
        toFloat(w);
        toFloat(h);
        pieces.push_back(TPanelGlassPiece{kind, w, h, material, door, division, part, pieceLine(w, h, material)});
    };
    for (int door = 1; door <= doors; ++door) {
        for (int division = 1; division <= 6; ++division) {
            const QString& w = project.divisionWidth(door, division);
            const QString& h = project.divisionHeight(door, division);
            const TSplitRow& split = project.splitTable(door)[division];
            if (!isSplit(split)) {
                const QString& kind = project.divisionKind(door, division);
                if (!w.isEmpty()) produce(kind, w, h, project.divisionName(door, division), door, division, 0);
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
                    produce(kind, size, h, material, door, division, part);
                else
                    produce(kind, w, size, material, door, division, part);
            }
        }
    }
    return pieces;
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
    for (const TPanelGlassPiece& piece : PanelGlassPieces(project)) {
        const QString line = pieceLine(piece.width, piece.height, piece.material);
        const QString area = NumberText::fromFloat(toFloat(piece.width) * toFloat(piece.height));
        if (piece.kind == ProjectTexts::panel) {
            panelProduced << line;
            sheet.panel << area;
        } else {
            glassProduced << line;
            sheet.cam << area;
        }
    }

    group(panelProduced, cabinets, sheet.panelLines, sheet.panelCounts);
    group(glassProduced, cabinets, sheet.glassLines, sheet.glassCounts);
    sheet.panelArea = area(sheet.panel, cabinets);
    sheet.glassArea = area(sheet.cam, cabinets);
}
