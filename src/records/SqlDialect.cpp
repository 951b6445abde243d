#include "records/SqlDialect.h"

#include <QSqlError>

namespace SqlDialect {

QString driverName(Engine engine) {
    return engine == Engine::Server ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE");
}

QString connectOptions(Engine engine) {
    // A writer waits a few seconds for another one, never longer: the window's thread waits with it.
    if (engine != Engine::Server) return QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(lockWaitMilliseconds);
    // An unreachable server is reported after a few seconds instead of the system's minutes. Over a
    // network, keep-alives find a silent peer of an idle connection (the listener's) within about ten
    // seconds, and data the server does not acknowledge ends the connection within the answer bound.
    // A local socket ignores both; TServerWatch bounds every wait there.
    return QStringLiteral("connect_timeout=%1;keepalives=1;keepalives_idle=5;keepalives_interval=2;keepalives_count="
                          "3;tcp_user_timeout=%2")
        .arg(connectSeconds)
        .arg(answerMilliseconds);
}

QStringList afterOpen(Engine engine) {
    if (engine == Engine::Server)
        // Every wait on the server is bounded, reads and start-up included: for a lock held by another
        // seat (a table locked for writing, the schema lock) and for a statement as a whole.
        return {QStringLiteral("SET lock_timeout = %1").arg(lockWaitMilliseconds),
                QStringLiteral("SET statement_timeout = %1").arg(statementMilliseconds)};
    // A write-ahead log: a commit is one append instead of two synchronous writes, readers do not wait
    // for a writer, and a killed or crashed process still leaves every transaction whole or absent.
    return {QStringLiteral("PRAGMA journal_mode=WAL"), QStringLiteral("PRAGMA synchronous=NORMAL")};
}

QStringList beginWrite(Engine engine) {
    if (engine == Engine::Server)
        // Readers go on reading; writers take their turns, as on the local file. Every writer locks
        // the same two tables in the same order, so two seats never wait for each other in a circle.
        return {QStringLiteral("BEGIN"), QStringLiteral("LOCK TABLE siparis, musteri IN EXCLUSIVE MODE")};
    return {QStringLiteral("BEGIN IMMEDIATE")};
}

QStringList beginSchema(Engine engine) {
    if (engine == Engine::Server)
        return {QStringLiteral("BEGIN"), QStringLiteral("SELECT pg_advisory_xact_lock(2026121115)")};
    return {QStringLiteral("BEGIN IMMEDIATE")};
}

QStringList announce(Engine engine, const QString& channel) {
    if (engine != Engine::Server) return {};
    return {QStringLiteral("NOTIFY %1").arg(channel)};
}

bool isBusy(Engine engine, const QSqlError& error) {
    if (engine == Engine::Server)
        // A lock not granted within lock_timeout, a statement cancelled by statement_timeout, a
        // serialization failure or deadlock: the transaction was rolled back and may run again.
        return QStringList(
                   {QStringLiteral("55P03"), QStringLiteral("57014"), QStringLiteral("40001"), QStringLiteral("40P01")})
            .contains(error.nativeErrorCode());
    // SQLITE_BUSY and SQLITE_LOCKED: another connection holds the write lock beyond the busy timeout.
    return error.nativeErrorCode() == QLatin1String("5") || error.nativeErrorCode() == QLatin1String("6");
}

} // namespace SqlDialect
