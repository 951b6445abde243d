#pragma once

#include <QAbstractTableModel>
#include <QDate>
#include <QList>
#include <QString>
#include <QVariantList>

class QSqlQuery;
class TSessionEvents;
struct TSession;

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

// The listing of the order list: the orders of the current filter, newest first, fetched a page at a
// time as the grid scrolls, so a first screen never reads the whole table. It runs its query again
// whenever orders or customers change.
class TOrderListing : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { No, Musteri, SiparisAdi, En, Boy, Kapak, Dolap, Teslim, Tutar, Alinan, Kalan, Not, ColumnCount };
    static constexpr int PageSize = 256;

    explicit TOrderListing(TSessionEvents* events = nullptr, QObject* parent = nullptr);

    // Replaces the filter and runs the query; a failure leaves the listing empty and throws. A start
    // date after the end date is refused and the listing stays as it was.
    void run(const TOrderListFilter& filter);
    // Runs the current query again.
    void refresh();
    const TOrderListFilter& filter() const { return m_filter; }
    // The listed order at a row, or nullptr.
    const TOrderListRow* order(int row) const;
    // Every order of the current query, in its order (the printed list).
    QList<TOrderListRow> allRows() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    TOrderListFilter m_filter;
    QList<TOrderListRow> m_rows;
    bool m_more = false;
    bool m_ran = false; // the query has run once: from then on changes run it again
};

// "Düzenle": reopens the listed order at `row` into the project. False, changing nothing, on an empty
// listing or an order whose split records are missing.
bool EditListedOrder(TSession& session, const TOrderListing& listing, int row);

// "Sil": asks with the warning symbol; on Yes deletes the order, its split records and its share of the
// customer's balance in one transaction and tells the windows (the listing runs its query again).
// False when there was nothing to delete or the operator said No.
bool DeleteListedOrder(TSession& session, const TOrderListing& listing, int row);

namespace OrderListTexts {
// "12 Sipariş Numaralı Örnek İsimli Siparişi Silmek İstiyormusunuz?"
QString deleteQuestion(const TOrderListRow& row);
} // namespace OrderListTexts
