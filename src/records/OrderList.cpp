#include "records/OrderList.h"

#include "model/Clock.h"
#include "model/Errors.h"
#include "model/Messages.h"
#include "records/OrderDatabase.h"
#include "records/OrderStore.h"
#include "records/ReopenOrder.h"
#include "session/Session.h"

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
    OrderDatabase::exec(statement);
    QList<TOrderListRow> result;
    while (statement.next())
        result << rowOf(statement);
    return result;
}

} // namespace OrderList

TOrderListing::TOrderListing(TSessionEvents* events, QObject* parent) : QAbstractTableModel(parent) {
    // Until the order list command runs, the listing holds the orders saved on the day the program started.
    m_filter.allDates = false;
    m_filter.start = m_filter.end = Clock::today();
    if (events) {
        auto again = [this] {
            if (m_ran) RunGuarded([this] { refresh(); });
        };
        connect(events, &TSessionEvents::ordersChanged, this, again);
        connect(events, &TSessionEvents::customersChanged, this, again);
    }
}

void TOrderListing::run(const TOrderListFilter& filter) {
    // A reversed range lists nothing: the operator is told why instead of seeing an empty list.
    if (!filter.allDates && filter.start > filter.end)
        throw TRefusal(QStringLiteral("Başlangıç Tarihi, Bitiş Tarihinden sonra olamaz !"));
    m_filter = filter;
    refresh();
}

void TOrderListing::refresh() {
    m_ran = true;
    beginResetModel();
    m_rows.clear();
    m_more = false;
    try {
        m_rows = OrderList::rows(m_filter, PageSize);
        m_more = m_rows.size() == PageSize;
    } catch (...) {
        endResetModel();
        throw;
    }
    endResetModel();
}

const TOrderListRow* TOrderListing::order(int row) const {
    return row >= 0 && row < m_rows.size() ? &m_rows[row] : nullptr;
}

QList<TOrderListRow> TOrderListing::allRows() const {
    return OrderList::rows(m_filter);
}

int TOrderListing::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int TOrderListing::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TOrderListing::data(const QModelIndex& index, int role) const {
    const TOrderListRow* r = order(index.row());
    if (!r) return {};
    if (role == Qt::TextAlignmentRole) {
        switch (index.column()) {
        case Musteri:
        case SiparisAdi:
        case Not:
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        case Tutar:
        case Alinan:
        case Kalan:
            return int(Qt::AlignRight | Qt::AlignVCenter); // numbers keep their own alignment
        default:
            return int(Qt::AlignCenter);
        }
    }
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case No:
        return r->sno;
    case Musteri:
        return r->musteriadi;
    case SiparisAdi:
        return r->siparisadi;
    case En:
        return r->dolapen;
    case Boy:
        return r->dolapboy;
    case Kapak:
        return r->kapaksayi;
    case Dolap:
        return r->dolapadet;
    case Teslim:
        return DisplayDate::text(r->teslimtarihi);
    case Tutar:
        return r->geneltoplam;
    case Alinan:
        return r->alinan;
    case Kalan:
        return r->kalan;
    case Not:
        return r->note;
    default:
        return {};
    }
}

QVariant TOrderListing::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QStringList captions = {
        QStringLiteral("No"),     QStringLiteral("Müşteri"),      QStringLiteral("Sipariş Adı"),
        QStringLiteral("En"),     QStringLiteral("Boy"),          QStringLiteral("Kapak"),
        QStringLiteral("Dolap"),  QStringLiteral("Teslim Tarih"), QStringLiteral("Tutar"),
        QStringLiteral("Alınan"), QStringLiteral("Kalan"),        QStringLiteral("Not")};
    return section >= 0 && section < captions.size() ? captions[section] : QVariant();
}

bool TOrderListing::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && m_more;
}

void TOrderListing::fetchMore(const QModelIndex& parent) {
    if (parent.isValid() || !m_more) return;
    QList<TOrderListRow> page;
    // The view asks for more while scrolling: a failure shows its message and ends the listing there.
    m_more = false;
    if (!RunGuarded([&] { page = OrderList::rows(m_filter, PageSize, m_rows.last().sno); })) return;
    m_more = page.size() == PageSize;
    if (page.isEmpty()) return;
    beginInsertRows(QModelIndex(), int(m_rows.size()), int(m_rows.size() + page.size() - 1));
    m_rows << page;
    endInsertRows();
}

bool EditListedOrder(TSession& session, const TOrderListing& listing, int row) {
    const TOrderListRow* order = listing.order(row);
    return order && ReopenOrder(session, order->sno);
}

bool DeleteListedOrder(TSession& session, const TOrderListing& listing, int row) {
    const TOrderListRow* order = listing.order(row);
    if (!order) return false;
    if (!TMessages::askYesNo(OrderListTexts::deleteQuestion(*order), true)) return false;
    const bool deleted = OrderStore::deleteOrder(order->sno);
    // Deleted here or by another seat in between: either way the listing and the balances have changed.
    emit session.events.ordersChanged();
    return deleted;
}

QString OrderListTexts::deleteQuestion(const TOrderListRow& row) {
    return QString::number(row.sno) + QStringLiteral(" Sipariş Numaralı ") + row.musteriadi +
           QStringLiteral(" İsimli") + QStringLiteral(" Siparişi Silmek İstiyormusunuz?");
}
