#include "production/CostTable.h"

#include "model/Errors.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "production/ProductionSheet.h"
#include "settings/MaterialLists.h"

#include <cmath>

using NumberText::round2Text;
using NumberText::toFloat;

TCostTable::TCostTable() {
    quantities.fill(QStringLiteral("0"));
    unitPrices.fill(QStringLiteral("1"));
    totals.fill(QStringLiteral("0"));
}

QString TCostTable::quantityCaption(int line) {
    static const char* const captions[] = {"Aluminyum Ağırlık (Kg)", "Panel (m2)",     "Cam (m2)",
                                           "Cam Fitili (m)",         "Toz Fitili (m)", "Çarpma Fitili (m)",
                                           "Mekanizma (adet)"};
    return QString::fromUtf8(captions[line]);
}

QString TCostTable::unitPriceCaption(int line) {
    static const char* const captions[] = {"Birim Maliyeti (1 kg / YTL)",  "Birim Maliyeti (1 m2 / YTL)",
                                           "Birim Maliyeti (1 m2 / YTL)",  "Birim Maliyeti (1 m / YTL)",
                                           "Birim Maliyeti (1 m / YTL)",   "Birim Maliyeti (1 m / YTL)",
                                           "Birim Maliyeti (1 adet / YTL)"};
    return QString::fromUtf8(captions[line]);
}

namespace {

// A total too large for a number leaves its box and the grand total empty rather than showing a
// text that no later computation can read back.
double finiteTotal(TCostTable& table, double total, QString* box) {
    if (std::isfinite(total)) return total;
    if (box) box->clear();
    table.grandTotal.clear();
    throw TRefusal(CostTexts::tooLarge);
}

// A line's total: unit price times quantity, rounded to hundredths.
void computeLineTotal(TCostTable& table, int line) {
    const double total = NumberText::round2(toFloat(table.unitPrices[line]) * toFloat(table.quantities[line]));
    table.totals[line] = NumberText::fromFloat(finiteTotal(table, total, &table.totals[line]));
}

} // namespace

void RecalculateCosts(TCostTable& table) {
    for (int line = 0; line < TCostTable::LineCount; ++line)
        computeLineTotal(table, line);
    double sum = 0;
    for (const QString& total : table.totals)
        sum += toFloat(total);
    table.grandTotal = NumberText::fromFloat(finiteTotal(table, NumberText::round2(sum), nullptr));
}

bool ShowCostTable(TCostTable& table, const TProject& project, const TProductionSheet& sheet) {
    if (!project.isDimensioned(1)) throw TRefusal(CostTexts::needsPreview);
    if (sheet.totalWeight.isEmpty()) return false;
    table.quantities[TCostTable::Aluminium] = round2Text(toFloat(sheet.totalWeight) / 100);
    computeLineTotal(table, TCostTable::Aluminium);
    if (!table.visible) {
        table.visible = true;
        RecalculateCosts(table);
    }
    return true;
}

void EditUnitPrice(TCostTable& table, int line, const QString& text) {
    table.unitPrices[line] = text;
    if (!text.isEmpty()) RecalculateCosts(table);
}

void SavePrices(const TCostTable& table, const TProgramFolder& folder) {
    std::array<QString, TCostPrices::Count> prices;
    for (int line = 0; line < TCostTable::LineCount; ++line)
        prices[line] = table.unitPrices[line];
    TCostPrices::save(folder, prices);
}

void WriteAreaQuantities(TCostTable& table, const TProductionSheet& sheet) {
    table.quantities[TCostTable::Panel] = sheet.panelArea;
    table.quantities[TCostTable::Glass] = sheet.glassArea;
}

void WriteAccessoryQuantities(TCostTable& table, const TProductionSheet& sheet) {
    table.quantities[TCostTable::GlassGasket] = sheet.glassGasket;
    table.quantities[TCostTable::DustGasket] = sheet.dustGasket;
    table.quantities[TCostTable::ImpactGasket] = sheet.impactGasket;
    table.quantities[TCostTable::Mechanisms] = sheet.mechanisms;
}
