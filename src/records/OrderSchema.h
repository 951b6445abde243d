#pragma once

#include <QString>
#include <QStringList>

// Field names of the order tables and the statements that create them.
namespace OrderSchema {

// The order table's header and money fields, in the order a save writes them.
QStringList headerFields();
// The door fields of door N (1..6): 24 division fields, direction, count, width.
QStringList doorFields(int door);
// The 60 split fields of a split table, divisions 1..6 in turn.
QStringList splitFields();
// Every field of the order table, header then doors 1..6.
QStringList orderFields();

// A field name as it is written in SQL text.
QString quoted(const QString& name);

// "k1" … "k6".
inline QString splitTable(int door) {
    return QStringLiteral("k%1").arg(door);
}

// CREATE TABLE and CREATE INDEX statements of a fresh database.
QStringList createStatements();

} // namespace OrderSchema
