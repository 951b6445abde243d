#include "records/OrderDatabase.h"

#include "model/Errors.h"
#include "model/LongWait.h"
#include "model/Messages.h"
#include "model/ProgramFolder.h"
#include "model/SessionEvents.h"
#include "records/OrderSchema.h"
#include "records/SchemaSteps.h"
#include "records/ServerWatch.h"
#include "records/SqlDialect.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPointer>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>

#include <stdexcept>

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

// `noAnswer`: the watchdog cut the wait, the server's own words are of no use then.
DoravelError unreachable(const QSqlError& error, bool noAnswer = false) {
    const QString reason =
        noAnswer ? OrderDatabaseTexts::noAnswer.arg(SqlDialect::answerMilliseconds / 1000) : engineMessage(error);
    return DoravelError(OrderDatabaseTexts::unreachable.arg(g_settings.serverName(), reason));
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
        const bool noAnswer = TServerWatch::cut();
        dropConnection();
        return unreachable(error, noAnswer);
    }
    if (SqlDialect::isBusy(g_settings.engine, error)) return DoravelError(OrderDatabaseTexts::busy);
    return DoravelError(engineMessage(error));
}

void run(QSqlDatabase& db, const QString& sql) {
    const TServerWatch watch(db);
    QSqlQuery query(db);
    if (!query.exec(sql)) throw failure(query.lastError());
}

bool hasTable(const QSqlDatabase& db, const QString& name) {
    const TServerWatch watch(db);
    return db.tables().contains(name, Qt::CaseInsensitive);
}

// The schema a database holds: none at all (a new database), the tables without a version row
// (written before versions were kept: version 1), or the stored version.
struct TStoredSchema {
    bool empty = false;
    bool versionRow = false;
    int version = 0;
};

TStoredSchema storedSchema(QSqlDatabase& db) {
    TStoredSchema stored;
    if (!hasTable(db, QStringLiteral("dora_schema"))) {
        stored.empty = !hasTable(db, QStringLiteral("siparis"));
        stored.version = stored.empty ? 0 : 1;
        return stored;
    }
    const TServerWatch watch(db);
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT MAX(version) FROM dora_schema"))) throw failure(query.lastError());
    stored.versionRow = query.next() && !query.value(0).isNull();
    stored.version = stored.versionRow ? query.value(0).toInt() : 1;
    return stored;
}

bool upToDate(const TStoredSchema& stored) {
    return stored.versionRow && stored.version == OrderDatabase::schemaVersion;
}

// A database a newer program has changed is refused before anything reads or writes it: this one
// would not know what its records mean.
void refuseNewer(const TStoredSchema& stored) {
    if (stored.version > OrderDatabase::schemaVersion)
        throw DoravelError(OrderDatabaseTexts::newerSchema.arg(stored.version).arg(OrderDatabase::schemaVersion));
}

// Every table must answer a query; the first that does not gives the engine's message.
void probeTables(QSqlDatabase& db) {
    for (const QString& table : OrderSchema::tableNames())
        run(db, QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(table));
}

// A consistent copy of the local file as it was before its upgrade, in the db folder's backups.
void copyAside(QSqlDatabase& db, int version) {
    const QDir backups(QFileInfo(db.databaseName()).absolutePath() + QStringLiteral("/yedek"));
    QDir().mkpath(backups.absolutePath());
    const QString copy =
        backups.filePath(QStringLiteral("dora-surum%1-%2.sqlite")
                             .arg(version)
                             .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"))));
    QFile::remove(copy);
    QSqlQuery query(db);
    query.prepare(QStringLiteral("VACUUM INTO ?"));
    query.addBindValue(copy);
    if (!query.exec()) throw failure(query.lastError());
}

// Runs each step above the stored version, each with its version change in one write transaction
// under the schema lock. The version is read again under the lock: another seat may have upgraded in
// between. A step that cannot get the lock in time fails with the busy message and nothing changed;
// the next use tries again.
void upgrade(QSqlDatabase& db) {
    TSchemaChange change;
    change.onServer = onServer();
    change.run = [&db](const QString& sql) { run(db, sql); };
    change.hasTable = [&db](const QString& table) { return hasTable(db, table); };
    change.hasColumn = [&db](const QString& table, const QString& column) { return db.record(table).contains(column); };
    for (const TSchemaStep& step : SchemaSteps::all()) {
        for (const QString& statement : SqlDialect::beginSchema(g_settings.engine))
            run(db, statement);
        try {
            const TStoredSchema stored = storedSchema(db);
            refuseNewer(stored);
            if (stored.version < step.version || (stored.version == step.version && !stored.versionRow)) {
                step.apply(change);
                run(db, QStringLiteral("DELETE FROM dora_schema"));
                const TServerWatch watch(db);
                QSqlQuery version(db);
                version.prepare(QStringLiteral("INSERT INTO dora_schema (version) VALUES (?)"));
                version.addBindValue(step.version);
                if (!version.exec()) throw failure(version.lastError());
            }
            run(db, QStringLiteral("COMMIT"));
        } catch (...) {
            const TServerWatch watch(db);
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            throw;
        }
    }
}

// Brings the database to this program's schema: a new one gets every table, an older one (a version
// row missing included) its upgrade steps, without a word to the operator; a newer one is refused
// and left as it is.
void bringUpToDate(QSqlDatabase& db, bool localFile) {
    const TStoredSchema stored = storedSchema(db);
    refuseNewer(stored);
    if (!stored.empty) probeTables(db);
    if (upToDate(stored)) return;
    if (localFile && !stored.empty) copyAside(db, stored.version);
    upgrade(db);
}

// Tells this seat's windows that the records of `channel` changed.
void announceChannel(const QString& channel) {
    if (!g_events) return;
    if (channel == OrderDatabase::ordersChannel) emit g_events->ordersChanged();
    if (channel == OrderDatabase::customersChannel) emit g_events->customersChanged();
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
                         // This seat's own commits announced themselves already.
                         if (source != QSqlDriver::SelfSource) announceChannel(channel);
                     });
}

