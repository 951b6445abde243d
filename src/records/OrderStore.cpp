#include "records/OrderStore.h"

#include "model/Errors.h"
#include "records/OrderDatabase.h"
#include "records/OrderSchema.h"
#include "records/RecordChecks.h"

#include <QRandomGenerator>
#include <QSqlRecord>
#include <QVariant>

#include <array>

namespace {

QVariant text(const QString& value) {
    return OrderSchema::storedText(value);
}

QVariantList orderValues(const TOrderRecord& r) {
    QVariantList values;
    for (const OrderSchema::TColumn& column : OrderSchema::orderColumns())
        values << column.write(r);
    return values;
}

const QString& quotedOrderFields() {
    static const QString fields = OrderSchema::columnList(OrderSchema::orderColumns());
    return fields;
}

QString placeholders(int count) {
    QStringList marks;
    for (int i = 0; i < count; ++i)
        marks << QStringLiteral("?");
    return marks.join(QStringLiteral(", "));
}

void bindAll(QSqlQuery& query, const QVariantList& values) {
    for (const QVariant& value : values)
        query.addBindValue(value);
}

void changeBalance(int mno, qint64 amount) {
    QSqlQuery query = OrderDatabase::prepare(QStringLiteral("UPDATE musteri SET Bakiye = Bakiye + ? WHERE Mno = ?"));
    query.addBindValue(double(amount));
    query.addBindValue(mno);
    OrderDatabase::exec(query);
    if (query.numRowsAffected() < 1) throw DoravelError(OrderTexts::noCustomer.arg(mno));
}

QString insertSplitSql(int door) {
    static const QStringList fields = OrderSchema::splitFields();
    return QStringLiteral("INSERT INTO %1 (Siparisno, %2) VALUES (?, %3)")
        .arg(OrderSchema::splitTable(door), fields.join(QStringLiteral(", ")), placeholders(fields.size()));
}

void bindSplit(QSqlQuery& query, int door, const TOrderRecord& r) {
    query.addBindValue(r.sno);
    for (int division = 1; division <= 6; ++division)
        for (int column = 1; column <= 10; ++column)
            query.addBindValue(text(r.splits[door][division][column]));
}

void insertSplit(int door, const TOrderRecord& r) {
    QSqlQuery query = OrderDatabase::prepare(insertSplitSql(door));
    bindSplit(query, door, r);
    OrderDatabase::exec(query);
}

// Overwrites a split record; writes it whole when it is missing.
void replaceSplit(int door, const TOrderRecord& r) {
    static const QString assignments = [] {
        QStringList parts;
        for (const QString& field : OrderSchema::splitFields())
            parts << field + QStringLiteral(" = ?");
        return parts.join(QStringLiteral(", "));
    }();
    QSqlQuery query = OrderDatabase::prepare(
        QStringLiteral("UPDATE %1 SET %2 WHERE Siparisno = ?").arg(OrderSchema::splitTable(door), assignments));
    for (int division = 1; division <= 6; ++division)
        for (int column = 1; column <= 10; ++column)
            query.addBindValue(text(r.splits[door][division][column]));
    query.addBindValue(r.sno);
    OrderDatabase::exec(query);
    if (query.numRowsAffected() < 1) insertSplit(door, r);
}

// The statements that store a new order, prepared once for any number of orders.
struct TNewOrderStatements {
    QSqlQuery next = OrderDatabase::prepare(QStringLiteral("SELECT MAX(sno) FROM siparis"));
    QSqlQuery order =
        OrderDatabase::prepare(QStringLiteral("INSERT INTO siparis (%1) VALUES (%2)")
                                   .arg(quotedOrderFields(), placeholders(int(OrderSchema::orderColumns().size()))));
    std::array<QSqlQuery, 7> splits = {QSqlQuery(),
                                       OrderDatabase::prepare(insertSplitSql(1)),
                                       OrderDatabase::prepare(insertSplitSql(2)),
                                       OrderDatabase::prepare(insertSplitSql(3)),
                                       OrderDatabase::prepare(insertSplitSql(4)),
                                       OrderDatabase::prepare(insertSplitSql(5)),
                                       OrderDatabase::prepare(insertSplitSql(6))};
    QSqlQuery balance = OrderDatabase::prepare(QStringLiteral("UPDATE musteri SET Bakiye = Bakiye + ? WHERE Mno = ?"));
};

// A new order's save count starts at a random value rather than at 1: a new order saved under the
// number of one deleted meanwhile (numbers are reused) must never be taken for the order that was
// reopened. Upgraded orders count 1; the range leaves room for a lifetime of re-saves.
int firstSaveCount() {
    return int(QRandomGenerator::global()->bounded(2, 1 << 30));
}

// A count a little above the reopened one is that order saved again since; any other is a new order
// under a deleted one's number (its random start lands that close only about once in a thousand).
bool sameOrderSavedSince(int storedSurum, int reopenedSurum) {
    return storedSurum > reopenedSurum && storedSurum - reopenedSurum <= 1000000;
}

void writeNewOrder(TOrderRecord& record, TNewOrderStatements& s) {
    OrderDatabase::exec(s.next);
    record.sno = s.next.next() ? s.next.value(0).toInt() + 1 : 1;
    s.next.finish();
    record.surum = firstSaveCount();
    bindAll(s.order, orderValues(record));
    OrderDatabase::exec(s.order);
    for (int door = 1; door <= 6; ++door) {
        bindSplit(s.splits[door], door, record);
        OrderDatabase::exec(s.splits[door]);
    }
    s.balance.addBindValue(double(record.kalan));
    s.balance.addBindValue(record.musterino);
    OrderDatabase::exec(s.balance);
    if (s.balance.numRowsAffected() < 1) throw DoravelError(OrderTexts::noCustomer.arg(record.musterino));
}

// An order's save or removal also changes its customers' balances.
void announceOrderChange(TWriteTransaction& transaction) {
    transaction.announce(OrderDatabase::ordersChannel);
    transaction.announce(OrderDatabase::customersChannel);
}

} // namespace

