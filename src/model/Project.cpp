#include "model/Project.h"

#include "model/Clock.h"

#include <QStringList>

QStringList ProjectTexts::deliveryKinds() {
    return {QStringLiteral("Fabrika Teslim"), QStringLiteral("Müşteriye Teslim"), QStringLiteral("Kargo")};
}

QStringList ProjectTexts::assemblyKinds() {
    return {QStringLiteral("Montajlanacak"), QStringLiteral("De Monte"), QStringLiteral("Sadece Cam Takılacak"),
            QStringLiteral("Sadece Panel Takılacak")};
}

QStringList ProjectTexts::doorCounts() {
    return {QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6")};
}

TProject::TProject()
    : deliveryDate(Clock::today()), deliveryKind(ProjectTexts::deliveryKinds().first()),
      assemblyKind(ProjectTexts::assemblyKinds().first()) {
    for (int door = 1; door <= 6; ++door)
        doorWidths[door] = QStringLiteral("0");
}

void TProject::clearDoorTable() {
    for (int door = 0; door < 7; ++door)
        clearDoorRow(door);
}

void TProject::clearDoorRow(int door) {
    for (QString& value : m_doorTable[door])
        value.clear();
}

void clearSplitTable(TSplitTable& table) {
    for (TSplitRow& row : table)
        for (QString& value : row)
            value.clear();
}
