#include "records/CustomerStore.h"

#include "model/Errors.h"
#include "records/OrderDatabase.h"
#include "records/OrderSchema.h"
#include "records/OrderStore.h"
#include "records/RecordChecks.h"

#include <QVariant>

namespace {

const QString k_fields = QStringLiteral("Mno, Musteriadi, Bakiye, Tel, Adres");

TCustomer fromRow(const QSqlQuery& query) {
    return {query.value(0).toInt(), query.value(1).toString(), query.value(2).toDouble(), query.value(3).toString(),
            query.value(4).toString()};
}

QVariant text(const QString& value) {
    return OrderSchema::storedText(value);
}

int largestPlusOne() {
    QSqlQuery query = OrderDatabase::prepare(QStringLiteral("SELECT MAX(Mno) FROM musteri"));
    OrderDatabase::exec(query);
    return query.next() ? query.value(0).toInt() + 1 : 1;
}

} // namespace

int CustomerIndex(const QList<TCustomer>& customers, int mno) {
    for (int i = 0; i < customers.size(); ++i)
        if (customers[i].mno == mno) return i;
    return -1;
}

namespace CustomerStore {

QList<TCustomer> all() {
    QSqlQuery query = OrderDatabase::prepare(QStringLiteral("SELECT %1 FROM musteri ORDER BY Mno DESC").arg(k_fields));
    OrderDatabase::exec(query);
    QList<TCustomer> customers;
    while (query.next())
        customers << fromRow(query);
    return customers;
}

std::optional<TCustomer> find(int mno) {
    QSqlQuery query = OrderDatabase::prepare(QStringLiteral("SELECT %1 FROM musteri WHERE Mno = ?").arg(k_fields));
    query.addBindValue(mno);
    OrderDatabase::exec(query);
    if (!query.next()) return std::nullopt;
    return fromRow(query);
}

int nextNumber() {
    return largestPlusOne();
}

int insert(TCustomer& customer) {
    RecordChecks::checkCustomer(customer);
    TWriteTransaction transaction;
    customer.mno = largestPlusOne();
    customer.bakiye = 0;
    QSqlQuery query = OrderDatabase::prepare(
        QStringLiteral("INSERT INTO musteri (Mno, Musteriadi, Bakiye, Tel, Adres) VALUES (?, ?, ?, ?, ?)"));
    query.addBindValue(customer.mno);
    query.addBindValue(text(customer.name));
    query.addBindValue(0.0);
    query.addBindValue(text(customer.tel));
    query.addBindValue(text(customer.adres));
    OrderDatabase::exec(query);
    transaction.announce(OrderDatabase::customersChannel);
    transaction.commit();
    return customer.mno;
}

void update(const TCustomer& customer) {
    RecordChecks::checkCustomer(customer);
    TWriteTransaction transaction;
    QSqlQuery query =
        OrderDatabase::prepare(QStringLiteral("UPDATE musteri SET Musteriadi = ?, Tel = ?, Adres = ? WHERE Mno = ?"));
    query.addBindValue(text(customer.name));
    query.addBindValue(text(customer.tel));
    query.addBindValue(text(customer.adres));
    query.addBindValue(customer.mno);
    OrderDatabase::exec(query);
    if (query.numRowsAffected() < 1) throw DoravelError(OrderTexts::noCustomer.arg(customer.mno));
    transaction.announce(OrderDatabase::customersChannel);
    transaction.commit();
}

} // namespace CustomerStore
