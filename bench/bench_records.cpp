// Fills an order database with realistic orders (2 000 customers, save days spread over ten years)
// and prints medians of several runs: saving one order, re-saving a reopened one, reopening one; the
// order list opened (query and first screen), each of its four filters, deleting one listed order,
// printing one customer's orders to PDF; the same list queries and delete run by SQLite's own shell
// (sqlite3) on the same file as the floor; and the size of the database file.
//
//   bench_records [ORDERS [COPY]]   (default 100000; COPY keeps a copy of the database file;
//                                    QT_QPA_PLATFORM=offscreen without a display)

#include "session/Session.h"
#include "model/Clock.h"
#include "model/Messages.h"
#include "production/Fonts.h"
#include "production/OrderListReport.h"
#include "records/OrderDatabase.h"
#include "records/OrderList.h"
#include "records/OrderSave.h"
#include "records/OrderStore.h"
#include "records/ReopenOrder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Customers = 2000;
constexpr int Runs = 31;

const QStringList k_materials = {QStringLiteral("Beyaz"), QStringLiteral("Ceviz Damarlı"), QStringLiteral("Füme Cam"),
                                 QStringLiteral("Bronz Ayna"), QStringLiteral("Antrasit Mat Lake")};

// A designed order of 2 to 6 doors, each with 1 to 4 divisions, some of them split.
// Save days rise with the order number over ten years, as a workshop's orders do.
TOrderRecord realisticOrder(QRandomGenerator& random, int customers, int index, int orders) {
    TOrderRecord r;
    r.musterino = 1 + int(random.bounded(customers));
    r.musteriadi = QStringLiteral("Müşteri %1").arg(r.musterino);
    r.siparisadi = QStringLiteral("Yatak Odası Dolabı %1").arg(random.bounded(1000));
    r.starih = QDate(2016, 12, 10).addDays(int(qint64(index) * 3653 / std::max(1, orders)));
    r.teslimtarihi = r.starih.addDays(14);
    r.kapaksayi = 2 + int(random.bounded(5));
    r.dolapen = 120 + int(random.bounded(300));
    r.dolapboy = 200 + int(random.bounded(80));
    r.dolapadet = QStringLiteral("1");
    r.profil = QStringLiteral("Profil Grubu 1");
    r.prenk = QStringLiteral("Eloksal Gümüş");
    r.pmodel = QStringLiteral("Klasik");
    r.teslimat = QStringLiteral("Müşteriye Teslim");
    r.montaj = QStringLiteral("Montajlanacak");
    r.kapakesit = int(random.bounded(2));
    r.stutar = r.geneltoplam = 1000 + int(random.bounded(20000));
    r.alinan = int(random.bounded(r.geneltoplam));
    r.kalan = r.geneltoplam - r.alinan;
    r.note = QStringLiteral("Montaj öncesi arayınız");
    for (int door = 1; door <= 6; ++door) {
        r.doorWidths[door] = door <= r.kapaksayi ? 60.5 + random.bounded(60) : 0;
        if (door > r.kapaksayi) continue;
        const int divisions = 1 + int(random.bounded(4));
        for (int d = 1; d <= divisions; ++d) {
            r.doors[door][4 * d - 3] = QStringLiteral("57,5");
            r.doors[door][4 * d - 2] = QString::number(240 / divisions);
            r.doors[door][4 * d - 1] = d % 2 ? QStringLiteral("Panel") : QStringLiteral("Cam");
            r.doors[door][4 * d] = k_materials[int(random.bounded(k_materials.size()))];
            if (random.bounded(4) == 0)
                for (int part = 0; part < 3; ++part) {
                    r.splits[door][d][3 * part + 1] = QStringLiteral("20,5");
                    r.splits[door][d][3 * part + 2] = QStringLiteral("Panel");
                    r.splits[door][d][3 * part + 3] = k_materials[part];
                    r.splits[door][d][10] = QStringLiteral("2");
                }
        }
        r.doors[door][25] = QStringLiteral("Yatay");
        r.doors[door][26] = QString::number(divisions);
    }
    return r;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <typename F> double medianMs(F run, int runs = Runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        run(i);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return median(times);
}

// Every question answered Yes.
class TYesMessages : public TMessageBackend {
public:
    void showMessage(const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    void showError(const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    bool askYesNo(const QString&, bool) override { return true; }
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

QString sqlText(const QString& value) {
    return QLatin1Char('\'') + QString(value).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}

// The listing's first page as one SQL text for the sqlite3 shell, in the program's own form.
QString listSql(const TOrderListFilter& f) {
    QStringList where;
    if (!f.allCustomers) where << QStringLiteral("musteriadi = ") + sqlText(f.customer);
    if (!f.allDates)
        where << QStringLiteral("starih BETWEEN %1 AND %2")
                     .arg(sqlText(f.start.toString(Qt::ISODate)), sqlText(f.end.toString(Qt::ISODate)));
    const QString columns = QStringLiteral("sno, musterino, musteriadi, siparisadi, dolapen, dolapboy, kapaksayi, "
                                           "dolapadet, Teslimtarihi, geneltoplam, stutar, alinan, kalan, \"not\"");
    const QString condition =
        where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    if (!f.allDates)
        return QStringLiteral(
                   "SELECT %1 FROM siparis WHERE sno IN (SELECT sno FROM siparis%2 ORDER BY sno DESC LIMIT %3) "
                   "ORDER BY sno DESC;\n")
            .arg(columns, condition)
            .arg(TOrderListing::PageSize);
    return QStringLiteral("SELECT %1 FROM siparis%2 ORDER BY sno DESC LIMIT %3;\n")
        .arg(columns, condition)
        .arg(TOrderListing::PageSize);
}

// Wall time of the sqlite3 shell running `statement(i)` for i = 0..Repeats-1 on the file, less the
// time of the shell itself, per statement: the median over several runs.
double sqliteShellMs(const QString& file, const std::function<QString(int)>& statement) {
    constexpr int Repeats = 20;
    auto runScript = [&](const QString& script) {
        QProcess shell;
        QElapsedTimer timer;
        timer.start();
        shell.start(QStringLiteral("sqlite3"), {file});
        shell.write(script.toUtf8());
        shell.closeWriteChannel();
        shell.waitForFinished(-1);
        return double(timer.nsecsElapsed()) / 1e6;
    };
    std::vector<double> times;
    static int offset = 0;
    for (int run = 0; run < 7; ++run) {
        // The program's own settings of the file: write-ahead log, a sync at checkpoints only.
        QString script = QStringLiteral(".output /dev/null\nPRAGMA synchronous=NORMAL;\n");
        const QString empty = script + QStringLiteral("SELECT 1;\n").repeated(Repeats);
        for (int i = 0; i < Repeats; ++i)
            script += statement(offset++);
        times.push_back((runScript(script) - runScript(empty)) / Repeats);
    }
    return median(times);
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    Fonts::installSubstitutes();
    const int orders = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("db"));
    TSession session(TProgramFolder(dir.path()), TProfileStore::openFile(dir.filePath(QStringLiteral("s.ini"))));
    EnsureDefaultProfileGroup(*session.store);
    LoadStartupProfileGroup(*session.store, session.activeGroup);
    RegisterOrderDatabase(session.folder);

    QElapsedTimer fill;
    fill.start();
    for (int i = 1; i <= Customers; ++i) {
        TCustomer customer;
        customer.name = QStringLiteral("Müşteri %1").arg(i);
        CustomerStore::insert(customer);
    }
    QRandomGenerator random(2026);
    for (int done = 0; done < orders; done += 10000)
        OrderStore::insertOrders(std::min(10000, orders - done), [&, index = done](TOrderRecord& record) mutable {
            record = realisticOrder(random, Customers, index++, orders);
        });
    std::printf("filled %d orders of %d customers in %.1f s\n", orders, Customers, double(fill.elapsed()) / 1000);

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
    const QString file = session.folder.dbFile(OrderDatabase::fileName);
    std::printf("order list, median of %d runs (sqlite3 shell on the same file, first page of %d rows):\n", Runs,
                TOrderListing::PageSize);
    const double open = medianMs([&](int) { firstScreen(listing, TOrderListFilter()); });
    std::printf("  opening the list (query and first screen)   %7.2f ms\n", open);
    for (const auto& [name, filter] : filters) {
        const double ours = medianMs([&](int) { firstScreen(listing, filter); });
        listing.run(filter);
        const double floor = sqliteShellMs(file, [&](int) { return listSql(filter); });
        std::printf("  filter: %-36s %7.2f ms (%d rows shown)   sqlite3 %6.2f ms\n", name, ours, listing.rowCount(),
                    floor);
    }
    listing.run(TOrderListFilter());
    const double remove = medianMs([&](int i) { DeleteListedOrder(session, listing, 1 + i * 3); });
    const double removeFloor = sqliteShellMs(file, [&](int i) {
        const int sno = orders / 2 - i;
        QString sql =
            QStringLiteral("BEGIN IMMEDIATE;\nUPDATE musteri SET Bakiye = Bakiye - (SELECT kalan FROM "
                           "siparis WHERE sno = %1) WHERE Mno = (SELECT musterino FROM siparis WHERE sno = %1);\n")
                .arg(sno);
        for (int door = 1; door <= 6; ++door)
            sql += QStringLiteral("DELETE FROM k%1 WHERE Siparisno = %2;\n").arg(door).arg(sno);
        return sql + QStringLiteral("DELETE FROM siparis WHERE sno = %1;\nCOMMIT;\n").arg(sno);
    });
    std::printf("  deleting one listed order (and listing again) %5.2f ms   sqlite3 delete alone %6.2f ms\n", remove,
                removeFloor);
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

    OrderDatabase::close();
    const qint64 size = QFileInfo(session.folder.dbFile(OrderDatabase::fileName)).size();
    if (argc > 2) QFile::copy(session.folder.dbFile(OrderDatabase::fileName), QString::fromLocal8Bit(argv[2]));
    std::printf("median of %d runs: save a new order %.2f ms, re-save a reopened order %.2f ms, reopen %.2f ms\n", Runs,
                save, resave, reopen);
    std::printf("database file: %.1f MB (%lld bytes)\n", double(size) / 1e6, static_cast<long long>(size));
    return 0;
}
