#pragma once

#include "records/OrderList.h"

#include <QAbstractTableModel>

class TSessionEvents;
struct TSession;

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
bool DeleteListedOrder(const TOrderListing& listing, int row);

namespace OrderListTexts {
// "12 Sipariş Numaralı Örnek İsimli Siparişi Silmek İstiyormusunuz?"
QString deleteQuestion(const TOrderListRow& row);
} // namespace OrderListTexts
