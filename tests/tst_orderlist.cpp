#include "model/Clock.h"
#include "model/Messages.h"
#include "records/OrderStore.h"
#include "session/OrderListing.h"
#include "support/RecordsFixture.h"

#include <QSignalSpy>
#include <QTest>

using namespace RecordsSupport;

namespace {

// Records whether a question carried the warning symbol.
class TWarningMessages : public TScriptedMessages {
public:
    QList<bool> warnings;
    bool askYesNo(const QString& text, bool warning, TDefaultAnswer defaultAnswer) override {
        warnings << warning;
        return TScriptedMessages::askYesNo(text, warning, defaultAnswer);
    }
};

QList<int> numbers(const QList<TOrderListRow>& rows) {
    QList<int> result;
    for (const TOrderListRow& row : rows)
        result << row.sno;
    return result;
}

QList<int> listed(const TOrderListing& listing) {
    QList<int> result;
    for (int row = 0; row < listing.rowCount(); ++row)
        result << listing.order(row)->sno;
    return result;
}

} // namespace

// The order list's query, its paging, reopening and deleting listed orders, without a window.
class TestOrderList : public QObject, private TRecordsFixture {
    Q_OBJECT

    std::unique_ptr<TWarningMessages> m_messages;
    int m_ornek = 0;
    int m_obrien = 0;

private slots:
    void init() {
        DORAVEL_SKIP_WITHOUT_TEST_SERVER(TTestDatabase::onServer());
        m_messages = std::make_unique<TWarningMessages>();
        openRecords();
        const TMonthEndCustomers customers = storeOrdersAroundMonthEnd();
        m_ornek = customers.ornek;
        m_obrien = customers.obrien;
    }
    void cleanup() {
        closeRecords();
        m_messages.reset();
    }

    void filterListsNewestFirst_data() {
        QTest::addColumn<bool>("allCustomers");
        QTest::addColumn<QString>("customer");
        QTest::addColumn<bool>("allDates");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<QList<int>>("expected");
        const QDate from(2026, 11, 30);
        const QDate to(2026, 12, 2);
        QTest::newRow("everything") << true << QString() << true << QDate() << QDate()
                                    << QList<int>{7, 6, 5, 4, 3, 2, 1};
        QTest::newRow("one customer") << false << QStringLiteral("Örnek") << true << QDate() << QDate()
                                      << QList<int>{7, 6, 4, 3, 1};
        QTest::newRow("apostrophe in the name")
            << false << QStringLiteral("O'Brien") << true << QDate() << QDate() << QList<int>{5, 2};
        QTest::newRow("days across a month, both included")
            << true << QString() << false << from << to << QList<int>{6, 5, 4, 3, 2};
        QTest::newRow("customer and days")
            << false << QStringLiteral("Örnek") << false << from << to << QList<int>{6, 4, 3};
        QTest::newRow("apostrophe and days")
            << false << QStringLiteral("O'Brien") << false << from << to << QList<int>{5, 2};
        QTest::newRow("one day") << true << QString() << false << to << to << QList<int>{6, 5};
        QTest::newRow("a name no customer has")
            << false << QStringLiteral("x' OR '1'='1") << true << QDate() << QDate() << QList<int>{};
        QTest::newRow("typed part of a name")
            << false << QStringLiteral("Örn") << true << QDate() << QDate() << QList<int>{};
    }
    void filterListsNewestFirst() {
        QFETCH(bool, allCustomers);
        QFETCH(QString, customer);
        QFETCH(bool, allDates);
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        QFETCH(QList<int>, expected);
        TOrderListing listing(&m_session->events);
        listing.run({allCustomers, customer, allDates, start, end});
        QCOMPARE(listed(listing), expected);
        QCOMPARE(numbers(listing.allRows()), expected);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM siparis")), 7);
    }

    void startAfterEndIsRefusedAndTheListingStays() {
        const TOrderListFilter reversed{true, QString(), false, QDate(2026, 12, 2), QDate(2026, 11, 30)};
        QCOMPARE(numbers(OrderList::rows(reversed)), QList<int>{});
        TOrderListing listing(&m_session->events);
        listing.run(TOrderListFilter());
        QCOMPARE(refusalOf([&] { listing.run(reversed); }),
                 QStringLiteral("Başlangıç Tarihi, Bitiş Tarihinden sonra olamaz !"));
        QCOMPARE(listed(listing), (QList<int>{7, 6, 5, 4, 3, 2, 1}));
        QVERIFY(listing.filter().allDates);
    }

