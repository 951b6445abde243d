#include "records/OrderDatabase.h"

#include "model/Errors.h"
#include "model/Messages.h"
#include "model/ProgramFolder.h"
#include "model/SessionEvents.h"
#include "records/OrderSchema.h"
#include "records/SqlDialect.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QSqlDriver>
#include <QSqlError>
#include <QThread>

namespace {

using Engine = TDatabaseSettings::Engine;

bool g_checked = false;
bool g_inTransaction = false;
TDatabaseSettings g_settings;
QPointer<TSessionEvents> g_events;

bool onServer() {
    return g_settings.onServer();
}

QString engineMessage(const QSqlError& error) {
    const QString text = error.text().trimmed();
    return text.isEmpty() ? QStringLiteral("Veritabanı hatası") : text;
}

DoravelError unreachable(const QSqlError& error) {
    return DoravelError(OrderDatabaseTexts::unreachable.arg(g_settings.serverName(), engineMessage(error)));
}

// A failure of the connection itself rather than of one statement: the client library reports it
// without an SQL state, or the server gives a connection (08) or shutdown (57P) state.
bool connectionLost(const QSqlError& error) {
    if (!onServer()) return false;
    if (error.type() == QSqlError::ConnectionError) return true;
    const QString state = error.nativeErrorCode();
    return state.isEmpty() || state.startsWith(QLatin1String("08")) || state.startsWith(QLatin1String("57P"));
}

// The connection is of no more use; the next open() connects again.
void dropConnection() {
    g_checked = false;
    if (QSqlDatabase::contains(OrderDatabase::connectionName))
        QSqlDatabase::database(OrderDatabase::connectionName, false).close();
}

DoravelError failure(const QSqlError& error) {
    if (connectionLost(error)) {
        dropConnection();
        return unreachable(error);
    }
    return DoravelError(engineMessage(error));
}

void run(QSqlDatabase& db, const QString& sql) {
    QSqlQuery query(db);
    if (!query.exec(sql)) throw failure(query.lastError());
}

bool hasTable(const QSqlDatabase& db, const QString& name) {
    return db.tables().contains(name, Qt::CaseInsensitive);
}

void createSchema(QSqlDatabase& db) {
    for (const QString& statement : SqlDialect::beginSchema(g_settings.engine))
        run(db, statement);
    try {
        // Another seat may have created the tables while this one waited for the lock.
        if (!hasTable(db, QStringLiteral("dora_schema"))) {
            for (const QString& statement : OrderSchema::createStatements())
                run(db, statement);
            QSqlQuery version(db);
            version.prepare(QStringLiteral("INSERT INTO dora_schema (version) VALUES (?)"));
            version.addBindValue(OrderDatabase::schemaVersion);
            if (!version.exec()) throw failure(version.lastError());
        }
        run(db, QStringLiteral("COMMIT"));
    } catch (...) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

// Every table must answer a query; the first that does not gives the engine's message. A database a
// newer program has changed is refused before anything reads or writes it: this one would not know
// what its records mean. A database without a version (written before versions were kept) is taken
// as it is.
void checkSchema(QSqlDatabase& db) {
    for (const QString& table : OrderDatabase::tableNames())
        run(db, QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(table));
    if (!hasTable(db, QStringLiteral("dora_schema"))) return;
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT MAX(version) FROM dora_schema"))) throw failure(query.lastError());
    const int stored = query.next() ? query.value(0).toInt() : 0;
    if (stored > OrderDatabase::schemaVersion)
        throw DoravelError(OrderDatabaseTexts::newerSchema.arg(stored).arg(OrderDatabase::schemaVersion));
}

void listenForOtherSeats(QSqlDatabase& db) {
    if (!g_events || !onServer()) return;
    QSqlDriver* driver = db.driver();
    for (const QString& channel : {OrderDatabase::ordersChannel, OrderDatabase::customersChannel})
        if (!driver->subscribedToNotifications().contains(channel)) driver->subscribeToNotification(channel);
    if (driver->property("doravelListening").toBool()) return;
    driver->setProperty("doravelListening", true);
    QObject::connect(driver, &QSqlDriver::notification, driver,
                     [](const QString& channel, QSqlDriver::NotificationSource source, const QVariant&) {
                         // This seat's own windows already learnt of its own changes.
                         if (!g_events || source == QSqlDriver::SelfSource) return;
                         if (channel == OrderDatabase::ordersChannel) emit g_events->ordersChanged();
                         if (channel == OrderDatabase::customersChannel) emit g_events->customersChanged();
                     });
}

QSqlDatabase openServer(QSqlDatabase& db) {
    if (!db.isOpen() && !db.open()) throw unreachable(db.lastError());
    try {
        if (!hasTable(db, QStringLiteral("dora_schema")) && !hasTable(db, QStringLiteral("siparis"))) createSchema(db);
        checkSchema(db);
    } catch (const DoravelError&) {
        db.close();
        throw;
    }
    g_checked = true;
    listenForOtherSeats(db);
    return db;
}

QSqlDatabase openFile(QSqlDatabase& db) {
    const QString path = db.databaseName();
    const bool existed = QFileInfo::exists(path);
    if (!existed) QDir().mkpath(QFileInfo(path).absolutePath());
    if (!db.isOpen() && !db.open()) throw DoravelError(engineMessage(db.lastError()));
    try {
        if (existed)
            checkSchema(db);
        else
            createSchema(db);
        for (const QString& statement : SqlDialect::afterOpen(g_settings.engine))
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
    return onServer() ? openServer(db) : openFile(db);
}

void close() {
    dropConnection();
}

const TDatabaseSettings& settings() {
    return g_settings;
}

QSqlQuery prepare(const QString& sql) {
    QSqlQuery query(open());
    if (query.prepare(sql)) return query;
    const QSqlError error = query.lastError();
    // A connection the server dropped since the last command (a restart, a network break): outside a
    // transaction nothing is lost by connecting again and preparing once more.
    if (!connectionLost(error) || g_inTransaction) throw failure(error);
    dropConnection();
    QSqlQuery again(open());
    if (!again.prepare(sql)) throw failure(again.lastError());
    return again;
}

void exec(QSqlQuery& query) {
    if (!query.exec()) throw failure(query.lastError());
}

void watchOtherSeats(TSessionEvents& events) {
    g_events = &events;
    if (g_checked && QSqlDatabase::contains(connectionName)) {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        if (db.isOpen()) listenForOtherSeats(db);
    }
}

void reportUnreachableServer() {
    if (!onServer()) return;
    try {
        open();
    } catch (const DoravelError& error) {
        TMessages::showMessage(error.message());
    }
}

QString testServerConnection(const TDatabaseSettings& settings, const QString& password) {
    CheckDatabaseSettings(settings);
    const QString name = QStringLiteral("dora_test_connection");
    QString version;
    QString message;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(SqlDialect::driverName(Engine::Server), name);
        db.setHostName(settings.host.trimmed());
        db.setPort(settings.port);
        db.setDatabaseName(settings.database.trimmed());
        db.setUserName(settings.user.trimmed());
        if (!password.isEmpty()) db.setPassword(password);
        db.setConnectOptions(SqlDialect::connectOptions(Engine::Server));
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(QStringLiteral("SHOW server_version")) && query.next())
                version = QStringLiteral("PostgreSQL ") + query.value(0).toString();
            db.close();
        } else {
            message = OrderDatabaseTexts::notConnected.arg(settings.serverName(), engineMessage(db.lastError()));
        }
    }
    QSqlDatabase::removeDatabase(name);
    if (!message.isEmpty()) throw DoravelError(message);
    return OrderDatabaseTexts::connected.arg(settings.serverName(), version);
}

} // namespace OrderDatabase

