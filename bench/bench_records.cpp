// Fills an order database with realistic orders (2 000 customers, save days spread over ten years)
// and prints medians of several runs: saving one order, re-saving a reopened one, reopening one; the
// order list opened (query and first screen), each of its four filters, deleting one listed order,
// printing one customer's orders to PDF; the same list queries and delete run by the engine's own
// shell (sqlite3 or psql) on the same database as the floor; and the size of the database.
//
//   bench_records [ORDERS [COPY]] [--server]
//
// ORDERS defaults to 100000; COPY keeps a copy of the database file; QT_QPA_PLATFORM=offscreen
// without a display. --server: a fresh database on the PostgreSQL server named by
// DORAVEL_TEST_PG_HOST, _PORT and _USER (scripts/pg-test-server.sh starts one), dropped at the end.

#include "EngineShell.h"
#include "Medians.h"
#include "RealisticOrders.h"
#include "model/Clock.h"
#include "model/Messages.h"
#include "production/Fonts.h"
#include "production/OrderListReport.h"
#include "records/OrderDatabase.h"
#include "session/OrderListing.h"
#include "session/OrderSave.h"
#include "session/ReopenOrder.h"
#include "session/Session.h"
#include "support/TestServerDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

using Medians::medianMs;
using Medians::Runs;

