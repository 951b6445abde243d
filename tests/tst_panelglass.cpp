#include "production/PanelGlassList.h"
#include "production/ProductionSheet.h"
#include "support/TestSupport.h"

#include <QtTest>

using namespace ProjectBuilder;

namespace {
// Three equal doors, each with two 96 × 60,5 Beyaz glass divisions.
TProject threeGlassDoors(const QString& cabinets) {
    TProject project = entered(QStringLiteral("300"), QStringLiteral("250"), QStringLiteral("246,5"),
                               {QStringLiteral("102,67"), QStringLiteral("102,67"), QStringLiteral("102,67")});
    project.dolapadet = cabinets;
    for (int door = 1; door <= 3; ++door) {
        setDoor(project, door, QStringLiteral("Yatay"), QStringLiteral("2"));
        setDivision(project, door, 1, QStringLiteral("96"), QStringLiteral("60,5"), QStringLiteral("Cam"));
        setDivision(project, door, 2, QStringLiteral("96"), QStringLiteral("60,5"), QStringLiteral("Cam"));
    }
    return project;
}
} // namespace

class TestPanelGlass : public QObject {
    Q_OBJECT
private slots:
    void equalPiecesGroupIntoOneLine_data();
    void equalPiecesGroupIntoOneLine();
    void linesDifferByNameOrByHowASizeIsWritten();
    void splitPartsFollowTheDoorsDirection();
    void kindsAreComparedExactly();
    void panelOnlyProjectHasNoGlass();
    void notANumberStopsTheList();
};

void TestPanelGlass::equalPiecesGroupIntoOneLine_data() {
    QTest::addColumn<QString>("cabinets");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("area");
    QTest::newRow("C = 1") << "1"
                           << "6"
                           << "3,48";
    QTest::newRow("C = 2") << "2"
                           << "12"
                           << "6,97";
}

void TestPanelGlass::equalPiecesGroupIntoOneLine() {
    QFETCH(QString, cabinets);
    QFETCH(QString, count);
    QFETCH(QString, area);
    TProductionSheet sheet;
    BuildPanelGlassList(threeGlassDoors(cabinets), sheet);
    QCOMPARE(sheet.glassLines, QStringList{QStringLiteral("96  X  60,5  -  Beyaz")});
    QCOMPARE(sheet.glassCounts, QStringList{count});
    QCOMPARE(sheet.cam.size(), 6);
    QCOMPARE(sheet.cam.first(), QStringLiteral("5808"));
    QCOMPARE(sheet.glassArea, area); // 6 × 5808 cm² × C
    QCOMPARE(sheet.panelArea, QStringLiteral("0"));
}

void TestPanelGlass::linesDifferByNameOrByHowASizeIsWritten() {
    TProject project = threeGlassDoors(QStringLiteral("1"));
    setDivision(project, 2, 1, QStringLiteral("96"), QStringLiteral("60,50"), QStringLiteral("Cam"));
    setDivision(project, 3, 2, QStringLiteral("96"), QStringLiteral("60,5"), QStringLiteral("Cam"),
                QStringLiteral("Füme"));
    TProductionSheet sheet;
    BuildPanelGlassList(project, sheet);
    QCOMPARE(sheet.glassLines,
             (QStringList{"96  X  60,5  -  Beyaz", "96  X  60,50  -  Beyaz", "96  X  60,5  -  Füme"}));
    QCOMPARE(sheet.glassCounts, (QStringList{"4", "1", "1"}));
}

void TestPanelGlass::splitPartsFollowTheDoorsDirection() {
    TProject project = entered(QStringLiteral("200"), QStringLiteral("200"), QStringLiteral("196,5"),
                               {QStringLiteral("102"), QStringLiteral("102")});
    project.dolapadet = QStringLiteral("3");
    setDoor(project, 1, QStringLiteral("Yatay"), QStringLiteral("1"));
    setDivision(project, 1, 1, QStringLiteral("94"), QStringLiteral("190"), QStringLiteral("Cam"));
    setSplit(project, 1, 1, {"50", "Panel", "Ceviz", "40", "Cam", "Ayna", "0", "Panel", "Ceviz", "1"});
    setDoor(project, 2, QStringLiteral("Dikey"), QStringLiteral("1"));
    setDivision(project, 2, 1, QStringLiteral("94"), QStringLiteral("190"));
    setSplit(project, 2, 1, {"100", "Panel", "Krem", "40", "Panel", "Krem", "48", "Cam", "Ayna", "2"});
    TProductionSheet sheet;
    BuildPanelGlassList(project, sheet);
    QCOMPARE(sheet.panelLines, (QStringList{"50  X  190  -  Ceviz", "94  X  100  -  Krem", "94  X  40  -  Krem"}));
    QCOMPARE(sheet.panelCounts, (QStringList{"3", "3", "3"}));
    QCOMPARE(sheet.glassLines, (QStringList{"40  X  190  -  Ayna", "94  X  48  -  Ayna"}));
    QCOMPARE(sheet.panel, (QStringList{"9500", "9400", "3760"}));
    QCOMPARE(sheet.panelArea, QStringLiteral("6,8")); // 3 × 22660 / 10000 = 6,798
}

void TestPanelGlass::kindsAreComparedExactly() {
    TProject project = threeGlassDoors(QStringLiteral("1"));
    setDivision(project, 1, 1, QStringLiteral("96"), QStringLiteral("60,5"), QStringLiteral("cam"));
    setDivision(project, 1, 2, QStringLiteral("100"), QStringLiteral("50"), QStringLiteral("Panel"));
    TProductionSheet sheet;
    BuildPanelGlassList(project, sheet);
    QCOMPARE(sheet.glassCounts, QStringList{QStringLiteral("4")});
    QCOMPARE(sheet.panelLines, QStringList{QStringLiteral("100  X  50  -  Beyaz")});
    QCOMPARE(sheet.panelArea, QStringLiteral("0,5"));
}

void TestPanelGlass::panelOnlyProjectHasNoGlass() {
    TProject project = entered(QStringLiteral("200"), QStringLiteral("200"), QStringLiteral("196,5"),
                               {QStringLiteral("102"), QStringLiteral("102")});
    project.dolapadet = QStringLiteral("3");
    setDoor(project, 1, QStringLiteral("Yatay"), QStringLiteral("1"));
    setDivision(project, 1, 1, QStringLiteral("100"), QStringLiteral("50"));
    TProductionSheet sheet;
    BuildPanelGlassList(project, sheet);
    QVERIFY(sheet.glassLines.isEmpty());
    QCOMPARE(sheet.glassArea, QStringLiteral("0"));
    QCOMPARE(sheet.panelArea, QStringLiteral("1,5"));
}

void TestPanelGlass::notANumberStopsTheList() {
    TProject project = threeGlassDoors(QStringLiteral("1"));
    setSplit(project, 2, 1, {"50", "Cam", "a", "", "Cam", "a", "0", "Cam", "a", "1"});
    TProductionSheet sheet;
    TScriptedMessages messages;
    QVERIFY(!RunGuarded([&] { BuildPanelGlassList(project, sheet); }));
    QCOMPARE(messages.shown, QStringList{QStringLiteral("'' is not a valid floating point value")});
}

QTEST_GUILESS_MAIN(TestPanelGlass)
#include "tst_panelglass.moc"
