#pragma once

#include <QString>

#include <array>

class TProgramFolder;
class TProject;
struct TProductionSheet;

// The cost table's fields: seven lines of quantity, unit price and line total, and the grand total.
struct TCostTable {
    enum Line { Aluminium, Panel, Glass, GlassGasket, DustGasket, ImpactGasket, Mechanisms, LineCount };
    std::array<QString, LineCount> quantities;
    std::array<QString, LineCount> unitPrices;
    std::array<QString, LineCount> totals;
    QString grandTotal = QStringLiteral("0");
    bool visible = false;

    TCostTable();
    static QString quantityCaption(int line);
    static QString unitPriceCaption(int line);
};

// Line totals and grand total from the fields as they stand; stops at the first field that is not a number.
void RecalculateCosts(TCostTable& table);
// The cost command: refuses before a print preview of a designed door 1; returns true when the
// window is to be shown (an empty weight stops silently).
bool ShowCostTable(TCostTable& table, const TProject& project, const TProductionSheet& sheet);
// The operator changed a unit price; a non-empty text recomputes.
void EditUnitPrice(TCostTable& table, int line, const QString& text);
void SavePrices(const TCostTable& table, const TProgramFolder& folder);
// What the print preview hands the table: the two areas after the panel and glass list, the gaskets
// and mechanisms after the accessories.
void WriteAreaQuantities(TCostTable& table, const TProductionSheet& sheet);
void WriteAccessoryQuantities(TCostTable& table, const TProductionSheet& sheet);

namespace CostTexts {
inline const QString needsPreview = QStringLiteral("Lütfen Ölçülendirme Yapıp Ardından Yazıcı Önizleme Yapınız !");
inline const QString tooLarge =
    QStringLiteral("Maliyet hesaplanamayacak kadar büyük: birim maliyetleri ve miktarları kontrol ediniz!");
} // namespace CostTexts
