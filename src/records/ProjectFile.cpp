#include "records/ProjectFile.h"

#include "model/Errors.h"
#include "model/FileErrors.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString k_format = QStringLiteral("doravel3-project");

struct THeaderField {
    const char* name;
    QString TProject::*member;
};

const THeaderField k_header[] = {
    {"orderName", &TProject::orderName},         {"openingWidth", &TProject::openingWidth},
    {"openingHeight", &TProject::openingHeight}, {"dolapadet", &TProject::dolapadet},
    {"doorCount", &TProject::doorCount},         {"profileColour", &TProject::profileColour},
    {"profileModel", &TProject::profileModel},   {"deliveryKind", &TProject::deliveryKind},
    {"assemblyKind", &TProject::assemblyKind},   {"profileGroupName", &TProject::profileGroupName},
    {"doorHeight", &TProject::doorHeight},
};

QJsonArray texts(const QString* first, int count) {
    QJsonArray array;
    for (int i = 0; i < count; ++i)
        array.append(first[i]);
    return array;
}

// Reads members and reports the path of the first that is missing or of the wrong type.
class TReader {
public:
    [[noreturn]] static void fail(const QString& path, const char* expected) {
        throw DoravelError(QStringLiteral("Proje dosyası okunamadı: '%1' %2.").arg(path, QString::fromUtf8(expected)));
    }
    static QJsonValue member(const QJsonObject& object, const QString& path, const QString& name) {
        if (!object.contains(name)) fail(path + name, "eksik");
        return object.value(name);
    }
    static QString text(const QJsonValue& value, const QString& path) {
        if (!value.isString()) fail(path, "bir metin olmalı");
        return value.toString();
    }
    static QJsonObject object(const QJsonValue& value, const QString& path) {
        if (!value.isObject()) fail(path, "bir nesne olmalı");
        return value.toObject();
    }
    static QJsonArray array(const QJsonValue& value, const QString& path, int size) {
        if (!value.isArray() || value.toArray().size() != size)
            fail(path, size == 6 ? "6 elemanlı bir dizi olmalı" : "doğru uzunlukta bir dizi olmalı");
        return value.toArray();
    }
};

} // namespace

