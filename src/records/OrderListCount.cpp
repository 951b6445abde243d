#include "records/OrderListCount.h"

#include "records/OrderDatabase.h"

#include <QSqlQuery>
#include <QVariant>

namespace OrderList {

int count(const TOrderListFilter& filter) {
    const TQuery listing = query(filter);
    QSqlQuery statement =
        OrderDatabase::prepare(QStringLiteral("SELECT COUNT(*) FROM (%1) AS listed").arg(listing.sql));
    for (const QVariant& value : listing.values)
        statement.addBindValue(value);
    OrderDatabase::exec(statement);
    return statement.next() ? statement.value(0).toInt() : 0;
}

} // namespace OrderList
