#pragma once

#include <QString>

#include <array>
#include <vector>

class TProfileStore;

// One stock sheet size a material is cut from, read from its text (cm).
struct TStockSize {
    double width = 0;  // the first number: the sheet's length, along the grain
    double height = 0; // the second
    int count = -1;    // sheets to be had; -1 for as many as needed
    double cost = 1;   // of one sheet, only the ratio between sizes matters
};

// A material's own sheets and whether its pieces may be turned; an empty text takes its kind's.
struct TSheetMaterialSettings {
    QString name;                  // as in the inner material colour list
    std::array<QString, 2> stock;  // by TSheetSettings::Kind
    std::array<QString, 2> rotate; // "1", "0", or empty for the kind's
};

// How the workshop cuts panel boards and glass plates: per kind (the panel saw and the glass table
// differ) the saw kerf, the trim cut off each sheet edge, the smallest remnant worth keeping, the
// stage limit, the stock sheets and whether pieces may be turned; per material its own sheets and
// turning. Texts as typed, read as numbers (cm) when the plan is made.
class TSheetSettings {
public:
    enum Kind { Panel, Glass, KindCount };
    enum Value { stock, rotate, kerf, trim, minRemnantWidth, minRemnantHeight, stages, ValueCount };

    // "panelKerf", "glassStock" …: the store's and the project file's names.
    static QString valueName(int kind, int value);
    static QString kindText(int kind); // "Panel", "Cam": the divisions' kind texts
    // Panels 280 x 207 cm, not turned (a decor's grain), kerf 0,4, trim 1; glass 321 x 225 cm,
    // turned, no kerf, no trim; remnants of 30 x 30 cm kept; 3 stages.
    static QString defaultText(int kind, int value);
    static QString caption(int value);

    TSheetSettings();
    const QString& text(int kind, int value) const { return m_values[kind][value]; }
    void setText(int kind, int value, const QString& text) { m_values[kind][value] = text; }

    std::vector<TSheetMaterialSettings> materials;
    // The material's own row, or null.
    const TSheetMaterialSettings* material(const QString& name) const;
    TSheetMaterialSettings& materialRow(const QString& name); // added when missing

    // The stock and turning a material of the kind is planned with.
    QString stockText(int kind, const QString& material) const;
    bool mayRotate(int kind, const QString& material) const;
    double number(int kind, int value) const; // throws EConvertError

    // Throws DoravelError naming the first value that is not usable.
    void check() const;

private:
    std::array<std::array<QString, ValueCount>, KindCount> m_values;
};

namespace SheetStockText {
// "280 x 207; 366 x 183 / 4 / 1,3": sizes separated by ';', each length (along a decor's grain, the
// way a piece's height runs unless it is turned) x width in cm, then
// optionally '/' the count (empty for as many as needed) and '/' the cost of one sheet.
// Throws DoravelError naming the text when it is not of that form.
std::vector<TStockSize> parse(const QString& text);
} // namespace SheetStockText

// Kept in the profile store beside the bar settings, in the group "Levha"; the materials' rows as one
// JSON text. A value that is not stored reads as its default.
void LoadSheetSettings(const TProfileStore& store, TSheetSettings& settings);
// Checks the values first and writes nothing when one is wrong.
void SaveSheetSettings(TProfileStore& store, const TSheetSettings& settings);

namespace SheetSettingsJson {
QString materialsToText(const std::vector<TSheetMaterialSettings>& materials);
// A text that is not such a list reads as no rows.
std::vector<TSheetMaterialSettings> materialsFromText(const QString& text);
} // namespace SheetSettingsJson
