#pragma once

#include "settings/DatabaseSettings.h"

#include <QString>
#include <QStringList>

class QSqlError;

// The only SQL and driver knowledge that differs between the two engines: the local SQLite file and
// a PostgreSQL server. Everything else in the records layer is plain SQL both read alike. Identifiers
// are written unquoted everywhere, so both engines fold them the same way and "Teslimtarihi" and
// "teslimtarihi" are one field; only the reserved word `not` is quoted, in lower case (OrderSchema).
namespace SqlDialect {

using Engine = TDatabaseSettings::Engine;

// Qt's driver name.
QString driverName(Engine engine);
// Connection options: how long a writer waits for another one, how long a connection attempt may take.
QString connectOptions(Engine engine);
// Settings of an opened database, run after its tables were checked or created.
QStringList afterOpen(Engine engine);
// Starts a transaction that writes: it takes the write lock at once, so order and customer numbers
// decided inside it cannot be taken by another seat before the commit.
QStringList beginWrite(Engine engine);
// Starts the transaction that creates the tables of an empty database; two seats starting on one
// empty server database at the same moment create them once.
QStringList beginSchema(Engine engine);
// Tells the other seats, at commit, that the records of `channel` changed (nothing on the local file).
QStringList announce(Engine engine, const QString& channel);
// True when `error` is another writer holding the lock, so waiting and trying again helps.
bool isBusy(Engine engine, const QSqlError& error);

} // namespace SqlDialect