    void listingShowsTheGridFields() {
        TOrderListing listing;
        listing.run(TOrderListFilter());
        QCOMPARE(listing.columnCount(), 12);
        QStringList captions;
        for (int column = 0; column < listing.columnCount(); ++column)
            captions << listing.headerData(column, Qt::Horizontal).toString();
        QCOMPARE(captions,
                 QStringList({QStringLiteral("No"), QStringLiteral("Müşteri"), QStringLiteral("Sipariş Adı"),
                              QStringLiteral("En"), QStringLiteral("Boy"), QStringLiteral("Kapak"),
                              QStringLiteral("Dolap"), QStringLiteral("Teslim Tarih"), QStringLiteral("Tutar"),
                              QStringLiteral("Alınan"), QStringLiteral("Kalan"), QStringLiteral("Not")}));
        // Order 4: kalan -250, order amount 1000, grand total 1100, saved 01.12.2026.
        QStringList row;
        for (int column = 0; column < listing.columnCount(); ++column)
            row << listing.data(listing.index(3, column)).toString();
        QCOMPARE(row, QStringList({QStringLiteral("4"), QStringLiteral("Örnek"), QStringLiteral("Dolap 01.12"),
                                   QStringLiteral("240"), QStringLiteral("250"), QStringLiteral("2"),
                                   QStringLiteral("1"), QStringLiteral("15.12.2026"), QStringLiteral("1100"),
                                   QStringLiteral("1350"), QStringLiteral("-250"), QStringLiteral("Not -250")}));
        QCOMPARE(listing.data(listing.index(0, TOrderListing::Musteri), Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignLeft | Qt::AlignVCenter));
        QCOMPARE(listing.data(listing.index(0, TOrderListing::No), Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignCenter));
    }

    void largeListingIsFetchedAPageAtATime() {
        // 600 more orders, every third one of O'Brien: pages must continue where the last one ended.
        int i = 0;
        OrderStore::insertOrders(600, [&](TOrderRecord& r) {
            const bool obrien = ++i % 3 == 0;
            r.musterino = obrien ? m_obrien : m_ornek;
            r.musteriadi = obrien ? QStringLiteral("O'Brien") : QStringLiteral("Örnek");
            r.starih = QDate(2026, 12, 5);
        });
        TOrderListing listing;
        listing.run(TOrderListFilter());
        QCOMPARE(listing.rowCount(), TOrderListing::PageSize);
        QVERIFY(listing.canFetchMore(QModelIndex()));
        while (listing.canFetchMore(QModelIndex()))
            listing.fetchMore(QModelIndex());
        QList<int> all;
        for (int sno = 607; sno >= 1; --sno)
            all << sno;
        QCOMPARE(listed(listing), all);

        listing.run({false, QStringLiteral("O'Brien"), true, {}, {}});
        while (listing.canFetchMore(QModelIndex()))
            listing.fetchMore(QModelIndex());
        QList<int> theirs;
        for (int sno = 607; sno >= 8; --sno)
            if ((sno - 7) % 3 == 0) theirs << sno;
        theirs << 5 << 2;
        QCOMPARE(listed(listing), theirs);
        QCOMPARE(numbers(listing.allRows()), theirs);

        listing.run({true, {}, false, QDate(2026, 12, 1), QDate(2026, 12, 5)});
        QCOMPARE(listing.rowCount(), TOrderListing::PageSize);
        while (listing.canFetchMore(QModelIndex()))
            listing.fetchMore(QModelIndex());
        QList<int> days = all.mid(0, 600);
        days << 7 << 6 << 5 << 4;
        QCOMPARE(listed(listing), days);
    }

    void deleteQuestionNamesOrderAndCustomer() {
        TOrderListRow row;
        row.sno = 12;
        row.musteriadi = QStringLiteral("Örnek");
        QCOMPARE(OrderListTexts::deleteQuestion(row),
                 QStringLiteral("12 Sipariş Numaralı Örnek İsimli Siparişi Silmek İstiyormusunuz?"));
    }