QByteArray ProjectFile::toJson(const TProject& project, const TProfileGroup& group) {
    QJsonObject header;
    for (const THeaderField& field : k_header)
        header.insert(QLatin1String(field.name), project.*field.member);
    header.insert(QStringLiteral("deliveryDate"), project.deliveryDate.toString(Qt::ISODate));
    header.insert(QStringLiteral("doorsEqual"), project.doorsEqual);

    QJsonArray widths, doors, splits;
    for (int door = 1; door <= 6; ++door) {
        widths.append(project.doorWidths[door]);
        doors.append(texts(&project.cell(door, 1), TProject::DoorColumns - 1));
        QJsonArray table;
        for (int row = 1; row <= 6; ++row)
            table.append(texts(&project.splitTable(door)[row][1], 10));
        splits.append(table);
    }
    QJsonObject values;
    for (int value = 0; value < TProfileGroup::ValueCount; ++value)
        values.insert(QLatin1String(TProfileGroup::valueName(value)), group.text(value));

    QJsonObject root;
    root.insert(QStringLiteral("format"), k_format);
    root.insert(QStringLiteral("version"), 1);
    root.insert(QStringLiteral("header"), header);
    root.insert(QStringLiteral("doorWidths"), widths);
    root.insert(QStringLiteral("doors"), doors);
    root.insert(QStringLiteral("splits"), splits);
    root.insert(QStringLiteral("profileGroup"), values);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

TProjectFileContent ProjectFile::fromJson(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        throw DoravelError(QStringLiteral("Proje dosyası geçerli bir JSON belgesi değil: %1 (konum %2).")
                               .arg(error.errorString())
                               .arg(error.offset));
    if (!document.isObject()) TReader::fail(QStringLiteral("(kök)"), "bir nesne olmalı");
    const QJsonObject root = document.object();
    TProjectFileContent content;
    TProject& project = content.project;

    const QJsonObject header =
        TReader::object(TReader::member(root, QString(), QStringLiteral("header")), QStringLiteral("header"));
    const QString headerPath = QStringLiteral("header.");
    for (const THeaderField& field : k_header) {
        const QString name = QLatin1String(field.name);
        project.*field.member = TReader::text(TReader::member(header, headerPath, name), headerPath + name);
    }
    const QString date = TReader::text(TReader::member(header, headerPath, QStringLiteral("deliveryDate")),
                                       headerPath + QStringLiteral("deliveryDate"));
    project.deliveryDate = QDate::fromString(date, Qt::ISODate);
    if (!date.isEmpty() && !project.deliveryDate.isValid())
        TReader::fail(headerPath + QStringLiteral("deliveryDate"), "YYYY-AA-GG biçiminde bir tarih olmalı");
    const QJsonValue equal = TReader::member(header, headerPath, QStringLiteral("doorsEqual"));
    if (!equal.isBool()) TReader::fail(headerPath + QStringLiteral("doorsEqual"), "true ya da false olmalı");
    project.doorsEqual = equal.toBool();

    const QJsonArray widths =
        TReader::array(TReader::member(root, QString(), QStringLiteral("doorWidths")), QStringLiteral("doorWidths"), 6);
    const QJsonArray doors =
        TReader::array(TReader::member(root, QString(), QStringLiteral("doors")), QStringLiteral("doors"), 6);
    const QJsonArray splits =
        TReader::array(TReader::member(root, QString(), QStringLiteral("splits")), QStringLiteral("splits"), 6);
    for (int door = 1; door <= 6; ++door) {
        const QString widthPath = QStringLiteral("doorWidths[%1]").arg(door - 1);
        project.doorWidths[door] = TReader::text(widths.at(door - 1), widthPath);
        const QString doorPath = QStringLiteral("doors[%1]").arg(door - 1);
        const QJsonArray row = TReader::array(doors.at(door - 1), doorPath, TProject::DoorColumns - 1);
        for (int column = 1; column < TProject::DoorColumns; ++column)
            project.cell(door, column) =
                TReader::text(row.at(column - 1), doorPath + QStringLiteral("[%1]").arg(column - 1));
        const QString tablePath = QStringLiteral("splits[%1]").arg(door - 1);
        const QJsonArray table = TReader::array(splits.at(door - 1), tablePath, 6);
        for (int division = 1; division <= 6; ++division) {
            const QString rowPath = tablePath + QStringLiteral("[%1]").arg(division - 1);
            const QJsonArray cells = TReader::array(table.at(division - 1), rowPath, 10);
            for (int column = 1; column <= 10; ++column)
                project.splitTable(door)[division][column] =
                    TReader::text(cells.at(column - 1), rowPath + QStringLiteral("[%1]").arg(column - 1));
        }
    }

    const QJsonObject values = TReader::object(TReader::member(root, QString(), QStringLiteral("profileGroup")),
                                               QStringLiteral("profileGroup"));
    for (int value = 0; value < TProfileGroup::ValueCount; ++value) {
        const QString name = QLatin1String(TProfileGroup::valueName(value));
        content.group.setText(value, TReader::text(TReader::member(values, QStringLiteral("profileGroup."), name),
                                                   QStringLiteral("profileGroup.") + name));
    }
    return content;
}

TProjectFileContent ProjectFile::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DoravelError(FileErrors::text(FileErrors::Action::Open, path, file.errorString()));
    // Read in pieces up to the limit: a device such as /dev/zero tells no size and never ends.
    QByteArray json;
    while (json.size() <= MaxSize) {
        const QByteArray piece = file.read(MaxSize + 1 - json.size());
        if (piece.isEmpty()) break;
        json += piece;
    }
    if (file.error() != QFileDevice::NoError)
        throw DoravelError(FileErrors::text(FileErrors::Action::Open, path, file.errorString()));
    if (json.size() > MaxSize)
        throw DoravelError(QStringLiteral("Proje dosyası okunamadı: \"%1\" %2 MB'tan büyük.")
                               .arg(QDir::toNativeSeparators(path))
                               .arg(MaxSize / (1024 * 1024)));
    return fromJson(json);
}

void ProjectFile::write(const QString& path, const TProject& project, const TProfileGroup& group) {
    FileErrors::writeWhole(path, toJson(project, group));
}
