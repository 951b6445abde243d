#pragma once

#include <QString>
#include <QStringList>

// The only SQL that differs between database engines. Everything else in the records layer is
// plain SQL that SQLite and PostgreSQL read alike.
namespace SqlDialect {

// Qt's driver name for the order database.
QString driverName();
// Connection options: how long a writer waits for another one before giving up.
QString connectOptions();
// Settings of an opened database, run after its tables were checked or created.
QStringList afterOpen();
// Starts a transaction that writes: it takes the write lock at once, so order and customer numbers
// decided inside it cannot be taken by another writer before the commit.
QStringList beginWrite();

} // namespace SqlDialect
