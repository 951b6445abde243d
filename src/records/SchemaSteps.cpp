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

// Adds the order table's columns of `version` that it lacks: a database whose version row was lost
// may have them already.
void addOrderColumnsOf(TSchemaChange& change, int version) {
    for (const OrderSchema::TColumn& column : OrderSchema::orderColumns())
        if (column.since == version && !change.hasColumn(QStringLiteral("siparis"), column.name))
            change.run(OrderSchema::addColumn(column));
}

// Version 2: the order's save count (surum), 1 for every stored order.
void addOrderVersion(TSchemaChange& change) {
    addOrderColumnsOf(change, 2);
}

} // namespace

namespace SchemaSteps {

const std::vector<TSchemaStep>& all() {
    // A new step: its version, a function that changes the tables (new order table columns are
    // declared in OrderSchema::orderColumns with this `since` and added by addOrderColumnsOf),
    // and OrderDatabase::schemaVersion raised to it.
    static const std::vector<TSchemaStep> steps = {
        {1, createTables},
        {2, addOrderVersion},
    };
    return steps;
}

} // namespace SchemaSteps
