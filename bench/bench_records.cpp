// Fills an order database with realistic orders and prints the median time to save one order, to
// re-save a reopened one and to reopen one, and the size of the database.
//
//   bench_records [ORDERS] [--server]   (default 100000; QT_QPA_PLATFORM=offscreen without a display)
//
// --server: a fresh database on the PostgreSQL server named by DORAVEL_TEST_PG_HOST, _PORT and _USER
// (scripts/pg-test-server.sh starts one), dropped at the end.

#include "app/Session.h"
#include "model/Clock.h"
#include "records/OrderDatabase.h"
#include "records/OrderSave.h"
#include "records/OrderStore.h"
#include "records/ReopenOrder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
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
TOrderRecord realisticOrder(QRandomGenerator& random, int customers) {
    TOrderRecord r;
    r.musterino = 1 + int(random.bounded(customers));
    r.musteriadi = QStringLiteral("Müşteri %1").arg(r.musterino);
    r.siparisadi = QStringLiteral("Yatak Odası Dolabı %1").arg(random.bounded(1000));
    r.starih = QDate(2016, 12, 10).addDays(random.bounded(3653));
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

TDatabaseSettings benchServer(const QString& database) {
    TDatabaseSettings settings;
    settings.engine = TDatabaseSettings::Engine::Server;
    settings.host = qEnvironmentVariable("DORAVEL_TEST_PG_HOST");
    settings.port = qEnvironmentVariableIntValue("DORAVEL_TEST_PG_PORT");
    settings.user = qEnvironmentVariable("DORAVEL_TEST_PG_USER");
    settings.database = database;
    return settings;
}

// CREATE or DROP DATABASE on the server's maintenance database.
bool serverCommand(const QString& sql) {
    bool done = false;
    {
        const TDatabaseSettings server = benchServer(QStringLiteral("postgres"));
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("bench_admin"));
        db.setHostName(server.host);
        db.setPort(server.port);
        db.setUserName(server.user);
        db.setDatabaseName(server.database);
        QSqlQuery query(db);
        done = db.open() && query.exec(sql);
        if (!done)
            std::fprintf(stderr, "%s\n", qPrintable(db.isOpen() ? query.lastError().text() : db.lastError().text()));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench_admin"));
    return done;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <typename F> double medianMs(F run) {
    std::vector<double> times;
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        run(i);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return median(times);
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    const bool server = arguments.contains(QStringLiteral("--server"));
    int orders = 100000;
    for (const QString& argument : arguments)
        if (argument.toInt() > 0) orders = argument.toInt();
    const QString serverDatabase = QStringLiteral("dora_bench_%1").arg(QCoreApplication::applicationPid());
    TDatabaseSettings settings;
    if (server) {
        if (qEnvironmentVariableIsEmpty("DORAVEL_TEST_PG_HOST")) {
            std::fprintf(stderr, "--server needs DORAVEL_TEST_PG_HOST, _PORT and _USER\n");
            return 2;
        }
        if (!serverCommand(QStringLiteral("CREATE DATABASE %1").arg(serverDatabase))) return 2;
        settings = benchServer(serverDatabase);
    }
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("db"));
    TSession session(TProgramFolder(dir.path()), TProfileStore::openFile(dir.filePath(QStringLiteral("s.ini"))));
    EnsureDefaultProfileGroup(*session.store);
    LoadStartupProfileGroup(*session.store, session.activeGroup);
    RegisterOrderDatabase(session.folder, settings);

    QElapsedTimer fill;
    fill.start();
    for (int i = 1; i <= Customers; ++i) {
        TCustomer customer;
        customer.name = QStringLiteral("Müşteri %1").arg(i);
        CustomerStore::insert(customer);
    }
    QRandomGenerator random(2026);
    for (int done = 0; done < orders; done += 10000)
        OrderStore::insertOrders(std::min(10000, orders - done),
                                 [&](TOrderRecord& record) { record = realisticOrder(random, Customers); });
    std::printf("%s: filled %d orders of %d customers in %.1f s\n", server ? "PostgreSQL server" : "local SQLite file",
                orders, Customers, double(fill.elapsed()) / 1000);

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
    qint64 size = 0;
    if (server) {
        QSqlQuery query = OrderDatabase::prepare(QStringLiteral("SELECT pg_database_size(current_database())"));
        OrderDatabase::exec(query);
        size = query.next() ? query.value(0).toLongLong() : 0;
    }
    OrderDatabase::close();
    if (server)
        serverCommand(QStringLiteral("DROP DATABASE %1").arg(serverDatabase));
    else
        size = QFileInfo(session.folder.dbFile(OrderDatabase::fileName)).size();
    std::printf("median of %d runs: save a new order %.2f ms, re-save a reopened order %.2f ms, reopen %.2f ms\n", Runs,
                save, resave, reopen);
    std::printf("database: %.1f MB (%lld bytes)\n", double(size) / 1e6, static_cast<long long>(size));
    return 0;
}
