#include "production/PrintComputation.h"
#include "production/ProductionSheet.h"
#include "support/TestSupport.h"

#include <QtTest>

using namespace ProjectBuilder;

class TestPrintComputation : public QObject {
    Q_OBJECT
private slots:
    void emptyOpeningSizeComputesNothing();
    void undesignedDoorStopsAfterTheProfileList();
    void designedProjectFillsEveryFigure();
};

void TestPrintComputation::emptyOpeningSizeComputesNothing() {
    TProject project = entered(QStringLiteral("200"), QString(), QStringLiteral("196,5"),
                               {QStringLiteral("102"), QStringLiteral("102")});
    TProductionSheet sheet;
    sheet.profilname = QStringList{QStringLiteral("earlier")};
    QCOMPARE(refusalOf([&] { ComputeProductionSheet(project, defaultGroup(), sheet); }),
             QStringLiteral("Lütfen  Dolap Eni ve Boyunu Giriniz !"));
    QCOMPARE(sheet.profilname, QStringList{QStringLiteral("earlier")});
}

void TestPrintComputation::undesignedDoorStopsAfterTheProfileList() {
    TProject project =
        entered(QStringLiteral("400"), QStringLiteral("253,5"), QStringLiteral("250"),
                {QStringLiteral("102"), QStringLiteral("102"), QStringLiteral("102"), QStringLiteral("102")});
    for (int door : {1, 2, 4}) {
        setDoor(project, door, QStringLiteral("Dikey"), QStringLiteral("2"));
        setDivision(project, door, 1, QStringLiteral("45"), QStringLiteral("240"));
        setDivision(project, door, 2, QStringLiteral("45"), QStringLiteral("240"));
    }
    TProductionSheet sheet;
    sheet.holes[1] = QStringList{QStringLiteral("earlier")};
    QCOMPARE(refusalOf([&] { ComputeProductionSheet(project, defaultGroup(), sheet); }),
             QStringLiteral("Lütfen Ölçülendirme Yapınız !"));
    QCOMPARE(sheet.profilname.first(), QStringLiteral("400 cm Üst Ray"));
    QVERIFY(!sheet.totalWeight.isEmpty());
    QCOMPARE(sheet.holes[1], QStringList{QStringLiteral("earlier")});
}

void TestPrintComputation::designedProjectFillsEveryFigure() {
    TProject project = entered(QStringLiteral("200"), QStringLiteral("203,5"), QStringLiteral("200"),
                               {QStringLiteral("102"), QStringLiteral("102")});
    for (int door = 1; door <= 2; ++door) {
        setDoor(project, door, QStringLiteral("Dikey"), QStringLiteral("2"));
        setDivision(project, door, 1, QStringLiteral("45"), QStringLiteral("195"), QStringLiteral("Cam"));
        setDivision(project, door, 2, QStringLiteral("45"), QStringLiteral("195"));
    }
    TProductionSheet sheet;
    QCOMPARE(refusalOf([&] { ComputeProductionSheet(project, defaultGroup(), sheet); }), QString());
    QCOMPARE(sheet.holes[1].first(), QStringLiteral("Üst Profile Soldan"));
    QCOMPARE(sheet.glassLines, QStringList{QStringLiteral("45  X  195  -  Beyaz")});
    QCOMPARE(sheet.glassGasket, QStringLiteral("9,6"));
    QCOMPARE(sheet.mechanisms, QStringLiteral("2"));
}

QTEST_GUILESS_MAIN(TestPrintComputation)
#include "tst_printcomputation.moc"
