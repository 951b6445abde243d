#pragma once

#include <QString>

#include <vector>

class TProject;
struct TProductionSheet;

// One panel or glass piece of one door, as the door's design gives it (before "Dolap Adet").
struct TPanelGlassPiece {
    QString kind; // "Panel" or "Cam"
    QString width;
    QString height;
    QString material;
    int door = 1;
    int division = 1;
    int part = 0; // 1 to 3 for a part of a split division, 0 for a whole division
    QString line; // as the cutting lists write it
};

// Every panel and glass piece of the designed doors, door by door, division by division.
// Throws EConvertError for a size text that is not a number.
std::vector<TPanelGlassPiece> PanelGlassPieces(const TProject& project);

// The panel and glass cutting lists with their counts and areas.
void BuildPanelGlassList(const TProject& project, TProductionSheet& sheet);
