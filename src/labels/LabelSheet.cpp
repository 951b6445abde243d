#include "labels/LabelSheet.h"

#include "model/Errors.h"
#include "model/NumberText.h"
#include "settings/ProfileStore.h"

#include <algorithm>

namespace {

constexpr double a4Width = 210, a4Height = 297;
// A label the program still lays out readably, and the largest a roll printer takes.
constexpr double smallestLabel = 15, largestLabel = 300;
// Sizes are compared in hundredths of a millimetre.
constexpr double tolerance = 0.005;

struct TSheetFormat {
    int columns, rows;
    double width, height, left, top;
};

// The common A4 label sheets have no margin at the sides and share what is left above and below.
constexpr TSheetFormat k_formats[] = {
    {3, 8, 70, 37, 0, 0.5},
    {3, 7, 70, 42.3, 0, 0.45},
    {2, 8, 105, 37, 0, 0.5},
};

const char* const k_valueKeys[] = {"columns",   "rows", "labelWidth", "labelHeight", "marginLeft",
                                   "marginTop", "gapX", "gapY",       "start"};
const char* const k_formatKeys[] = {"a4-3x8", "a4-3x7", "a4-2x8", "custom", "roll"};

QString storePath(const char* key) {
    return QStringLiteral("Etiket/%1").arg(QLatin1String(key));
}

double number(const TLabelSheetSettings& settings, int value) {
    const double n = NumberText::toFloat(settings.text(value));
    if (n < 0)
        throw DoravelError(
            QStringLiteral("%1 eksi olamaz: %2").arg(TLabelSheetSettings::caption(value), settings.text(value)));
    return n;
}

int count(const TLabelSheetSettings& settings, int value, int highest) {
    return NumberText::toCount(settings.text(value), 1, highest);
}

} // namespace

QSizeF TLabelGeometry::page() const {
    return roll ? QSizeF(width, height) : QSizeF(a4Width, a4Height);
}

QRectF TLabelGeometry::labelRect(int slot) const {
    if (roll) return QRectF(0, 0, width, height);
    const int row = slot / columns;
    const int column = slot % columns;
    return QRectF(left + column * (width + gapX), top + row * (height + gapY), width, height);
}

int TLabelGeometry::pageCount(int count) const {
    if (count <= 0) return 0;
    const int first = roll ? 0 : start;
    return (first + count + perPage() - 1) / perPage();
}

void TLabelGeometry::place(int index, int& page, int& slot) const {
    const int position = index + (roll ? 0 : start);
    page = position / perPage();
    slot = position % perPage();
}

QString TLabelSheetSettings::formatName(int format) {
    switch (format) {
    case Sheet3x8:
        return QStringLiteral("A4, 3 × 8 etiket, 70 × 37 mm");
    case Sheet3x7:
        return QStringLiteral("A4, 3 × 7 etiket, 70 × 42,3 mm");
    case Sheet2x8:
        return QStringLiteral("A4, 2 × 8 etiket, 105 × 37 mm");
    case CustomSheet:
        return QStringLiteral("A4, özel");
    default:
        return QStringLiteral("Rulo etiket yazıcısı (her sayfaya bir etiket)");
    }
}

const char* TLabelSheetSettings::formatKey(int format) {
    return k_formatKeys[format];
}

QString TLabelSheetSettings::caption(int value) {
    switch (value) {
    case columns:
        return QStringLiteral("Sütun");
    case rows:
        return QStringLiteral("Satır");
    case labelWidth:
        return QStringLiteral("Etiket Eni (mm)");
    case labelHeight:
        return QStringLiteral("Etiket Boyu (mm)");
    case marginLeft:
        return QStringLiteral("Sol Boşluk (mm)");
    case marginTop:
        return QStringLiteral("Üst Boşluk (mm)");
    case gapX:
        return QStringLiteral("Yatay Ara (mm)");
    case gapY:
        return QStringLiteral("Dikey Ara (mm)");
    default:
        return QStringLiteral("Başlangıç Yeri");
    }
}

