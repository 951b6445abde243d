#include "records/OrderStore.h"

#include "model/Errors.h"
#include "records/OrderDatabase.h"
#include "records/OrderSchema.h"
#include "records/RecordChecks.h"

#include <QVariant>

#include <array>

namespace {

QVariant text(const QString& value) {
    // An empty text is stored as the empty text, never as NULL.
    return value.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(value);
}

QVariant date(const QDate& value) {
    return text(value.isValid() ? value.toString(Qt::ISODate) : QString());
}

QVariantList headerValues(const TOrderRecord& r) {
    return {r.stutar,          r.ilaveTutar[0], r.ilaveTutar[1],      r.ilaveTutar[2],    r.geneltoplam,
            r.alinan,          r.kalan,         text(r.ilave[0]),     text(r.ilave[1]),   text(r.ilave[2]),
            text(r.note),      r.sno,           text(r.musteriadi),   text(r.siparisadi), r.musterino,
            date(r.starih),    r.kapaksayi,     date(r.teslimtarihi), r.dolapen,          r.dolapboy,
            text(r.profil),    text(r.prenk),   text(r.pmodel),       text(r.teslimat),   text(r.montaj),
            text(r.dolapadet), r.kapakesit};
}

QVariantList orderValues(const TOrderRecord& r) {
    QVariantList values = headerValues(r);
    for (int door = 1; door <= 6; ++door) {
        for (int column = 1; column < TProject::DoorColumns; ++column)
            values << text(r.doors[door][column]);
        values << r.doorWidths[door];
    }
    return values;
}

const QString& quotedOrderFields() {
    static const QString fields = [] {
        QStringList names = OrderSchema::orderFields();
        for (QString& name : names)
            name = OrderSchema::quoted(name);
        return names.join(QStringLiteral(", "));
    }();
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
                                   .arg(quotedOrderFields(), placeholders(int(OrderSchema::orderFields().size()))));
    std::array<QSqlQuery, 7> splits = {QSqlQuery(),
                                       OrderDatabase::prepare(insertSplitSql(1)),
                                       OrderDatabase::prepare(insertSplitSql(2)),
                                       OrderDatabase::prepare(insertSplitSql(3)),
                                       OrderDatabase::prepare(insertSplitSql(4)),
                                       OrderDatabase::prepare(insertSplitSql(5)),
                                       OrderDatabase::prepare(insertSplitSql(6))};
    QSqlQuery balance = OrderDatabase::prepare(QStringLiteral("UPDATE musteri SET Bakiye = Bakiye + ? WHERE Mno = ?"));
};

void writeNewOrder(TOrderRecord& record, TNewOrderStatements& s) {
    OrderDatabase::exec(s.next);
    record.sno = s.next.next() ? s.next.value(0).toInt() + 1 : 1;
    s.next.finish();
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

void replaceOrder(const TOrderRecord& record) {
    RecordChecks::checkOrder(record);
    TWriteTransaction transaction;
    QSqlQuery stored = OrderDatabase::prepare(QStringLiteral("SELECT musterino, kalan FROM siparis WHERE sno = ?"));
    stored.addBindValue(record.sno);
    OrderDatabase::exec(stored);
    if (!stored.next()) throw DoravelError(OrderTexts::notEditing);
    const int oldCustomer = stored.value(0).toInt();
    // Balances are summed in 64 bits: the negation of any stored amount is exact.
    const qint64 oldKalan = stored.value(1).toLongLong();
    stored.finish();

    static const QString assignments = [] {
        QStringList parts;
        QStringList names = OrderSchema::orderFields();
        for (const QString& field : names)
            parts << OrderSchema::quoted(field) + QStringLiteral(" = ?");
        return parts.join(QStringLiteral(", "));
    }();
    QSqlQuery query = OrderDatabase::prepare(QStringLiteral("UPDATE siparis SET %1 WHERE sno = ?").arg(assignments));
    bindAll(query, orderValues(record));
    query.addBindValue(record.sno);
    OrderDatabase::exec(query);
    for (int door = 1; door <= 6; ++door)
        replaceSplit(door, record);
    changeBalance(oldCustomer, -oldKalan);
    changeBalance(record.musterino, record.kalan);
    announceOrderChange(transaction);
    transaction.commit();
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
    int i = 0;
    auto next = [&] { return query.value(i++); };
    r.stutar = next().toInt();
    for (int& amount : r.ilaveTutar)
        amount = next().toInt();
    r.geneltoplam = next().toInt();
    r.alinan = next().toInt();
    r.kalan = next().toInt();
    for (QString& name : r.ilave)
        name = next().toString();
    r.note = next().toString();
    r.sno = next().toInt();
    r.musteriadi = next().toString();
    r.siparisadi = next().toString();
    r.musterino = next().toInt();
    r.starih = QDate::fromString(next().toString(), Qt::ISODate);
    r.kapaksayi = next().toInt();
    r.teslimtarihi = QDate::fromString(next().toString(), Qt::ISODate);
    r.dolapen = next().toInt();
    r.dolapboy = next().toInt();
    r.profil = next().toString();
    r.prenk = next().toString();
    r.pmodel = next().toString();
    r.teslimat = next().toString();
    r.montaj = next().toString();
    r.dolapadet = next().toString();
    r.kapakesit = next().toInt();
    for (int door = 1; door <= 6; ++door) {
        for (int column = 1; column < TProject::DoorColumns; ++column)
            r.doors[door][column] = next().toString();
        r.doorWidths[door] = next().toDouble();
    }
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
