#include "records/SqlDialect.h"

namespace SqlDialect {

QString driverName() {
    return QStringLiteral("QSQLITE");
}

QString connectOptions() {
    return QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000");
}

QStringList beginWrite() {
    return {QStringLiteral("BEGIN IMMEDIATE")};
}

} // namespace SqlDialect
