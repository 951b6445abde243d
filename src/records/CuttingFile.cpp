#include "records/CuttingFile.h"

#include "model/Errors.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

[[noreturn]] void fail(const QString& path, const QString& expected) {
    throw DoravelError(QStringLiteral("Proje dosyası okunamadı: '%1' %2.").arg(path, expected));
}

QJsonObject cuttingMember(const QByteArray& json) {
    const QJsonObject root = QJsonDocument::fromJson(json).object();
    if (!root.contains(QStringLiteral("cutting"))) return {};
    const QJsonValue cutting = root.value(QStringLiteral("cutting"));
    if (!cutting.isObject()) fail(QStringLiteral("cutting"), QStringLiteral("bir nesne olmalı"));
    return cutting.toObject();
}

// A text, or for whether pieces may be turned also true or false.
QString settingText(const QJsonObject& values, const QString& name, const QString& path, bool flag) {
    const QJsonValue value = values.value(name);
    if (flag && value.isBool()) return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    if (!value.isString())
        fail(path, flag ? QStringLiteral("true, false ya da bir metin olmalı") : QStringLiteral("bir metin olmalı"));
    return value.toString();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DoravelError(QStringLiteral("Proje dosyası okunamadı: %1: %2").arg(path, file.errorString()));
    return file.readAll();
}

} // namespace

TSheetSettings CuttingFile::sheetSettingsFromJson(const QByteArray& json) {
    TSheetSettings settings;
    const QJsonObject values = cuttingMember(json);
    for (int kind = 0; kind < TSheetSettings::KindCount; ++kind)
        for (int value = 0; value < TSheetSettings::ValueCount; ++value) {
            const QString name = TSheetSettings::valueName(kind, value);
            if (values.contains(name))
                settings.setText(
                    kind, value,
                    settingText(values, name, QStringLiteral("cutting.") + name, value == TSheetSettings::rotate));
        }
    if (!values.contains(QStringLiteral("sheetMaterials"))) return settings;
    if (!values.value(QStringLiteral("sheetMaterials")).isArray())
        fail(QStringLiteral("cutting.sheetMaterials"), QStringLiteral("bir dizi olmalı"));
    const QJsonArray rows = values.value(QStringLiteral("sheetMaterials")).toArray();
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QString path = QStringLiteral("cutting.sheetMaterials[%1]").arg(i);
        if (!rows.at(i).isObject()) fail(path, QStringLiteral("bir nesne olmalı"));
        const QJsonObject row = rows.at(i).toObject();
        if (!row.value(QStringLiteral("name")).isString())
            fail(path + QStringLiteral(".name"), QStringLiteral("bir metin olmalı"));
        TSheetMaterialSettings& material = settings.materialRow(row.value(QStringLiteral("name")).toString());
        for (int kind = 0; kind < TSheetSettings::KindCount; ++kind)
            for (int value : {TSheetSettings::stock, TSheetSettings::rotate}) {
                const QString name = TSheetSettings::valueName(kind, value);
                if (!row.contains(name)) continue;
                const QString text =
                    settingText(row, name, path + QLatin1Char('.') + name, value == TSheetSettings::rotate);
                (value == TSheetSettings::stock ? material.stock : material.rotate)[kind] = text;
            }
    }
    return settings;
}

TSheetSettings CuttingFile::readSheetSettings(const QString& path) {
    return sheetSettingsFromJson(readFile(path));
}

TCuttingSettings CuttingFile::fromJson(const QByteArray& json) {
    TCuttingSettings settings;
    const QJsonObject root = QJsonDocument::fromJson(json).object();
    if (!root.contains(QStringLiteral("cutting"))) return settings;
    const QJsonValue cutting = root.value(QStringLiteral("cutting"));
    if (!cutting.isObject()) fail(QStringLiteral("cutting"), QStringLiteral("bir nesne olmalı"));
    const QJsonObject values = cutting.toObject();
    for (int value = 0; value < TCuttingSettings::ValueCount; ++value) {
        const QString name = QLatin1String(TCuttingSettings::valueName(value));
        if (!values.contains(name)) continue;
        if (!values.value(name).isString()) fail(QStringLiteral("cutting.") + name, QStringLiteral("bir metin olmalı"));
        settings.setText(value, values.value(name).toString());
    }
    return settings;
}

TCuttingSettings CuttingFile::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DoravelError(QStringLiteral("Proje dosyası okunamadı: %1: %2").arg(path, file.errorString()));
    return fromJson(file.readAll());
}