namespace {

// Every question answered Yes.
class TYesMessages : public TMessageBackend {
public:
    void showMessage(const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    void showError(const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    bool askYesNo(const QString&, bool, TDefaultAnswer) override { return true; }
    bool askOkCancel(const QString&) override { return true; }
    QString inputQuery(const QString&, const QString&, const QString&) override { return {}; }
};

// The listing's first screen: the query run and the cells of the rows a maximised grid shows.
void firstScreen(TOrderListing& listing, const TOrderListFilter& filter) {
    listing.run(filter);
    for (int row = 0; row < std::min(45, listing.rowCount()); ++row)
        for (int column = 0; column < listing.columnCount(); ++column)
            listing.data(listing.index(row, column));
}

// The listing's first page as the program runs it, its bound values written in for the engine's shell.
QString listSql(const TOrderListFilter& filter) {
    const OrderList::TQuery page = OrderList::query(filter, TOrderListing::PageSize);
    QString sql;
    qsizetype next = 0;
    for (const QChar c : page.sql) {
        if (c != QLatin1Char('?')) {
            sql += c;
            continue;
        }
        const QVariant& value = page.values.at(next++);
        sql += value.typeId() == QMetaType::QString ? shellText(value.toString()) : value.toString();
    }
    return sql + QStringLiteral(";\n");
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    Fonts::installSubstitutes();
    QStringList arguments = app.arguments().mid(1);
    const bool onServer = arguments.removeAll(QStringLiteral("--server")) > 0;
    const int orders = arguments.size() > 0 ? arguments[0].toInt() : 100000;
    const QString copy = arguments.size() > 1 ? arguments[1] : QString();
    if (orders < 1) {
        std::fprintf(stderr, "usage: bench_records [ORDERS [COPY]] [--server]\n");
        return 2;
    }
    if (onServer && !TTestDatabase::serverAvailable()) {
        std::fprintf(stderr, "--server needs DORAVEL_TEST_PG_HOST, _PORT and _USER\n");
        return 2;
    }
    // A database of its own on the server, dropped at the end; nothing to make for the local file.
    const TTestDatabase database(onServer);
    const TDatabaseSettings& settings = database.settings;

    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("db"));
    TSession session(TProgramFolder(dir.path()), TProfileStore::openFile(dir.filePath(QStringLiteral("s.ini"))));
    EnsureDefaultProfileGroup(*session.store);
    LoadStartupProfileGroup(*session.store, session.activeGroup);
    RegisterOrderDatabase(session.folder, settings);
    OrderDatabase::announceChangesTo(session.events);
    const QString file = session.folder.dbFile(OrderDatabase::fileName);
    TEngineShell shell(settings, file);

    QRandomGenerator random(2026);
    const double filled = RealisticOrders::fill(random, orders);
    std::printf("%s: filled %d orders of %d customers in %.1f s\n",
                onServer ? "PostgreSQL server" : "local SQLite file", orders, RealisticOrders::Customers, filled);

    ShowSaveDialog(session.orderSave, session.project);
    const double reopen = medianMs([&](int) { ReopenOrder(session, 1 + int(random.bounded(orders))); });
    session.orderSave.orderAmount = QStringLiteral("12500");
    OrderAmountChanged(session.orderSave);
    const double resave = medianMs([&](int) {
        session.project.kayitkontrol = QStringLiteral("eski");
        session.project.sno = QString::number(1 + random.bounded(orders));
        SaveOrder(session.project, session.orderSave);
    });
    const double save = medianMs([&](int) {
        session.project.kayitkontrol = QStringLiteral("yeni");
        SaveOrder(session.project, session.orderSave);
    });

    // The order list.
    TYesMessages yes;
    TMessages::setBackend(&yes);
    const QString customer = QStringLiteral("Müşteri 777");
    const QDate weekStart = QDate(2016, 12, 10).addDays(3653 / 2);
    const QList<std::pair<const char*, TOrderListFilter>> filters = {
        {"every order", TOrderListFilter()},
        {"one customer", {false, customer, true, {}, {}}},
        {"one week of save days", {true, {}, false, weekStart, weekStart.addDays(6)}},
        {"one customer, one year of save days", {false, customer, false, weekStart, weekStart.addDays(364)}},
        // The widest date filter: every order lies between the two days.
        {"all ten years of save days", {true, {}, false, QDate(2016, 1, 1), QDate(2027, 1, 1)}},
    };
    TOrderListing listing(&session.events);
    const QByteArray shellName = shell.name().toUtf8();
    std::printf("order list, median of %d runs (%s on the same database, first page of %d rows):\n", Runs,
                shellName.constData(), TOrderListing::PageSize);
    const double open = medianMs([&](int) { firstScreen(listing, TOrderListFilter()); });
    std::printf("  opening the list (query and first screen)   %7.2f ms\n", open);
    for (const auto& [name, filter] : filters) {
        const double ours = medianMs([&](int) { firstScreen(listing, filter); });
        listing.run(filter);
        const double floor = shell.perStatementMs([&](int) { return listSql(filter); });
        std::printf("  filter: %-36s %7.2f ms (%d rows shown)   %s %6.2f ms\n", name, ours, listing.rowCount(),
                    shellName.constData(), floor);
    }
    listing.run(TOrderListFilter());
    const double remove = medianMs([&](int i) { DeleteListedOrder(listing, 1 + i * 3); });
    const double removeFloor = shell.perStatementMs([&](int i) {
        const int sno = orders / 2 - i;
        QString sql =
            QStringLiteral("BEGIN;\nUPDATE musteri SET Bakiye = Bakiye - (SELECT kalan FROM "
                           "siparis WHERE sno = %1) WHERE Mno = (SELECT musterino FROM siparis WHERE sno = %1);\n")
                .arg(sno);
        for (int door = 1; door <= 6; ++door)
            sql += QStringLiteral("DELETE FROM k%1 WHERE Siparisno = %2;\n").arg(door).arg(sno);
        return sql + QStringLiteral("DELETE FROM siparis WHERE sno = %1;\nCOMMIT;\n").arg(sno);
    });
    std::printf("  deleting one listed order (and listing again) %5.2f ms   %s delete alone %6.2f ms\n", remove,
                shellName.constData(), removeFloor);
    const TOrderListFilter oneCustomer{false, customer, true, {}, {}};
    int printed = 0;
    const QString pdf = QDir(dir.path()).filePath(QStringLiteral("liste.pdf"));
    const double print = medianMs(
        [&](int) {
            listing.run(oneCustomer);
            const QList<TOrderListRow> rows = listing.allRows();
            printed = int(rows.size());
            OrderListReport::writePdf(pdf, rows);
        },
        11);
    std::printf("  printing one customer's %d orders to PDF      %7.2f ms (%d pages)\n", printed, print,
                OrderListReport::pageCount(printed));
    TMessages::setBackend(nullptr);

    qint64 size = 0;
    if (onServer) {
        QSqlQuery query = OrderDatabase::prepare(QStringLiteral("SELECT pg_database_size(current_database())"));
        OrderDatabase::exec(query);
        size = query.next() ? query.value(0).toLongLong() : 0;
    }
    OrderDatabase::close();
    if (!onServer) {
        size = QFileInfo(file).size();
        if (!copy.isEmpty()) QFile::copy(file, copy);
    }
    std::printf("median of %d runs: save a new order %.2f ms, re-save a reopened order %.2f ms, reopen %.2f ms\n", Runs,
                save, resave, reopen);
    std::printf("database: %.1f MB (%lld bytes)\n", double(size) / 1e6, static_cast<long long>(size));
    return 0;
}