    void deleteOnNoChangesNothingOnYesMovesTheBalance_data() {
        QTest::addColumn<int>("row"); // in the listing of Örnek's orders 7, 6, 4, 3, 1
        QTest::addColumn<int>("sno");
        QTest::addColumn<double>("balanceAfter");
        // Örnek's balance: 100 + 300 - 250 + 500 + 600 = 1250.
        QTest::newRow("positive kalan lowers it") << 1 << 6 << 750.0;
        QTest::newRow("negative kalan raises it") << 2 << 4 << 1500.0;
    }
    void deleteOnNoChangesNothingOnYesMovesTheBalance() {
        QFETCH(int, row);
        QFETCH(int, sno);
        QFETCH(double, balanceAfter);
        OrderDatabase::announceChangesTo(m_session->events);
        TOrderListing listing(&m_session->events);
        const TOrderListFilter filter{false, QStringLiteral("Örnek"), true, {}, {}};
        listing.run(filter);
        QSignalSpy changed(&m_session->events, &TSessionEvents::ordersChanged);

        m_messages->answers = {false};
        QVERIFY(!DeleteListedOrder(listing, row));
        QCOMPARE(m_messages->asked.size(), 1);
        QCOMPARE(m_messages->warnings, QList<bool>({true}));
        QCOMPARE(CustomerStore::find(m_ornek)->bakiye, 1250.0);
        QCOMPARE(listing.rowCount(), 5);
        QCOMPARE(changed.count(), 0);

        QVERIFY(DeleteListedOrder(listing, row));
        QCOMPARE(m_messages->asked.last(),
                 QStringLiteral("%1 Sipariş Numaralı Örnek İsimli Siparişi Silmek İstiyormusunuz?").arg(sno));
        QCOMPARE(changed.count(), 1);
        QVERIFY(!OrderStore::readOrder(sno));
        for (int door = 1; door <= 6; ++door)
            QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM k%1 WHERE Siparisno = %2").arg(door).arg(sno)), 0);
        QCOMPARE(CustomerStore::find(m_ornek)->bakiye, balanceAfter);
        QCOMPARE(balanceMismatches(), QStringList());
        QCOMPARE(brokenOrders(), 0);
        // The same query ran again: still only Örnek's orders.
        QCOMPARE(listing.filter().customer, QStringLiteral("Örnek"));
        QList<int> expected{7, 6, 4, 3, 1};
        expected.removeOne(sno);
        QCOMPARE(listed(listing), expected);
    }

    void orderWithMissingSplitRecordsIsDeletedWhole() {
        QSqlQuery drop = OrderDatabase::prepare(QStringLiteral("DELETE FROM k3 WHERE Siparisno = 7"));
        OrderDatabase::exec(drop);
        OrderDatabase::announceChangesTo(m_session->events);
        TOrderListing listing(&m_session->events);
        listing.run(TOrderListFilter());
        QVERIFY(DeleteListedOrder(listing, 0));
        QVERIFY(!OrderStore::readOrder(7));
        QCOMPARE(brokenOrders(), 0);
        QCOMPARE(CustomerStore::find(m_ornek)->bakiye, 650.0);
        QCOMPARE(balanceMismatches(), QStringList());
        QCOMPARE(listed(listing), QList<int>({6, 5, 4, 3, 2, 1}));
    }

    void deleteOnAnEmptyListingAsksNothing() {
        TOrderListing listing;
        listing.run({false, QStringLiteral("Kimse"), true, {}, {}});
        QVERIFY(!DeleteListedOrder(listing, listing.rowCount() - 1));
        QVERIFY(m_messages->asked.isEmpty());
    }

    void editReopensOnlyAWholeOrder() {
        TOrderListing listing;
        listing.run({false, QStringLiteral("Kimse"), true, {}, {}});
        QVERIFY(!EditListedOrder(*m_session, listing, -1));
        QVERIFY(!EditListedOrder(*m_session, listing, 0));

        QSqlQuery drop = OrderDatabase::prepare(QStringLiteral("DELETE FROM k6 WHERE Siparisno = 6"));
        OrderDatabase::exec(drop);
        listing.run(TOrderListFilter());
        QVERIFY(!RunGuarded([&] { EditListedOrder(*m_session, listing, 1); }));
        QCOMPARE(m_session->project.kayitkontrol, QString());
        QVERIFY(EditListedOrder(*m_session, listing, 2));
        QCOMPARE(m_session->project.sno, QStringLiteral("5"));
        QCOMPARE(m_session->project.kayitkontrol, QStringLiteral("eski"));
    }

    void listingRunsAgainWhenOrdersOrCustomersChange() {
        TOrderListing listing(&m_session->events);
        emit m_session->events.ordersChanged(); // never run yet: nothing to run again
        QCOMPARE(listing.rowCount(), 0);
        listing.run({false, QStringLiteral("O'Brien"), true, {}, {}});
        storeOrder(m_obrien, QStringLiteral("O'Brien"), QDate(2026, 12, 9));
        QCOMPARE(listed(listing), QList<int>({5, 2}));
        emit m_session->events.customersChanged();
        QCOMPARE(listed(listing), QList<int>({8, 5, 2}));
    }
};

QTEST_GUILESS_MAIN(TestOrderList)
#include "tst_orderlist.moc"
