#pragma once

#include "records/OrderRecord.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <vector>

// The order tables: one table of the order table's columns that every statement and every read is
// made from, and the statements that create the tables of a schema version.
namespace OrderSchema {

// One column of the order table: its name, its SQL type, the schema version that added it, and how an
// order record writes and reads it.
struct TColumn {
    QString name;
    QString type;
    int since = 1;
    std::function<QVariant(const TOrderRecord&)> write;
    std::function<void(TOrderRecord&, const QVariant&)> read;
};

// Every column of the order table, header and money fields first, then doors 1..6 (24 division
// fields, direction, count, width). A later schema version appends its columns with its `since`.
const std::vector<TColumn>& orderColumns();

// The 60 split fields of a split table, divisions 1..6 in turn.
QStringList splitFields();

// A field name as it is written in SQL text.
QString quoted(const QString& name);

// The columns' names as written in SQL, joined by commas.
QString columnList(const std::vector<TColumn>& columns);

// What a record stores for a text: the empty text, never NULL.
QVariant storedText(const QString& value);
// A date as stored: ISO text, the empty text for no date.
QVariant storedDate(const QDate& value);
QDate readDate(const QVariant& value);

// "k1" … "k6".
inline QString splitTable(int door) {
    return QStringLiteral("k%1").arg(door);
}

// The eight tables every order and customer lives in.
QStringList tableNames();

// CREATE TABLE and CREATE INDEX statements of the version-1 tables.
QStringList createVersion1();

// The ALTER TABLE statement that adds `column` to the order table.
QString addColumn(const TColumn& column);

} // namespace OrderSchema
