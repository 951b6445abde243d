#include "records/SchemaSteps.h"

#include "records/OrderSchema.h"

namespace {

// Version 1: the order, customer and split tables. A database written before versions were kept has
// them already and gets only the version table.
void createTables(TSchemaChange& change) {
    if (change.hasTable(QStringLiteral("siparis"))) {
        if (!change.hasTable(QStringLiteral("dora_schema")))
            change.run(QStringLiteral("CREATE TABLE dora_schema (version integer NOT NULL)"));
        return;
    }
    for (const QString& statement : OrderSchema::createVersion1())
        change.run(statement);
}

} // namespace

namespace SchemaSteps {

const std::vector<TSchemaStep>& all() {
    // A new step: its version, a function that changes the tables (new order table columns are
    // declared in OrderSchema::orderColumns with this `since` and added by OrderSchema::addColumnsOf),
    // and OrderDatabase::schemaVersion raised to it.
    static const std::vector<TSchemaStep> steps = {
        {1, createTables},
    };
    return steps;
}

} // namespace SchemaSteps
