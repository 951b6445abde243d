#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <array>

class TProfileGroup;
class TProject;
struct TCostTable;
struct TProductionSheet;

// Everything the production sheet shows, filled by FillReport; the renderer only paints it.
struct TReportPage {
    TReportPage();

    QString orderName;
    QString cabinetSets;
    QString openingWidth;
    QString openingHeight;
    QString deliveryDate;
    QString doorHeight;
    std::array<QString, 7> doorWidths;
    std::array<QImage, 7> pictures;
    std::array<int, 7> pictureHeights{};
    QString profileColour, profileModel, delivery, assembly;
    QString glassGasket, dustGasket, impactGasket, mechanisms;
    std::array<QStringList, 7> holes;
    QStringList panelLines, panelCounts, glassLines, glassCounts, profileLines, profileCounts;
    QString firm;
};

// Copies the door pictures with the material names written on them; the originals stay unchanged.
void LabelDoorPictures(const TProject& project, std::array<QImage, 7>& pictures);

// Fills the page from the project, the settings and the computed sheet; refuses when door 1 is not
// designed.
void FillReport(const TProject& project, const TProfileGroup& group, const TProductionSheet& sheet,
                const std::array<QImage, 7>& doorImages, TReportPage& page);

// The print preview command up to opening the preview: checks, computations in order, the cost
// table's quantities, the page. Refuses (TRefusal) when a check stops it.
void PrintPreview(const TProject& project, const TProfileGroup& group, TProductionSheet& sheet, TCostTable& costTable,
                  const std::array<QImage, 7>& doorImages, TReportPage& page);