void RegisterOrderDatabase(const TProgramFolder& folder, const TDatabaseSettings& settings) {
    OrderDatabase::close();
    if (QSqlDatabase::contains(OrderDatabase::connectionName))
        QSqlDatabase::removeDatabase(OrderDatabase::connectionName);
    g_settings = settings;
    QSqlDatabase db = QSqlDatabase::addDatabase(SqlDialect::driverName(settings.engine), OrderDatabase::connectionName);
    if (settings.onServer()) {
        // No password here: the client library reads it from the user's password file.
        db.setHostName(settings.host);
        db.setPort(settings.port);
        db.setDatabaseName(settings.database);
        db.setUserName(settings.user);
    } else {
        db.setDatabaseName(folder.dbFile(OrderDatabase::fileName));
    }
    db.setConnectOptions(SqlDialect::connectOptions(settings.engine));
}

TWriteTransaction::TWriteTransaction() {
    // Another seat holding the write lock longer than the engine waits: wait and try again, so the
    // operator never sees "database is locked". A connection the server dropped is opened again once.
    bool reconnected = false;
    for (int attempt = 1;; ++attempt) {
        m_db = OrderDatabase::open();
        const QStringList begin = SqlDialect::beginWrite(g_settings.engine);
        QSqlError error;
        bool begun = true;
        for (int i = 0; i < begin.size() && begun; ++i) {
            QSqlQuery query(m_db);
            if (!query.exec(begin[i])) {
                error = query.lastError();
                begun = false;
                if (i > 0) QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
            }
        }
        if (begun) break;
        if (connectionLost(error) && !reconnected) {
            reconnected = true;
            dropConnection();
            continue;
        }
        if (!SqlDialect::isBusy(g_settings.engine, error) || attempt >= 20) throw failure(error);
        QThread::msleep(50 * attempt);
    }
    m_open = true;
    g_inTransaction = true;
}

TWriteTransaction::~TWriteTransaction() {
    if (m_open) QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
    g_inTransaction = false;
}

void TWriteTransaction::announce(const QString& channel) {
    if (!m_channels.contains(channel)) m_channels << channel;
}

void TWriteTransaction::commit() {
    for (const QString& channel : m_channels)
        for (const QString& statement : SqlDialect::announce(g_settings.engine, channel))
            run(m_db, statement);
    run(m_db, QStringLiteral("COMMIT"));
    m_open = false;
    g_inTransaction = false;
}
