#include "production/ReportPage.h"

#include "design/DoorDrawing.h"
#include "model/Clock.h"
#include "model/Errors.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "production/PrintComputation.h"
#include "production/ProductionSheet.h"
#include "settings/ProfileGroup.h"

#include <QPainter>

using NumberText::roundPixel;
using NumberText::toFloat;

TReportPage::TReportPage() {
    doorHeight = QStringLiteral("Kapak Boy  (cm)");
    doorWidths.fill(QStringLiteral("Kapak En  (cm)"));
}

namespace {

void writeLabel(QPainter& painter, const QString& text, int x, int y, bool rotated) {
    const QRect huge(0, 0, 2000, 200);
    painter.save();
    painter.translate(x, y);
    if (rotated) painter.rotate(-90); // reads from bottom to top, running upward from the anchor
    painter.drawText(huge, Qt::AlignLeft | Qt::AlignTop, text);
    painter.restore();
}

} // namespace

void LabelDoorPictures(const TProject& project, std::array<QImage, 7>& pictures) {
    const double door1 = toFloat(project.doorWidths[1]);
    const double height = toFloat(project.doorHeight);
    const double sx = DoorDrawing::PictureWidth / door1;
    const double sy = DoorDrawing::PictureHeight / height;
    QFont font(QStringLiteral("Trebuchet MS"));
    font.setPointSize(8);
    const int doors = NumberText::toInt(project.doorCount);
    for (int door = 1; door <= doors && door <= 6; ++door) {
        QImage& picture = pictures[door];
        if (picture.isNull()) continue;
        QPainter painter(&picture);
        painter.setFont(font);
        painter.setPen(Qt::black);
        const bool horizontal = project.direction(door) == ProjectTexts::horizontal;
        const bool vertical = project.direction(door) == ProjectTexts::vertical;
        int x = 0, y = 0;
        for (int division = 1; division <= 6; ++division) {
            const QString& w = project.divisionWidth(door, division);
            const QString& h = project.divisionHeight(door, division);
            const TSplitRow& split = project.splitTable(door)[division];
            if (isSplit(split)) {
                if (horizontal) {
                    const int rowHeight = roundPixel(toFloat(h) * sy);
                    y += rowHeight;
                    const int cy = y - roundPixel(toFloat(h) * sy / 2);
                    int xp = 0;
                    for (int part = 1; part <= 3; ++part) {
                        const QString& size = split[3 * part - 2];
                        if (size == QLatin1String("0")) continue;
                        xp += roundPixel(toFloat(size) * sx);
                        writeLabel(painter, split[3 * part], xp - 10, cy, true);
                    }
                } else if (vertical) {
                    x += roundPixel(toFloat(w) * sx);
                    int yp = 0;
                    for (int part = 1; part <= 3; ++part) {
                        const QString& size = split[3 * part - 2];
                        if (size == QLatin1String("0")) continue;
                        const int partHeight = roundPixel(toFloat(size) * sy);
                        yp += partHeight;
                        writeLabel(painter, split[3 * part], x - 10, yp - roundPixel(toFloat(size) * sy / 2), true);
                    }
                }
                continue;
            }
            if (w.isEmpty()) continue;
            if (horizontal) {
                y += roundPixel(toFloat(h) * sy);
                writeLabel(painter, project.divisionName(door, division), 0, y - roundPixel(toFloat(h) * sy / 2),
                           false);
            } else if (vertical) {
                x += roundPixel(toFloat(w) * sx);
                // The label runs upward from near the bottom edge of its column.
                writeLabel(painter, project.divisionName(door, division), x - roundPixel(toFloat(w) * sx / 2), 390,
                           true);
            }
        }
    }
}

void FillReport(const TProject& project, const TProfileGroup& group, const TProductionSheet& sheet,
                const std::array<QImage, 7>& doorImages, TReportPage& page) {
    if (!project.isDimensioned(1)) throw TRefusal(PrintTexts::notDesigned);
    for (int door = 1; door <= 6; ++door)
        page.pictures[door] = doorImages[door].copy();
    page.orderName = project.orderName;
    page.cabinetSets = project.dolapadet + QStringLiteral(" Takım");
    page.openingWidth = project.openingWidth + QStringLiteral("  cm");
    page.openingHeight = project.openingHeight + QStringLiteral("  cm");
    page.deliveryDate = DisplayDate::text(project.deliveryDate);
    page.doorHeight = project.doorHeight;
    page.panelLines = sheet.panelLines;
    page.panelCounts = sheet.panelCounts;
    page.glassLines = sheet.glassLines;
    page.glassCounts = sheet.glassCounts;
    for (int door = 1; door <= 6; ++door)
        page.doorWidths[door] = project.doorWidths[door];
    page.profileColour = project.profileColour;
    page.profileModel = project.profileModel;
    page.delivery = project.deliveryKind;
    page.assembly = project.assemblyKind;
    page.firm = group.text(TProfileGroup::firma);
    page.glassGasket = sheet.glassGasket;
    page.dustGasket = sheet.dustGasket;
    page.impactGasket = sheet.impactGasket;
    page.mechanisms = sheet.mechanisms;
    page.holes = sheet.holes;
    page.profileLines = sheet.profilname;
    page.profileCounts = sheet.profiladet;
    LabelDoorPictures(project, page.pictures);
    const int doors = NumberText::toInt(project.doorCount);
    for (int door = 1; door <= 6; ++door)
        page.pictureHeights[door] = door <= 2 || door <= doors ? 300 : 0;
}

void PrintPreview(const TProject& project, const TProfileGroup& group, TProductionSheet& sheet, TCostTable& costTable,
                  const std::array<QImage, 7>& doorImages, TReportPage& page) {
    ComputeProductionSheet(project, group, sheet, &costTable);
    FillReport(project, group, sheet, doorImages, page);
}