QString TLabelSheetSettings::defaultText(int value) {
    switch (value) {
    case columns:
        return QStringLiteral("3");
    case rows:
        return QStringLiteral("8");
    case labelWidth:
        return QStringLiteral("70");
    case labelHeight:
        return QStringLiteral("37");
    case marginTop:
        return QStringLiteral("0,5");
    case start:
        return QStringLiteral("1");
    default:
        return QStringLiteral("0");
    }
}

bool TLabelSheetSettings::fixedBy(int format, int value) {
    if (format == CustomSheet) return false;
    if (format == Roll) return value != labelWidth && value != labelHeight;
    return value != start;
}

TLabelSheetSettings::TLabelSheetSettings() {
    for (int value = 0; value < ValueCount; ++value)
        m_values[value] = defaultText(value);
}

void TLabelSheetSettings::showFormat(int newFormat) {
    format = std::clamp(newFormat, 0, FormatCount - 1);
    if (format > Sheet2x8) return;
    const TSheetFormat& f = k_formats[format];
    m_values[columns] = NumberText::fromInt(f.columns);
    m_values[rows] = NumberText::fromInt(f.rows);
    m_values[labelWidth] = NumberText::fromFloat(f.width);
    m_values[labelHeight] = NumberText::fromFloat(f.height);
    m_values[marginLeft] = NumberText::fromFloat(f.left);
    m_values[marginTop] = NumberText::fromFloat(f.top);
    m_values[gapX] = QStringLiteral("0");
    m_values[gapY] = QStringLiteral("0");
}

TLabelGeometry TLabelSheetSettings::geometry() const {
    TLabelGeometry g;
    g.width = number(*this, labelWidth);
    g.height = number(*this, labelHeight);
    if (g.width < smallestLabel || g.height < smallestLabel || g.width > largestLabel || g.height > largestLabel)
        throw DoravelError(QStringLiteral("Etiket %1 × %2 mm: eni ve boyu %3 ile %4 mm arasında olmalı.")
                               .arg(text(labelWidth), text(labelHeight))
                               .arg(smallestLabel)
                               .arg(largestLabel));
    if (format == Roll) {
        g.roll = true;
        g.columns = g.rows = 1;
        g.left = g.top = 0;
        return g;
    }
    g.columns = count(*this, columns, 20);
    g.rows = count(*this, rows, 40);
    g.left = number(*this, marginLeft);
    g.top = number(*this, marginTop);
    g.gapX = number(*this, gapX);
    g.gapY = number(*this, gapY);
    const double right = g.left + g.columns * g.width + (g.columns - 1) * g.gapX;
    const double bottom = g.top + g.rows * g.height + (g.rows - 1) * g.gapY;
    if (right > a4Width + tolerance || bottom > a4Height + tolerance)
        throw DoravelError(QStringLiteral("%1 × %2 etiket A4 sayfaya sığmıyor: %3 × %4 mm yer gerekir, sayfa 210 × "
                                          "297 mm.")
                               .arg(g.columns)
                               .arg(g.rows)
                               .arg(NumberText::round2Text(right), NumberText::round2Text(bottom)));
    g.start = NumberText::toCount(text(start), 1, g.perPage()) - 1;
    return g;
}

void LoadLabelSheetSettings(const TProfileStore& store, TLabelSheetSettings& settings) {
    const QString key = store.readSetting(storePath("format"));
    int format = TLabelSheetSettings::Sheet3x8;
    for (int f = 0; f < TLabelSheetSettings::FormatCount; ++f)
        if (key == QLatin1String(k_formatKeys[f])) format = f;
    for (int value = 0; value < TLabelSheetSettings::ValueCount; ++value) {
        const QString text = store.readSetting(storePath(k_valueKeys[value]));
        settings.setText(value, text.isEmpty() ? TLabelSheetSettings::defaultText(value) : text);
    }
    settings.showFormat(format);
}

void SaveLabelSheetSettings(TProfileStore& store, const TLabelSheetSettings& settings) {
    settings.geometry();
    store.writeSetting(storePath("format"), QLatin1String(k_formatKeys[settings.format]));
    for (int value = 0; value < TLabelSheetSettings::ValueCount; ++value)
        store.writeSetting(storePath(k_valueKeys[value]), settings.text(value));
}
