#pragma once

#include <QString>

// The password file of PostgreSQL's client library (~/.pgpass): the program's own settings never
// hold a password, the client library finds it here when the connection opens.
namespace PgPassFile {

// ~/.pgpass (on Windows %APPDATA%\postgresql\pgpass.conf), or the file named by PGPASSFILE, as the
// client library itself finds it.
QString defaultPath();

// How the operator is told where the password goes: ~/.pgpass, or on Windows
// %APPDATA%\postgresql\pgpass.conf.
QString shownName();

// Stores the password for host:port:database:user, replacing that entry if present and keeping every
// other line; the file ends with mode 0600. Throws DoravelError with the system's message.
void storePassword(const QString& path, const QString& host, int port, const QString& database, const QString& user,
                   const QString& password);

// One field escaped as the file wants it: ':' and '\' behind a backslash.
QString escaped(const QString& field);

} // namespace PgPassFile
