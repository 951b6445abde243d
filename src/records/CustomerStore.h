#pragma once

#include <QList>
#include <QString>

#include <optional>

// One record of the customer table.
struct TCustomer {
    int mno = 0;
    QString name;
    double bakiye = 0;
    QString tel;
    QString adres;
};

// Where customer number `mno` stands in `customers`, or -1.
int CustomerIndex(const QList<TCustomer>& customers, int mno);

// Customers in the order database, in table order: the newest customer first.
namespace CustomerStore {

QList<TCustomer> all();
std::optional<TCustomer> find(int mno);
// The number the next new customer gets: the largest number plus one, 1 on an empty table.
int nextNumber();
// Stores a new customer with balance 0; its number is decided inside the transaction and written
// into customer.mno.
int insert(TCustomer& customer);
// Stores name, telephone and address; the balance is changed only by orders.
void update(const TCustomer& customer);

} // namespace CustomerStore
