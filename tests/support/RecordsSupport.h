#pragma once

#include "records/CustomerStore.h"
#include "records/OrderDatabase.h"
#include "records/OrderStore.h"
#include "support/TestSupport.h"

#include <QSqlQuery>
#include <QVariant>

// Orders and customers as the tests need them.
namespace RecordsSupport {

// A two-door order, both doors designed: door 1 three horizontal divisions, the second split in
// three; door 2 two vertical divisions.
inline TProject designedProject() {
    TProject project = ProjectBuilder::entered(QStringLiteral("240"), QStringLiteral("250"), QStringLiteral("247"),
                                               {QStringLiteral("122,5"), QStringLiteral("122,5")});
    project.kayitkontrol = QStringLiteral("yeni");
    project.deliveryDate = QDate(2026, 12, 24);
    project.profileColour = QStringLiteral("Eloksal Gümüş");
    project.profileModel = QStringLiteral("Klasik");
    project.deliveryKind = QStringLiteral("Müşteriye Teslim");
    project.assemblyKind = QStringLiteral("Montajlanacak");
    project.dolapadet = QStringLiteral("2");
    project.doorsEqual = false;
    ProjectBuilder::setDoor(project, 1, QStringLiteral("Yatay"), QStringLiteral("3"));
    ProjectBuilder::setDivision(project, 1, 1, QStringLiteral("117,5"), QStringLiteral("80"));
    ProjectBuilder::setDivision(project, 1, 2, QStringLiteral("117,5"), QStringLiteral("81"), QStringLiteral("Cam"),
                                QStringLiteral("Füme Cam"));
    ProjectBuilder::setDivision(project, 1, 3, QStringLiteral("117,5"), QStringLiteral("80"));
    ProjectBuilder::setSplit(project, 1, 2,
                             {QStringLiteral("30"), QStringLiteral("Panel"), QStringLiteral("Ceviz Damarlı"),
                              QStringLiteral("20,5"), QStringLiteral("Cam"), QStringLiteral("Füme Cam"),
                              QStringLiteral("28,5"), QStringLiteral("Panel"), QStringLiteral("Beyaz"),
                              QStringLiteral("2")});
    ProjectBuilder::setDoor(project, 2, QStringLiteral("Dikey"), QStringLiteral("2"));
    ProjectBuilder::setDivision(project, 2, 1, QStringLiteral("58"), QStringLiteral("241"));
    ProjectBuilder::setDivision(project, 2, 2, QStringLiteral("58"), QStringLiteral("241"), QStringLiteral("Cam"),
                                QStringLiteral("Bronz Ayna"));
    return project;
}

inline int count(const QString& sql) {
    QSqlQuery query = OrderDatabase::prepare(sql);
    OrderDatabase::exec(query);
    return query.next() ? query.value(0).toInt() : -1;
}

// Customers whose Bakiye differs from the sum of kalan over their orders, as "Mno: Bakiye ≠ sum".
inline QStringList balanceMismatches() {
    QSqlQuery query = OrderDatabase::prepare(QStringLiteral(
        "SELECT m.Mno, m.Bakiye, (SELECT COALESCE(SUM(s.kalan), 0) FROM siparis s WHERE s.musterino = m.Mno) "
        "FROM musteri m"));
    OrderDatabase::exec(query);
    QStringList mismatches;
    while (query.next())
        if (query.value(1).toDouble() != query.value(2).toDouble())
            mismatches << QStringLiteral("%1: %2 != %3")
                              .arg(query.value(0).toString(), query.value(1).toString(), query.value(2).toString());
    return mismatches;
}

// Orders that lack one of their six split records, and split records without an order.
inline int brokenOrders() {
    int broken = 0;
    for (int door = 1; door <= 6; ++door) {
        broken += count(
            QStringLiteral("SELECT COUNT(*) FROM siparis WHERE sno NOT IN (SELECT Siparisno FROM k%1)").arg(door));
        broken += count(
            QStringLiteral("SELECT COUNT(*) FROM k%1 WHERE Siparisno NOT IN (SELECT sno FROM siparis)").arg(door));
    }
    return broken;
}

inline int addCustomer(const QString& name) {
    TCustomer customer;
    customer.name = name;
    return CustomerStore::insert(customer);
}

// A stored order of customer `mno` (named `name`), saved on `starih`, with its amounts.
inline int storeOrder(int mno, const QString& name, const QDate& starih, int kalan = 0, int stutar = 1000) {
    TOrderRecord record;
    record.musterino = mno;
    record.musteriadi = name;
    record.siparisadi = QStringLiteral("Dolap %1").arg(starih.toString(QStringLiteral("dd.MM")));
    record.starih = starih;
    record.teslimtarihi = starih.addDays(14);
    record.kapaksayi = 2;
    record.dolapen = 240;
    record.dolapboy = 250;
    record.dolapadet = QStringLiteral("1");
    record.stutar = stutar;
    record.geneltoplam = stutar + 100;
    record.alinan = record.geneltoplam - kalan;
    record.kalan = kalan;
    record.note = QStringLiteral("Not %1").arg(kalan);
    record.doors[1][25] = QStringLiteral("Yatay");
    record.doors[1][26] = QStringLiteral("1");
    return OrderStore::insertOrder(record);
}

} // namespace RecordsSupport