namespace OrderStore {

int insertOrder(TOrderRecord& record) {
    RecordChecks::checkOrder(record);
    TWriteTransaction transaction;
    TNewOrderStatements statements;
    writeNewOrder(record, statements);
    announceOrderChange(transaction);
    transaction.commit();
    return record.sno;
}

void insertOrders(int count, const std::function<void(TOrderRecord&)>& fill) {
    TWriteTransaction transaction;
    TNewOrderStatements statements;
    for (int i = 0; i < count; ++i) {
        TOrderRecord record;
        fill(record);
        RecordChecks::checkOrder(record);
        writeNewOrder(record, statements);
    }
    announceOrderChange(transaction);
    transaction.commit();
}

TResave replaceOrder(TOrderRecord& record, int reopenedSurum) {
    RecordChecks::checkOrder(record);
    TWriteTransaction transaction;
    QSqlQuery stored =
        OrderDatabase::prepare(QStringLiteral("SELECT musterino, kalan, surum FROM siparis WHERE sno = ?"));
    stored.addBindValue(record.sno);
    OrderDatabase::exec(stored);
    if (!stored.next()) return TResave::Deleted;
    const int oldCustomer = stored.value(0).toInt();
    // Balances are summed in 64 bits: the negation of any stored amount is exact.
    const qint64 oldKalan = stored.value(1).toLongLong();
    const int storedSurum = stored.value(2).toInt();
    stored.finish();
    if (storedSurum != reopenedSurum)
        return sameOrderSavedSince(storedSurum, reopenedSurum) ? TResave::Changed : TResave::Deleted;
    record.surum = reopenedSurum + 1;

    static const QString assignments = [] {
        QStringList parts;
        for (const OrderSchema::TColumn& column : OrderSchema::orderColumns())
            parts << OrderSchema::quoted(column.name) + QStringLiteral(" = ?");
        return parts.join(QStringLiteral(", "));
    }();
    // The count is required once more in the write itself: on a server another seat's save may have
    // committed between the read above and this statement.
    QSqlQuery query =
        OrderDatabase::prepare(QStringLiteral("UPDATE siparis SET %1 WHERE sno = ? AND surum = ?").arg(assignments));
    bindAll(query, orderValues(record));
    query.addBindValue(record.sno);
    query.addBindValue(reopenedSurum);
    OrderDatabase::exec(query);
    if (query.numRowsAffected() < 1) {
        record.surum = reopenedSurum;
        return TResave::Changed;
    }
    for (int door = 1; door <= 6; ++door)
        replaceSplit(door, record);
    changeBalance(oldCustomer, -oldKalan);
    changeBalance(record.musterino, record.kalan);
    announceOrderChange(transaction);
    transaction.commit();
    return TResave::Saved;
}

bool deleteOrder(int sno) {
    TWriteTransaction transaction;
    QSqlQuery stored = OrderDatabase::prepare(QStringLiteral("SELECT musterino, kalan FROM siparis WHERE sno = ?"));
    stored.addBindValue(sno);
    OrderDatabase::exec(stored);
    if (!stored.next()) return false;
    const int customer = stored.value(0).toInt();
    const qint64 kalan = stored.value(1).toLongLong();
    stored.finish();
    for (int door = 1; door <= 6; ++door) {
        QSqlQuery split = OrderDatabase::prepare(
            QStringLiteral("DELETE FROM %1 WHERE Siparisno = ?").arg(OrderSchema::splitTable(door)));
        split.addBindValue(sno);
        OrderDatabase::exec(split);
    }
    QSqlQuery order = OrderDatabase::prepare(QStringLiteral("DELETE FROM siparis WHERE sno = ?"));
    order.addBindValue(sno);
    OrderDatabase::exec(order);
    changeBalance(customer, -kalan);
    announceOrderChange(transaction);
    transaction.commit();
    return true;
}

std::optional<TOrderRecord> readOrder(int sno) {
    QSqlQuery query =
        OrderDatabase::prepare(QStringLiteral("SELECT %1 FROM siparis WHERE sno = ?").arg(quotedOrderFields()));
    query.addBindValue(sno);
    OrderDatabase::exec(query);
    if (!query.next()) return std::nullopt;
    TOrderRecord r;
    const QSqlRecord fields = query.record();
    for (const OrderSchema::TColumn& column : OrderSchema::orderColumns())
        column.read(r, query.value(fields.indexOf(column.name)));
    query.finish();

    static const QString splitColumns = OrderSchema::splitFields().join(QStringLiteral(", "));
    for (int door = 1; door <= 6; ++door) {
        QSqlQuery split = OrderDatabase::prepare(
            QStringLiteral("SELECT %1 FROM %2 WHERE Siparisno = ?").arg(splitColumns, OrderSchema::splitTable(door)));
        split.addBindValue(sno);
        OrderDatabase::exec(split);
        if (!split.next()) {
            r.splitsComplete = false;
            continue;
        }
        int field = 0;
        for (int division = 1; division <= 6; ++division)
            for (int column = 1; column <= 10; ++column)
                r.splits[door][division][column] = split.value(field++).toString();
    }
    return r;
}

QList<int> orderNumbers() {
    QSqlQuery query = OrderDatabase::prepare(QStringLiteral("SELECT sno FROM siparis ORDER BY sno DESC"));
    OrderDatabase::exec(query);
    QList<int> numbers;
    while (query.next())
        numbers << query.value(0).toInt();
    return numbers;
}

} // namespace OrderStore
