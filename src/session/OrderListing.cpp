#include "session/OrderListing.h"

#include "model/Clock.h"
#include "model/Errors.h"
#include "model/Messages.h"
#include "model/SessionEvents.h"
#include "records/OrderStore.h"
#include "session/ReopenOrder.h"
#include "session/Session.h"

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

bool DeleteListedOrder(const TOrderListing& listing, int row) {
    const TOrderListRow* order = listing.order(row);
    if (!order) return false;
    if (!TMessages::askYesNo(OrderListTexts::deleteQuestion(*order), true)) return false;
    // The delete announces itself; an order another seat deleted in between was announced by that seat.
    return OrderStore::deleteOrder(order->sno);
}

QString OrderListTexts::deleteQuestion(const TOrderListRow& row) {
    return QString::number(row.sno) + QStringLiteral(" Sipariş Numaralı ") + row.musteriadi +
           QStringLiteral(" İsimli") + QStringLiteral(" Siparişi Silmek İstiyormusunuz?");
}
