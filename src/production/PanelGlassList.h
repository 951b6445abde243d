#pragma once

#include <QString>

#include <functional>

class TProject;
struct TProductionSheet;

// One panel or glass piece of one cabinet's doors: where it sits (door 1.., division 1..6, part 1..3
// of a split division or 0) and its line as the cutting lists write it.
struct TPanelGlassPiece {
    QString kind; // "Panel" or "Cam"
    int door = 0;
    int division = 0;
    int part = 0;
    QString width, height, material;
    QString line;
    double area = 0; // cm²
};

// Every panel and glass piece of one cabinet, door by door, division by division, part by part: the
// order the cutting lists take their lines in.
void ForEachPanelGlassPiece(const TProject& project, const std::function<void(const TPanelGlassPiece&)>& visit);

// The panel and glass cutting lists with their counts and areas.
void BuildPanelGlassList(const TProject& project, TProductionSheet& sheet);
