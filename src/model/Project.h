#pragma once

#include <QDate>
#include <QString>

#include <array>

// Fixed texts of the project's pick lists and status bar.
namespace ProjectTexts {
inline const QString statusIdle = QStringLiteral("Henüz Hiçbir İşlem Yapmadınız !");
inline const QString statusEntered = QStringLiteral("Henüz Ölçülendirme Yapmadınız!");
inline const QString statusDesigned = QStringLiteral("Ölçülendirme Yapıldı , Yazıcıdan Çıktı Alabilirsiniz !");
// The record state: a new order, or one reopened from the database.
inline const QString recordNew = QStringLiteral("yeni");
inline const QString recordOld = QStringLiteral("eski");
// The check of every command that needs the opening size.
inline const QString missingOpening = QStringLiteral("Lütfen  Dolap Eni ve Boyunu Giriniz !");
inline const QString horizontal = QStringLiteral("Yatay");
inline const QString vertical = QStringLiteral("Dikey");
inline const QString panel = QStringLiteral("Panel");
inline const QString glass = QStringLiteral("Cam");
QStringList deliveryKinds();
QStringList assemblyKinds();
QStringList doorCounts(); // "2" … "6"
// A stored text read back into a choice: anything other than "Yatay" is "Dikey", anything other
// than "Panel" is "Cam".
inline const QString& directionOf(const QString& text) {
    return text == horizontal ? horizontal : vertical;
}
inline const QString& kindOf(const QString& text) {
    return text == panel ? panel : glass;
}
} // namespace ProjectTexts

// One division's split into two or three parts: row D of a door's split-data table.
// Columns 1..9 hold size, kind and name of parts 1..3; column 10 the separator count bs.
using TSplitRow = std::array<QString, 11>;
// Rows 1..6 are divisions 1..6; row 0 and column 0 are not used.
using TSplitTable = std::array<TSplitRow, 7>;

// The one order being designed. Every value is the text as typed or as the program wrote it.
class TProject {
public:
    static constexpr int DoorColumns = 27; // columns 1..24 divisions, 25 direction, 26 count
    static constexpr int DirectionColumn = 25;
    static constexpr int CountColumn = 26;

    TProject();

    // header
    QString orderName;
    QDate deliveryDate;
    QString openingWidth;
    QString openingHeight;
    QString dolapadet = QStringLiteral("1");
    QString doorCount = QStringLiteral("6");
    QString profileColour;
    QString profileModel;
    QString deliveryKind;
    QString assemblyKind;
    QString profileGroupName = QStringLiteral("Profil Grubu 1");
    bool doorsEqual = true;
    QString doorHeight;
    QString kayitkontrol;
    QString sno;
    // The reopened order's save count (state "eski"): a re-save requires the stored order to have it still.
    int surum = 0;
    QString hangikapak;
    QString statusText = ProjectTexts::statusIdle;

    // door widths k1..k6 at index 1..6
    std::array<QString, 7> doorWidths;

    QString& cell(int door, int column) { return m_doorTable[door][column]; }
    const QString& cell(int door, int column) const { return m_doorTable[door][column]; }
    TSplitTable& splitTable(int door) { return m_splitTables[door]; }
    const TSplitTable& splitTable(int door) const { return m_splitTables[door]; }

    // Division d of door n occupies columns 4d−3 (width), 4d−2 (height), 4d−1 (kind), 4d (name).
    static int widthColumn(int division) { return 4 * division - 3; }
    static int heightColumn(int division) { return 4 * division - 2; }
    static int kindColumn(int division) { return 4 * division - 1; }
    static int nameColumn(int division) { return 4 * division; }
    const QString& divisionWidth(int door, int division) const { return cell(door, widthColumn(division)); }
    const QString& divisionHeight(int door, int division) const { return cell(door, heightColumn(division)); }
    const QString& divisionKind(int door, int division) const { return cell(door, kindColumn(division)); }
    const QString& divisionName(int door, int division) const { return cell(door, nameColumn(division)); }
    const QString& direction(int door) const { return cell(door, DirectionColumn); }
    const QString& divisionCount(int door) const { return cell(door, CountColumn); }

    // A door is dimensioned when the width of its division 1 is given.
    bool isDimensioned(int door) const { return !divisionWidth(door, 1).isEmpty(); }

    void clearDoorTable();
    void clearDoorRow(int door);

private:
    std::array<std::array<QString, DoorColumns>, 7> m_doorTable;
    std::array<TSplitTable, 7> m_splitTables;
};

// A split row holds a split when the size of its part 1 is given.
inline bool isSplit(const TSplitRow& row) {
    return !row[1].isEmpty();
}
void clearSplitTable(TSplitTable& table);
