#pragma once

#include "model/Project.h"

#include <QDate>
#include <QString>

#include <array>

// One stored order: the order record and its six split records, as the database holds them.
struct TOrderRecord {
    int sno = 0;
    int musterino = 0;
    QString musteriadi;
    QString siparisadi;
    QDate starih;       // day of the latest save
    QDate teslimtarihi; // delivery date
    int kapaksayi = 0;
    int dolapen = 0;
    int dolapboy = 0;
    QString dolapadet;
    QString profil;
    QString prenk;
    QString pmodel;
    QString teslimat;
    QString montaj;
    int kapakesit = 0;
    int stutar = 0;
    std::array<QString, 3> ilave;
    std::array<int, 3> ilaveTutar{};
    int geneltoplam = 0;
    int alinan = 0;
    int kalan = 0;
    QString note;
    // Raised by every save; a re-save requires the one it reopened (another seat's save changed it).
    int surum = 1;
    // Door rows 1..6, columns 1..26 of the door table; widths of doors 1..6; split-data tables 1..6.
    std::array<std::array<QString, TProject::DoorColumns>, 7> doors;
    std::array<double, 7> doorWidths{};
    std::array<TSplitTable, 7> splits;
    // False when some of the six split records were not found.
    bool splitsComplete = true;
};
