#include "production/HoleLists.h"
#include "production/ProductionSheet.h"
#include "support/TestSupport.h"

#include <QtTest>

using namespace ProjectBuilder;

class TestHoles : public QObject {
    Q_OBJECT
private slots:
    void holeSeries_data();
    void holeSeries();
    void splitLinesFollowTheMainHolesInDivisionOrder();
    void slotsAboveTheDoorCountStayEmpty();

private:
    TProfileGroup group = groupWith({{TProfileGroup::incover, "0,2"},
                                     {TProfileGroup::top, "3"},
                                     {TProfileGroup::mhor, "2,5"},
                                     {TProfileGroup::mver, "1,5"}});
};

void TestHoles::holeSeries_data() {
    QTest::addColumn<QString>("direction");
    QTest::addColumn<QStringList>("sizes");
    QTest::addColumn<QStringList>("split1"); // split of division 1, empty for none
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("single division") << "Yatay" << QStringList{"190"} << QStringList() << QStringList();
    QTest::newRow("Yatay 60, 70, 65") << "Yatay" << QStringList{"60", "70", "65"} << QStringList()
                                      << QStringList{"Yan Profile Üstten", "1.Delik = 63,4", "2.Delik = 136,1"};
    QTest::newRow("Dikey 45, 47") << "Dikey" << QStringList{"45", "47"} << QStringList()
                                  << QStringList{"Üst Profile Soldan", "1.Delik = 44,6"};
    QTest::newRow("Dikey four columns") << "Dikey" << QStringList{"20", "21", "22", "23"} << QStringList()
                                        << QStringList{"Üst Profile Soldan", "1.Delik = 19,6", "2.Delik = 41,4",
                                                       "3.Delik = 65,1"};
    QTest::newRow("Dikey, division 1 in three parts")
        << "Dikey" << QStringList{"45", "47"} << QStringList{"50", "Cam", "a", "60", "Cam", "a", "70", "Cam", "a", "2"}
        << QStringList{"Üst Profile Soldan", "1.Delik = 44,6", "1. Ara Profile Üstten", "1.Delik = 49,6",
                       "2.Delik = 110,4"};
    QTest::newRow("Yatay, one division in two parts")
        << "Yatay" << QStringList{"190"} << QStringList{"40", "Panel", "a", "50", "Panel", "a", "0", "Panel", "a", "1"}
        << QStringList{"1. Ara Profile Soldan", "1.Delik = 39,6"};
    QTest::newRow("unknown direction") << "yatay" << QStringList{"60", "70"} << QStringList() << QStringList();
}

void TestHoles::holeSeries() {
    QFETCH(QString, direction);
    QFETCH(QStringList, sizes);
    QFETCH(QStringList, split1);
    QFETCH(QStringList, lines);
    TProject project = entered(QStringLiteral("200"), QStringLiteral("203,5"), QStringLiteral("200"),
                               {QStringLiteral("102"), QStringLiteral("102")});
    setDoor(project, 1, direction, QString::number(sizes.size()));
    for (int d = 1; d <= sizes.size(); ++d)
        setDivision(project, 1, d, sizes.at(d - 1), sizes.at(d - 1));
    if (!split1.isEmpty()) setSplit(project, 1, 1, split1);
    TProductionSheet sheet;
    BuildHoleLists(project, group, sheet);
    QCOMPARE(sheet.holes[1], lines);
}

void TestHoles::splitLinesFollowTheMainHolesInDivisionOrder() {
    TProject project = entered(QStringLiteral("200"), QStringLiteral("203,5"), QStringLiteral("200"),
                               {QStringLiteral("102"), QStringLiteral("102")});
    setDoor(project, 2, QStringLiteral("Yatay"), QStringLiteral("3"));
    for (int d = 1; d <= 3; ++d)
        setDivision(project, 2, d, QStringLiteral("94"), QStringLiteral("60"));
    setSplit(project, 2, 3, {"30", "Panel", "a", "30", "Panel", "a", "30", "Panel", "a", "2"});
    setSplit(project, 2, 1, {"45", "Panel", "a", "45", "Panel", "a", "0", "Panel", "a", "1"});
    TProductionSheet sheet;
    BuildHoleLists(project, group, sheet);
    QCOMPARE(sheet.holes[2],
             (QStringList{"Yan Profile Üstten", "1.Delik = 63,4", "2.Delik = 126,1", "1. Ara Profile Soldan",
                          "1.Delik = 44,6", "3. Ara Profile Soldan", "1.Delik = 29,6", "2.Delik = 60,4"}));
    QVERIFY(sheet.holes[1].isEmpty());
}

void TestHoles::slotsAboveTheDoorCountStayEmpty() {
    TProject project = entered(QStringLiteral("300"), QStringLiteral("253,5"), QStringLiteral("250"),
                               {QStringLiteral("102,67"), QStringLiteral("102,67"), QStringLiteral("102,67")});
    setDoor(project, 5, QStringLiteral("Dikey"), QStringLiteral("2"));
    setDivision(project, 5, 1, QStringLiteral("45"), QStringLiteral("45"));
    TProductionSheet sheet;
    sheet.holes[4] = QStringList{QStringLiteral("old")};
    BuildHoleLists(project, group, sheet);
    for (int door = 4; door <= 6; ++door)
        QVERIFY(sheet.holes[door].isEmpty());
}

QTEST_GUILESS_MAIN(TestHoles)
#include "tst_holes.moc"
