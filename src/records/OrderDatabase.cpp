#include "records/OrderDatabase.h"

#include "model/Errors.h"
#include "model/ProgramFolder.h"
#include "records/OrderSchema.h"
#include "records/SqlDialect.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>

namespace {

bool g_checked = false;

QString engineMessage(const QSqlError& error) {
    const QString text = error.text().trimmed();
    return text.isEmpty() ? QStringLiteral("Veritabanı hatası") : text;
}

void run(QSqlDatabase& db, const QString& sql) {
    QSqlQuery query(db);
    if (!query.exec(sql)) throw DoravelError(engineMessage(query.lastError()));
}

void createSchema(QSqlDatabase& db) {
    for (const QString& statement : SqlDialect::beginWrite())
        run(db, statement);
    try {
        for (const QString& statement : OrderSchema::createStatements())
            run(db, statement);
        QSqlQuery version(db);
        version.prepare(QStringLiteral("INSERT INTO dora_schema (version) VALUES (?)"));
        version.addBindValue(OrderDatabase::schemaVersion);
        if (!version.exec()) throw DoravelError(engineMessage(version.lastError()));
        run(db, QStringLiteral("COMMIT"));
    } catch (...) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

// Every table must answer a query; the first that does not gives the engine's message.
void checkSchema(QSqlDatabase& db) {
    for (const QString& table : OrderDatabase::tableNames())
        run(db, QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(table));
}

} // namespace

namespace OrderDatabase {

QStringList tableNames() {
    return {QStringLiteral("siparis"), QStringLiteral("musteri"), QStringLiteral("k1"), QStringLiteral("k2"),
            QStringLiteral("k3"),      QStringLiteral("k4"),      QStringLiteral("k5"), QStringLiteral("k6")};
}

QSqlDatabase open() {
    if (!QSqlDatabase::contains(connectionName)) throw DoravelError(QStringLiteral("Veritabanı tanımlı değil: dora"));
    QSqlDatabase db = QSqlDatabase::database(connectionName, false);
    if (db.isOpen() && g_checked) return db;
    const QString path = db.databaseName();
    const bool existed = QFileInfo::exists(path);
    if (!existed) QDir().mkpath(QFileInfo(path).absolutePath());
    if (!db.isOpen() && !db.open()) throw DoravelError(engineMessage(db.lastError()));
    try {
        if (existed)
            checkSchema(db);
        else
            createSchema(db);
        for (const QString& statement : SqlDialect::afterOpen())
            run(db, statement);
    } catch (const DoravelError&) {
        db.close();
        // Only a file this call created, and left without tables, is taken away again.
        if (!existed) QFile::remove(path);
        throw;
    }
    g_checked = true;
    return db;
}

void close() {
    g_checked = false;
    if (QSqlDatabase::contains(connectionName)) QSqlDatabase::database(connectionName, false).close();
}

QSqlQuery prepare(const QString& sql) {
    QSqlQuery query(open());
    if (!query.prepare(sql)) throw DoravelError(engineMessage(query.lastError()));
    return query;
}

void exec(QSqlQuery& query) {
    if (!query.exec()) throw DoravelError(engineMessage(query.lastError()));
}

} // namespace OrderDatabase

void RegisterOrderDatabase(const TProgramFolder& folder) {
    OrderDatabase::close();
    if (QSqlDatabase::contains(OrderDatabase::connectionName))
        QSqlDatabase::removeDatabase(OrderDatabase::connectionName);
    QSqlDatabase db = QSqlDatabase::addDatabase(SqlDialect::driverName(), OrderDatabase::connectionName);
    db.setDatabaseName(folder.dbFile(OrderDatabase::fileName));
    db.setConnectOptions(SqlDialect::connectOptions());
}

TWriteTransaction::TWriteTransaction() : m_db(OrderDatabase::open()) {
    for (const QString& statement : SqlDialect::beginWrite())
        run(m_db, statement);
    m_open = true;
}

TWriteTransaction::~TWriteTransaction() {
    if (m_open) QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
}

void TWriteTransaction::commit() {
    run(m_db, QStringLiteral("COMMIT"));
    m_open = false;
}
