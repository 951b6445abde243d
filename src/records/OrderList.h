#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QVariantList>

class QSqlQuery;
// The order list's filter: every customer or one customer name, every day or the save days from
// `start` to `end`, both included.
struct TOrderListFilter {
    bool allCustomers = true;
    QString customer;
    bool allDates = true;
    QDate start;
    QDate end;
};

// One listed order: the grid's twelve fields, the order amount the printed list shows, the customer.
struct TOrderListRow {
    int sno = 0;
    int musterino = 0;
    QString musteriadi;
    QString siparisadi;
    int dolapen = 0;
    int dolapboy = 0;
    int kapaksayi = 0;
    QString dolapadet;
    QDate teslimtarihi;
    int geneltoplam = 0;
    int stutar = 0;
    int alinan = 0;
    int kalan = 0;
    QString note;
};

namespace OrderList {

// The statement that lists the filter's orders and the values bound to its placeholders, in order.
struct TQuery {
    QString sql;
    QVariantList values;
};
// Orders of the filter, newest first: all of them, or at most `limit` older than order `before`.
TQuery query(const TOrderListFilter& filter, int limit = 0, int before = 0);
QList<TOrderListRow> rows(const TOrderListFilter& filter, int limit = 0, int before = 0);

} // namespace OrderList
