#include "settings/SheetSettings.h"

#include "model/Errors.h"
#include "model/NumberText.h"
#include "settings/ProfileStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

const char* const k_kindNames[] = {"panel", "glass"};
const char* const k_valueNames[] = {"Stock", "Rotate", "Kerf", "Trim", "MinRemnantWidth", "MinRemnantHeight", "Stages"};

QString storePath(int kind, int value) {
    return QStringLiteral("Levha/") + TSheetSettings::valueName(kind, value);
}

const QString k_materialsPath = QStringLiteral("Levha/materials");

[[noreturn]] void badStock(const QString& text) {
    throw DoravelError(
        QStringLiteral("'%1' levha ölçüsü olarak okunamadı: BOY x EN yazılmalı, birden çok ölçü ';' ile "
                       "ayrılır, isteğe bağlı '/ adet / fiyat' eklenir (ör. 280 x 207; 366 x 183 / 4 / 1,3).")
            .arg(text));
}

bool rotateValue(const QString& text) {
    return text.trimmed() == QLatin1String("1");
}

} // namespace

QString TSheetSettings::valueName(int kind, int value) {
    return QLatin1String(k_kindNames[kind]) + QLatin1String(k_valueNames[value]);
}

QString TSheetSettings::kindText(int kind) {
    return kind == Panel ? QStringLiteral("Panel") : QStringLiteral("Cam");
}

QString TSheetSettings::defaultText(int kind, int value) {
    const bool panel = kind == Panel;
    switch (value) {
    case stock:
        return panel ? QStringLiteral("280 x 207") : QStringLiteral("321 x 225");
    case rotate:
        return panel ? QStringLiteral("0") : QStringLiteral("1");
    case kerf:
        return panel ? QStringLiteral("0,4") : QStringLiteral("0");
    case trim:
        return panel ? QStringLiteral("1") : QStringLiteral("0");
    case minRemnantWidth:
    case minRemnantHeight:
        return QStringLiteral("30");
    default:
        return QStringLiteral("3");
    }
}

QString TSheetSettings::caption(int value) {
    switch (value) {
    case stock:
        return QStringLiteral("Levha Ölçüleri (boy x en, cm)");
    case rotate:
        return QStringLiteral("Parçalar Döndürülebilir");
    case kerf:
        return QStringLiteral("Testere Payı (cm)");
    case trim:
        return QStringLiteral("Kenar Kesme Payı (cm)");
    case minRemnantWidth:
        return QStringLiteral("Saklanacak Artık En (cm)");
    case minRemnantHeight:
        return QStringLiteral("Saklanacak Artık Boy (cm)");
    default:
        return QStringLiteral("Kesim Aşaması (0: sınırsız)");
    }
}

TSheetSettings::TSheetSettings() {
    for (int kind = 0; kind < KindCount; ++kind)
        for (int value = 0; value < ValueCount; ++value)
            m_values[kind][value] = defaultText(kind, value);
}

const TSheetMaterialSettings* TSheetSettings::material(const QString& name) const {
    for (const TSheetMaterialSettings& row : materials)
        if (row.name == name) return &row;
    return nullptr;
}

TSheetMaterialSettings& TSheetSettings::materialRow(const QString& name) {
    for (TSheetMaterialSettings& row : materials)
        if (row.name == name) return row;
    materials.push_back(TSheetMaterialSettings{name, {}, {}});
    return materials.back();
}

QString TSheetSettings::stockText(int kind, const QString& name) const {
    const TSheetMaterialSettings* row = material(name);
    if (row && !row->stock[kind].trimmed().isEmpty()) return row->stock[kind];
    return text(kind, stock);
}

bool TSheetSettings::mayRotate(int kind, const QString& name) const {
    const TSheetMaterialSettings* row = material(name);
    if (row && !row->rotate[kind].trimmed().isEmpty()) return rotateValue(row->rotate[kind]);
    return rotateValue(text(kind, rotate));
}

double TSheetSettings::number(int kind, int value) const {
    return NumberText::toFloat(m_values[kind][value]);
}

void TSheetSettings::check() const {
    for (int kind = 0; kind < KindCount; ++kind) {
        const QString name = kindText(kind);
        for (int value = kerf; value <= minRemnantHeight; ++value)
            if (number(kind, value) < 0)
                throw DoravelError(QStringLiteral("%1: %2 eksi olamaz.").arg(name, caption(value)));
        const QString stages = text(kind, TSheetSettings::stages).trimmed();
        if (stages != QLatin1String("0") && stages != QLatin1String("2") && stages != QLatin1String("3"))
            throw DoravelError(
                QStringLiteral("%1: kesim aşaması 2, 3 ya da sınırsız için 0 olmalı ('%2').").arg(name, stages));
        const double trims = 2 * number(kind, trim);
        auto checkStock = [&](const QString& text, const QString& owner) {
            for (const TStockSize& size : SheetStockText::parse(text))
                if (size.width - trims <= 0 || size.height - trims <= 0)
                    throw DoravelError(QStringLiteral("%1 levhası %2: kenar kesme payları düşülünce levhadan bir şey "
                                                      "kalmıyor.")
                                           .arg(owner, text));
        };
        checkStock(text(kind, stock), name);
        for (const TSheetMaterialSettings& row : materials)
            if (!row.stock[kind].trimmed().isEmpty()) checkStock(row.stock[kind], row.name + QLatin1Char(' ') + name);
    }
}