QSqlDatabase openServer(QSqlDatabase& db) {
    if (!db.isOpen()) {
        // Bounded by the connect timeout.
        QElapsedTimer connecting;
        connecting.start();
        const bool opened = db.open();
        LongWait::note(connecting.elapsed());
        if (!opened) throw unreachable(db.lastError());
    }
    // Every statement of the check below is bounded on its own; this bounds the listening set up last.
    const TServerWatch watch(db);
    try {
        for (const QString& statement : SqlDialect::afterOpen(g_settings.engine))
            run(db, statement);
        bringUpToDate(db, false);
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
        bringUpToDate(db, true);
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
    return OrderSchema::tableNames();
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

namespace {
// Preparing on the server is a round trip of its own.
bool watchedPrepare(QSqlQuery& query, const QString& sql) {
    const TServerWatch watch(OrderDatabase::open());
    return query.prepare(sql);
}
} // namespace

QSqlQuery prepare(const QString& sql) {
    QSqlQuery query(open());
    if (watchedPrepare(query, sql)) return query;
    const QSqlError error = query.lastError();
    // A connection the server dropped since the last command (a restart, a network break): outside a
    // transaction nothing is lost by connecting again and preparing once more. A server that did not
    // answer at all would only keep the operator waiting once more.
    if (!connectionLost(error) || g_inTransaction || TServerWatch::cut()) throw failure(error);
    dropConnection();
    QSqlQuery again(open());
    if (!watchedPrepare(again, sql)) throw failure(again.lastError());
    return again;
}

void exec(QSqlQuery& query) {
    const TServerWatch watch(QSqlDatabase::database(connectionName, false));
    if (!query.exec()) throw failure(query.lastError());
}

void readRows(QSqlQuery& query, const std::function<void(const QSqlQuery&)>& read) {
    const TServerWatch watch(QSqlDatabase::database(connectionName, false));
    if (!query.exec()) throw failure(query.lastError());
    // Rows of a forward-only statement arrive while reading: a lost connection ends them early.
    while (query.next())
        read(query);
    if (query.lastError().isValid()) throw failure(query.lastError());
}

void announceChangesTo(TSessionEvents& events) {
    g_events = &events;
    if (g_checked && QSqlDatabase::contains(connectionName)) {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        if (db.isOpen()) listenForOtherSeats(db);
    }
}

void announceReplaced() {
    announceChannel(customersChannel);
    announceChannel(ordersChannel);
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
    if (g_inTransaction) throw std::logic_error("a write transaction was started inside another one");
    // A lock held elsewhere past the bounded wait fails at once with the busy message; the operator
    // repeats the command. A connection the server dropped is opened again once.
    for (bool reconnected = false;;) {
        m_db = OrderDatabase::open();
        const QStringList begin = SqlDialect::beginWrite(g_settings.engine);
        QSqlError error;
        bool begun = true;
        const TServerWatch watch(m_db);
        for (int i = 0; i < begin.size() && begun; ++i) {
            QSqlQuery query(m_db);
            if (!query.exec(begin[i])) {
                error = query.lastError();
                begun = false;
                if (i > 0) QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
            }
        }
        if (begun) break;
        if (!connectionLost(error) || reconnected || TServerWatch::cut()) throw failure(error);
        reconnected = true;
        dropConnection();
    }
    m_open = true;
    g_inTransaction = true;
}

TWriteTransaction::~TWriteTransaction() {
    if (m_open) {
        const TServerWatch watch(m_db);
        QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
    }
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
    for (const QString& channel : m_channels)
        announceChannel(channel);
}
