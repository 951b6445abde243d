#include "RealisticOrders.h"

#include "records/CustomerStore.h"
#include "records/OrderDatabase.h"
#include "records/OrderStore.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>

namespace {

const QStringList k_materials = {QStringLiteral("Beyaz"), QStringLiteral("Ceviz Damarlı"), QStringLiteral("Füme Cam"),
                                 QStringLiteral("Bronz Ayna"), QStringLiteral("Antrasit Mat Lake")};

} // namespace

namespace RealisticOrders {

TOrderRecord order(QRandomGenerator& random, int customers, int index, int orders) {
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

double fill(QRandomGenerator& random, int orders) {
    QElapsedTimer timer;
    timer.start();
    for (int i = 1; i <= Customers; ++i) {
        TCustomer customer;
        customer.name = QStringLiteral("Müşteri %1").arg(i);
        CustomerStore::insert(customer);
    }
    // Ten thousand orders to a transaction, their statements prepared once.
    for (int done = 0; done < orders; done += 10000)
        OrderStore::insertOrders(std::min(10000, orders - done), [&, index = done](TOrderRecord& record) mutable {
            record = order(random, Customers, index++, orders);
        });
    // A server's autovacuum brings the planner's statistics up to date soon after a change this large;
    // without them it takes a date range spanning every order for a narrow one.
    // (A statement PostgreSQL cannot prepare, so run as it is.)
    QSqlQuery analyze(OrderDatabase::open());
    if (!analyze.exec(QStringLiteral("ANALYZE"))) std::fprintf(stderr, "ANALYZE failed\n");
    return double(timer.elapsed()) / 1000;
}

} // namespace RealisticOrders
