#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

class TProgramFolder;

// The order database: the connection "dora" to one file in the program folder's db folder.
namespace OrderDatabase {

inline const QString connectionName = QStringLiteral("dora");
inline const QString fileName = QStringLiteral("dora.sqlite");
constexpr int schemaVersion = 1;

// The eight tables every order and customer lives in.
QStringList tableNames();

// The database, open and checked. A missing file is created with the eight tables; a file that
// cannot be opened or lacks a table raises DoravelError with the engine's message and is left as it is.
QSqlDatabase open();

// Closes the connection (the file stays); the next open() checks the file again.
void close();

// A prepared statement on the order database; throws DoravelError with the engine's message.
QSqlQuery prepare(const QString& sql);
// Runs a prepared statement; throws DoravelError with the engine's message.
void exec(QSqlQuery& query);

} // namespace OrderDatabase

// Binds the name "dora" to the db folder of this program folder, renewed at every start.
void RegisterOrderDatabase(const TProgramFolder& folder);

// One transaction that writes. It rolls back unless commit() is reached, so a failure anywhere
// leaves the database as it was.
class TWriteTransaction {
public:
    TWriteTransaction();
    ~TWriteTransaction();
    TWriteTransaction(const TWriteTransaction&) = delete;
    TWriteTransaction& operator=(const TWriteTransaction&) = delete;
    void commit();

private:
    QSqlDatabase m_db;
    bool m_open = false;
};
