#include "model/Errors.h"
#include "production/Counts.h"
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
    void countsOutsideWhatTheyCanMeanAreRefused_data();
    void countsOutsideWhatTheyCanMeanAreRefused();
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

void TestPrintComputation::countsOutsideWhatTheyCanMeanAreRefused_data() {
    QTest::addColumn<QString>("doorCount");
    QTest::addColumn<QString>("divisionCount");
    QTest::addColumn<QString>("separators");
    QTest::addColumn<QString>("message");
    QTest::newRow("one door") << "1"
                              << "2"
                              << "1" << CountTexts::doorCount(QStringLiteral("1"));
    QTest::newRow("seven doors") << "7"
                                 << "2"
                                 << "1" << CountTexts::doorCount(QStringLiteral("7"));
    QTest::newRow("largest door count") << "2147483647"
                                        << "2"
                                        << "1" << CountTexts::doorCount(QStringLiteral("2147483647"));
    QTest::newRow("lowest door count") << "-2147483648"
                                       << "2"
                                       << "1" << CountTexts::doorCount(QStringLiteral("-2147483648"));
    QTest::newRow("no division") << "2"
                                 << "0"
                                 << "1" << CountTexts::divisionCount(1, QStringLiteral("0"));
    QTest::newRow("lowest division count") << "2"
                                           << "-2147483648"
                                           << "1" << CountTexts::divisionCount(1, QStringLiteral("-2147483648"));
    QTest::newRow("largest division count") << "2"
                                            << "2147483647"
                                            << "1" << CountTexts::divisionCount(1, QStringLiteral("2147483647"));
    QTest::newRow("three separators") << "2"
                                      << "2"
                                      << "3" << CountTexts::separatorCount(1, 1, QStringLiteral("3"));
    QTest::newRow("largest separator count")
        << "2"
        << "2"
        << "2147483647" << CountTexts::separatorCount(1, 1, QStringLiteral("2147483647"));
}

// A project file or a stored order can hold any whole number where the windows offer 2 to 6 doors,
// 1 to 6 divisions and one or two separators: such a count is refused before anything is computed.
void TestPrintComputation::countsOutsideWhatTheyCanMeanAreRefused() {
    QFETCH(QString, doorCount);
    QFETCH(QString, divisionCount);
    QFETCH(QString, separators);
    QFETCH(QString, message);
    TProject project = entered(QStringLiteral("200"), QStringLiteral("203,5"), QStringLiteral("200"),
                               {QStringLiteral("102"), QStringLiteral("102")});
    project.doorCount = doorCount;
    project.dolapadet = QStringLiteral("2147483647");
    for (int door = 1; door <= 2; ++door) {
        setDoor(project, door, QStringLiteral("Yatay"), divisionCount);
        setDivision(project, door, 1, QStringLiteral("95"), QStringLiteral("97"));
        setDivision(project, door, 2, QStringLiteral("95"), QStringLiteral("97"));
        setSplit(project, door, 1, {"40", "Panel", "a", "50", "Cam", "b", "0", "Panel", "b", separators});
    }
    TProductionSheet sheet;
    try {
        ComputeProductionSheet(project, defaultGroup(), sheet);
        QFAIL("no refusal");
    } catch (const TRefusal& refusal) {
        QCOMPARE(refusal.message(), message);
    }
}

QTEST_GUILESS_MAIN(TestPrintComputation)
#include "tst_printcomputation.moc"
