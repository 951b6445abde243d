#include "records/OrderList.h"

#include "records/OrderDatabase.h"
#include "records/OrderStore.h"

#include <QSqlQuery>
#include <QVariant>

namespace {

const QString k_columns = QStringLiteral("sno, musterino, musteriadi, siparisadi, dolapen, dolapboy, kapaksayi, "
                                         "dolapadet, Teslimtarihi, geneltoplam, stutar, alinan, kalan, \"not\"");

TOrderListRow rowOf(const QSqlQuery& query) {
    TOrderListRow r;
    r.sno = query.value(0).toInt();
    r.musterino = query.value(1).toInt();
    r.musteriadi = query.value(2).toString();
    r.siparisadi = query.value(3).toString();
    r.dolapen = query.value(4).toInt();
    r.dolapboy = query.value(5).toInt();
    r.kapaksayi = query.value(6).toInt();
    r.dolapadet = query.value(7).toString();
    r.teslimtarihi = QDate::fromString(query.value(8).toString(), Qt::ISODate);
    r.geneltoplam = query.value(9).toInt();
    r.stutar = query.value(10).toInt();
    r.alinan = query.value(11).toInt();
    r.kalan = query.value(12).toInt();
    r.note = query.value(13).toString();
    return r;
}

} // namespace

namespace OrderList {

TQuery query(const TOrderListFilter& filter, int limit, int before) {
    QStringList conditions;
    QVariantList values;
    if (!filter.allCustomers) {
        conditions << QStringLiteral("musteriadi = ?");
        values << filter.customer;
    }
    if (!filter.allDates) {
        // Save days are stored as ISO dates, so text order is day order.
        conditions << QStringLiteral("starih BETWEEN ? AND ?");
        values << filter.start.toString(Qt::ISODate) << filter.end.toString(Qt::ISODate);
    }
    if (before > 0) {
        conditions << QStringLiteral("sno < ?");
        values << before;
    }
    const QString where =
        conditions.isEmpty() ? QString() : QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    QString sql;
    if (limit > 0 && !filter.allDates) {
        // A page of a date range: its order numbers come from the save day index alone, and only the
        // orders of the page are read, however many days the range spans.
        sql =
            QStringLiteral("SELECT %1 FROM siparis WHERE sno IN (SELECT sno FROM siparis%2 ORDER BY sno DESC LIMIT ?) "
                           "ORDER BY sno DESC")
                .arg(k_columns, where);
        values << limit;
    } else {
        sql = QStringLiteral("SELECT %1 FROM siparis%2 ORDER BY sno DESC").arg(k_columns, where);
        if (limit > 0) {
            sql += QStringLiteral(" LIMIT ?");
            values << limit;
        }
    }
    return {sql, values};
}

QList<TOrderListRow> rows(const TOrderListFilter& filter, int limit, int before) {
    const TQuery listing = query(filter, limit, before);
    QSqlQuery statement = OrderDatabase::prepare(listing.sql);
    statement.setForwardOnly(true);
    for (const QVariant& value : listing.values)
        statement.addBindValue(value);
    QList<TOrderListRow> result;
    OrderDatabase::readRows(statement, [&](const QSqlQuery& row) { result << rowOf(row); });
    return result;
}

} // namespace OrderList
