#include "production/Accessories.h"
#include "production/ProductionSheet.h"
#include "production/ProfileList.h"
#include "support/TestSupport.h"

#include <QtTest>

using namespace ProjectBuilder;

class TestAccessories : public QObject {
    Q_OBJECT
private slots:
    void gasketsAndMechanisms_data();
    void gasketsAndMechanisms();
    void glassGasketCountsDivisionsByTheirOwnKind();
    void weightsFollowTheLengths();
    void zeroWeightsGiveZeroTotal();
};

void TestAccessories::gasketsAndMechanisms_data() {
    QTest::addColumn<QString>("cabinets");
    QTest::addColumn<QString>("sets");
    QTest::addColumn<QString>("gasket");
    QTest::newRow("C = 1") << "1"
                           << "3"
                           << "12";
    QTest::newRow("C = 2") << "2"
                           << "6"
                           << "24";
}

void TestAccessories::gasketsAndMechanisms() {
    QFETCH(QString, cabinets);
    QFETCH(QString, sets);
    QFETCH(QString, gasket);
    TProject project = entered(QStringLiteral("300"), QStringLiteral("203,5"), QStringLiteral("200"),
                               {QStringLiteral("102,67"), QStringLiteral("102,67"), QStringLiteral("102,67")});
    project.dolapadet = cabinets;
    TProductionSheet sheet;
    ComputeAccessories(project, sheet);
    QCOMPARE(sheet.mechanisms, sets);
    QCOMPARE(sheet.impactGasket, gasket);
    QCOMPARE(sheet.dustGasket, gasket);
    QCOMPARE(sheet.glassGasket, QStringLiteral("0"));
}

void TestAccessories::glassGasketCountsDivisionsByTheirOwnKind() {
    TProject project = entered(QStringLiteral("200"), QStringLiteral("203,5"), QStringLiteral("200"),
                               {QStringLiteral("102"), QStringLiteral("102")});
    setDoor(project, 1, QStringLiteral("Yatay"), QStringLiteral("3"));
    setDivision(project, 1, 1, QStringLiteral("96"), QStringLiteral("60,5"), QStringLiteral("Cam"));
    setDivision(project, 1, 2, QStringLiteral("96"), QStringLiteral("60,5"), QStringLiteral("Cam"));
    setDivision(project, 1, 3, QStringLiteral("96"), QStringLiteral("60,5"), QStringLiteral("Panel"));
    // The parts of a split are not looked at.
    setSplit(project, 1, 3, {"40", "Cam", "a", "50", "Cam", "a", "0", "Cam", "a", "1"});
    TProductionSheet sheet;
    ComputeAccessories(project, sheet);
    QCOMPARE(sheet.glassGasket, QStringLiteral("6,26"));
}

void TestAccessories::weightsFollowTheLengths() {
    // Doors of different widths: top and bottom take door 1's width for every door.
    TProject project = entered(QStringLiteral("300"), QStringLiteral("203,5"), QStringLiteral("200"),
                               {QStringLiteral("120,5"), QStringLiteral("94"), QStringLiteral("94")});
    project.dolapadet = QStringLiteral("2");
    setDoor(project, 1, QStringLiteral("Yatay"), QStringLiteral("3"));
    setDoor(project, 2, QStringLiteral("Dikey"), QStringLiteral("2"));
    TProfileGroup group = defaultGroup();
    TProductionSheet sheet;
    BuildProfileList(project, group, sheet); // ends with the weights
    using K = TProductionSheet;
    QCOMPARE(sheet.lengths[K::TopRail], QStringLiteral("600"));
    QCOMPARE(sheet.lengths[K::BottomRail], QStringLiteral("600"));
    QCOMPARE(sheet.lengths[K::Side], QStringLiteral("2400"));
    QCOMPARE(sheet.lengths[K::Top], QStringLiteral("1446"));
    QCOMPARE(sheet.lengths[K::Bottom], QStringLiteral("1446"));
    QCOMPARE(sheet.lengths[K::HorizontalMiddle], QStringLiteral("450")); // 2 × (112,5 × 2)
    QCOMPARE(sheet.lengths[K::VerticalMiddle], QStringLiteral("384"));   // 2 × (192 × 1)
    QCOMPARE(sheet.weights[K::Side], QStringLiteral("1200"));
    QCOMPARE(sheet.weights[K::Top], QStringLiteral("441,03"));
    QCOMPARE(sheet.weights[K::HorizontalMiddle], QStringLiteral("164,25"));
    QCOMPARE(sheet.weights[K::VerticalMiddle], QStringLiteral("134,4"));
    QCOMPARE(sheet.weights[K::TopRail], QStringLiteral("420"));
    // 1200 + 723 + 441,03 + 164,25 + 134,4 + 420 + 300
    QCOMPARE(sheet.totalWeight, QStringLiteral("3382,68"));
}

void TestAccessories::zeroWeightsGiveZeroTotal() {
    TProject project = entered(QStringLiteral("200"), QStringLiteral("203,5"), QStringLiteral("200"),
                               {QStringLiteral("102"), QStringLiteral("102")});
    TProfileGroup group = defaultGroup();
    for (int value = TProfileGroup::topw; value <= TProfileGroup::underslidew; ++value)
        group.setText(value, QStringLiteral("0"));
    TProductionSheet sheet;
    BuildProfileList(project, group, sheet);
    QCOMPARE(sheet.totalWeight, QStringLiteral("0"));
}

QTEST_GUILESS_MAIN(TestAccessories)
#include "tst_accessories.moc"
