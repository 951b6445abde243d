#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The computed figures of one print preview. Rebuilt by every print preview, never stored.
struct TProductionSheet {
    enum ProfileKind { TopRail, BottomRail, Side, Top, Bottom, HorizontalMiddle, VerticalMiddle, KindCount };

    // profile cut list: line texts and their piece counts, parallel
    QStringList profilname;
    QStringList profiladet;
    double HL = 0, HC = 0, VL = 0, VC = 0;

    // panel and glass cutting lists: distinct lines with their counts, the area of every produced
    // piece line in cm² and the two total areas in m²
    QStringList panelLines, panelCounts;
    QStringList glassLines, glassCounts;
    QStringList panel, cam;
    QString panelArea, glassArea;

    // drilling positions, one list per door slot 1..6
    std::array<QStringList, 7> holes;

    // profile lengths (cm) and weights (kg × 100) per kind, and their total
    std::array<QString, KindCount> lengths;
    std::array<QString, KindCount> weights;
    QString totalWeight = QStringLiteral("0");

    QString glassGasket, dustGasket, impactGasket;
    QString mechanisms;
};
