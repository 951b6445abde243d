#pragma once

#include <QString>

#include <functional>
#include <vector>

// What a schema step may do to the database it upgrades: run statements (inside the step's write
// transaction, under the schema lock) and ask which tables and columns exist.
struct TSchemaChange {
    bool onServer = false;
    std::function<void(const QString& sql)> run;
    std::function<bool(const QString& table)> hasTable;
    std::function<bool(const QString& table, const QString& column)> hasColumn;
};

// One step of the order database's schema: the version it brings a database to and the change that
// does it. The steps run in turn from the database's stored version, each with its version change in
// one write transaction.
struct TSchemaStep {
    int version = 0;
    void (*apply)(TSchemaChange& change) = nullptr;
};

namespace SchemaSteps {

// Every step, by rising version without gaps; the last one's version is OrderDatabase::schemaVersion.
const std::vector<TSchemaStep>& all();

} // namespace SchemaSteps