std::vector<TStockSize> SheetStockText::parse(const QString& text) {
    std::vector<TStockSize> sizes;
    for (const QString& entry : text.split(QLatin1Char(';'))) {
        if (entry.trimmed().isEmpty()) continue;
        const QStringList fields = entry.split(QLatin1Char('/'));
        if (fields.size() > 3) badStock(entry.trimmed());
        QString measure = fields.at(0).trimmed();
        measure.replace(QChar(0x00D7), QLatin1Char('x')).replace(QLatin1Char('X'), QLatin1Char('x'));
        const QStringList sides = measure.split(QLatin1Char('x'));
        if (sides.size() != 2) badStock(entry.trimmed());
        TStockSize size;
        try {
            size.width = NumberText::toFloat(sides.at(0).trimmed());
            size.height = NumberText::toFloat(sides.at(1).trimmed());
            if (fields.size() > 1 && !fields.at(1).trimmed().isEmpty())
                size.count = NumberText::toCount(fields.at(1).trimmed(), 0, 1000000);
            if (fields.size() > 2 && !fields.at(2).trimmed().isEmpty())
                size.cost = NumberText::toFloat(fields.at(2).trimmed());
        } catch (const EConvertError&) {
            badStock(entry.trimmed());
        }
        if (!(size.width > 0) || !(size.height > 0) || !(size.cost >= 0) || !std::isfinite(size.width) ||
            !std::isfinite(size.height) || !std::isfinite(size.cost) || size.width > 100000 || size.height > 100000)
            badStock(entry.trimmed());
        sizes.push_back(size);
    }
    if (sizes.empty()) badStock(text.trimmed());
    return sizes;
}

void LoadSheetSettings(const TProfileStore& store, TSheetSettings& settings) {
    for (int kind = 0; kind < TSheetSettings::KindCount; ++kind)
        for (int value = 0; value < TSheetSettings::ValueCount; ++value) {
            const QString text = store.readSetting(storePath(kind, value));
            settings.setText(kind, value, text.isEmpty() ? TSheetSettings::defaultText(kind, value) : text);
        }
    settings.materials = SheetSettingsJson::materialsFromText(store.readSetting(k_materialsPath));
}

void SaveSheetSettings(TProfileStore& store, const TSheetSettings& settings) {
    settings.check();
    for (int kind = 0; kind < TSheetSettings::KindCount; ++kind)
        for (int value = 0; value < TSheetSettings::ValueCount; ++value)
            store.writeSetting(storePath(kind, value), settings.text(kind, value));
    store.writeSetting(k_materialsPath, SheetSettingsJson::materialsToText(settings.materials));
}

QString SheetSettingsJson::materialsToText(const std::vector<TSheetMaterialSettings>& materials) {
    QJsonArray rows;
    for (const TSheetMaterialSettings& row : materials) {
        QJsonObject object{{QStringLiteral("name"), row.name}};
        for (int kind = 0; kind < TSheetSettings::KindCount; ++kind) {
            object.insert(TSheetSettings::valueName(kind, TSheetSettings::stock), row.stock[kind]);
            object.insert(TSheetSettings::valueName(kind, TSheetSettings::rotate), row.rotate[kind]);
        }
        rows.append(object);
    }
    return QString::fromUtf8(QJsonDocument(rows).toJson(QJsonDocument::Compact));
}

std::vector<TSheetMaterialSettings> SheetSettingsJson::materialsFromText(const QString& text) {
    std::vector<TSheetMaterialSettings> materials;
    const QJsonArray rows = QJsonDocument::fromJson(text.toUtf8()).array();
    for (const QJsonValue& value : rows) {
        const QJsonObject object = value.toObject();
        TSheetMaterialSettings row{object.value(QStringLiteral("name")).toString(), {}, {}};
        for (int kind = 0; kind < TSheetSettings::KindCount; ++kind) {
            row.stock[kind] = object.value(TSheetSettings::valueName(kind, TSheetSettings::stock)).toString();
            row.rotate[kind] = object.value(TSheetSettings::valueName(kind, TSheetSettings::rotate)).toString();
        }
        materials.push_back(row);
    }
    return materials;
}
