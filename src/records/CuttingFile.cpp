#include "records/CuttingFile.h"

#include "model/Errors.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

[[noreturn]] void fail(const QString& path, const QString& expected) {
    throw DoravelError(QStringLiteral("Proje dosyası okunamadı: '%1' %2.").arg(path, expected));
}

} // namespace

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
