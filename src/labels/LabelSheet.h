#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <array>

class TProfileStore;

// Where the labels are printed, in millimetres: a sheet of labels in rows and columns, or a roll
// label printer that takes one label per page of the label's own size.
struct TLabelGeometry {
    bool roll = false;
    int columns = 3, rows = 8;
    double width = 70, height = 37; // one label
    double left = 0, top = 0.5;     // the first label's corner on the sheet
    double gapX = 0, gapY = 0;      // between neighbouring labels
    int start = 0;                  // the first free place of a partly used sheet, counted from 0

    QSizeF page() const; // A4, or the label itself on a roll
    int perPage() const { return roll ? 1 : columns * rows; }
    // The place `slot` (0 … perPage()-1, row by row) on its page.
    QRectF labelRect(int slot) const;
    // Pages for `count` labels, the first starting at `start`.
    int pageCount(int count) const;
    // Where label `index` goes: its page and its place on that page.
    void place(int index, int& page, int& slot) const;
};

// The label settings as typed: a format, the custom sheet's or the roll's sizes, the start place.
// Kept in the profile store's group "Etiket"; a value that is not stored reads as its default.
class TLabelSheetSettings {
public:
    enum Format { Sheet3x8, Sheet3x7, Sheet2x8, CustomSheet, Roll, FormatCount };
    enum Value { columns, rows, labelWidth, labelHeight, marginLeft, marginTop, gapX, gapY, start, ValueCount };

    static QString formatName(int format); // as the choice shows it
    static const char* formatKey(int format);
    static QString caption(int value);
    static QString defaultText(int value);
    // The values a format fixes (all but the start place for the three common sheets); a custom
    // sheet and a roll take the typed ones.
    static bool fixedBy(int format, int value);

    TLabelSheetSettings();
    int format = Sheet3x8;
    const QString& text(int value) const { return m_values[value]; }
    void setText(int value, const QString& text) { m_values[value] = text; }
    // The values a format fixes shown as that format has them.
    void showFormat(int newFormat);

    // Throws DoravelError naming the first wrong value: not a number, a label that does not fit on
    // the sheet, a start place that is not on it.
    TLabelGeometry geometry() const;

private:
    std::array<QString, ValueCount> m_values;
};

void LoadLabelSheetSettings(const TProfileStore& store, TLabelSheetSettings& settings);
// Checks the values first and writes nothing when one is wrong.
void SaveLabelSheetSettings(TProfileStore& store, const TLabelSheetSettings& settings);
