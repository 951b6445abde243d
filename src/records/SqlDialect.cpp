#include "records/SqlDialect.h"

namespace SqlDialect {

QString driverName() {
    return QStringLiteral("QSQLITE");
}

QString connectOptions() {
    return QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000");
}

QStringList afterOpen() {
    // A write-ahead log: a commit is one append instead of two synchronous writes, readers do not wait
    // for a writer, and a killed or crashed process still leaves every transaction whole or absent.
    return {QStringLiteral("PRAGMA journal_mode=WAL"), QStringLiteral("PRAGMA synchronous=NORMAL")};
}

QStringList beginWrite() {
    return {QStringLiteral("BEGIN IMMEDIATE")};
}

} // namespace SqlDialect
