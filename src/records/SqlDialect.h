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

// The longest a command waits for a lock another seat or process holds, and the longest a statement
// on the server may run: past them the operator hears at once that the records are busy.
constexpr int lockWaitMilliseconds = 3000;
constexpr int statementMilliseconds = 5000;
// The longest the window's thread waits for the server to answer at all (TServerWatch): a server that
// ran the statement gives its own answer before, so past it the server is taken as unreachable.
constexpr int answerMilliseconds = statementMilliseconds + 2000;
// The longest a connection attempt may take.
constexpr int connectSeconds = 5;

// Qt's driver name.
QString driverName(Engine engine);
// Connection options: how long a writer waits for another one; on the server how long a connection
// attempt may take and how soon a network connection that stopped carrying anything counts as lost.
QString connectOptions(Engine engine);
// Settings of an opened database: on the server the bounded waits, run before anything else; on the
// local file the journal, run after its tables were checked or created.
QStringList afterOpen(Engine engine);
// Starts a transaction that writes: it takes the write lock at once, so order and customer numbers
// decided inside it cannot be taken by another seat before the commit.
QStringList beginWrite(Engine engine);
// Starts the transaction of one schema step under the schema lock; two seats starting on one
// database at the same moment upgrade it once.
QStringList beginSchema(Engine engine);
// Tells the other seats, at commit, that the records of `channel` changed (nothing on the local file).
QStringList announce(Engine engine, const QString& channel);
// True when `error` is another seat holding a lock past the bounded wait, so trying again later helps.
bool isBusy(Engine engine, const QSqlError& error);

} // namespace SqlDialect
