#include "production/ProductionSheet.h"
#include "production/ProfileList.h"
#include "support/TestSupport.h"

#include <QtTest>

using namespace ProjectBuilder;

class TestProfileList : public QObject {
    Q_OBJECT
private slots:
    void topProfileLength_data();
    void topProfileLength();
    void equalDoorsGiveOneTopAndOneBottomLine();
    void differentWidthsKeepTheirFirstOrder();
    void singleDivisionYatayDoorAddsACountOfZero();
    void dikeyMiddleProfileCutsAt7Point3AndCountsAt8();
    void splitDivisionsBookByTheDoorsDirection();
    void countsAreWrittenAsPlainWholeNumbers();
    void emptyProjectGivesTheFixedLinesOnly();
    void mergeAddsToAnExactlyEqualLine();
    void letterInASizeStopsWithTheConversionMessage();

private:
    TProfileGroup group = defaultGroup();
};

void TestProfileList::topProfileLength_data() {
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("outside");
    QTest::addColumn<QString>("line");
    QTest::newRow("100, 1,5") << "100"
                              << "1,5"
                              << "97 cm Üst Profil";
    QTest::newRow("120,3, 0,65") << "120,3"
                                 << "0,65"
                                 << "119 cm Üst Profil";
    QTest::newRow("100, 0,8") << "100"
                              << "0,8"
                              << "98,4 cm Üst Profil";
    QTest::newRow("102,67, 4") << "102,67"
                               << "4"
                               << "94,67 cm Üst Profil";
}

void TestProfileList::topProfileLength() {
    QFETCH(QString, width);
    QFETCH(QString, outside);
    QFETCH(QString, line);
    TProject project = entered(QStringLiteral("200"), QStringLiteral("200"), QStringLiteral("196,5"), {width, width});
    group.setText(TProfileGroup::outside, outside);
    TProductionSheet sheet;
    BuildProfileList(project, group, sheet);
    QCOMPARE(sheet.profilname.at(3), line);
    QCOMPARE(sheet.profiladet.at(3), QStringLiteral("2"));
}

void TestProfileList::equalDoorsGiveOneTopAndOneBottomLine() {
    TProject project = entered(QStringLiteral("300"), QStringLiteral("250"), QStringLiteral("246,5"),
                               {QStringLiteral("102,67"), QStringLiteral("102,67"), QStringLiteral("102,67")});
    project.dolapadet = QStringLiteral("2");
    TProductionSheet sheet;
    BuildProfileList(project, group, sheet);
    QCOMPARE(sheet.profilname, (QStringList{"300 cm Üst Ray", "300 cm Alt Ray", "246,5 cm Yan Profil",
                                            "94,67 cm Üst Profil", "94,67 cm Alt Profil"}));
    QCOMPARE(sheet.profiladet, (QStringList{"2", "2", "12", "6", "6"}));
}

void TestProfileList::differentWidthsKeepTheirFirstOrder() {
    TProject project = entered(QStringLiteral("300"), QStringLiteral("250"), QStringLiteral("246,5"),
                               {QStringLiteral("120"), QStringLiteral("94"), QStringLiteral("120")});
    TProductionSheet sheet;
    BuildProfileList(project, group, sheet);
    QCOMPARE(sheet.profilname.mid(3),
             (QStringList{"112 cm Üst Profil", "86 cm Üst Profil", "112 cm Alt Profil", "86 cm Alt Profil"}));
    QCOMPARE(sheet.profiladet.mid(3), (QStringList{"2", "1", "2", "1"}));
}

void TestProfileList::singleDivisionYatayDoorAddsACountOfZero() {
    TProject project = entered(QStringLiteral("200"), QStringLiteral("200"), QStringLiteral("196,5"),
                               {QStringLiteral("102"), QStringLiteral("102")});
    setDoor(project, 1, QStringLiteral("Yatay"), QStringLiteral("1"));
    setDoor(project, 2, QStringLiteral("Yatay"), QStringLiteral("3"));
    TProductionSheet sheet;
    BuildProfileList(project, group, sheet);
    QCOMPARE(sheet.profilname.last(), QStringLiteral("94 cm Yatay Orta Profil"));
    QCOMPARE(sheet.profiladet.last(), QStringLiteral("2"));
    QCOMPARE(sheet.HL, 188.0);
    QCOMPARE(sheet.HC, 2.0);
}

void TestProfileList::dikeyMiddleProfileCutsAt7Point3AndCountsAt8() {
    TProject project = entered(QStringLiteral("200"), QStringLiteral("203,5"), QStringLiteral("200"),
                               {QStringLiteral("102"), QStringLiteral("102")});
    setDoor(project, 1, QStringLiteral("Dikey"), QStringLiteral("2"));
    TProductionSheet sheet;
    BuildProfileList(project, group, sheet);
    QCOMPARE(sheet.profilname.last(), QStringLiteral("192,7 cm Dikey Orta Profil"));
    QCOMPARE(sheet.profiladet.last(), QStringLiteral("1"));
    QCOMPARE(sheet.VL, 192.0);
    QCOMPARE(sheet.VC, 1.0);
}

void TestProfileList::splitDivisionsBookByTheDoorsDirection() {
    TProject project = entered(QStringLiteral("200"), QStringLiteral("203,5"), QStringLiteral("200"),
                               {QStringLiteral("102"), QStringLiteral("102")});
    project.dolapadet = QStringLiteral("2");
    // Door 1 "Yatay": division 2 (height 90) in three parts; door 2 "Dikey": division 1 (width 45) in two.
    setDoor(project, 1, QStringLiteral("Yatay"), QStringLiteral("2"));
    setDivision(project, 1, 1, QStringLiteral("94,7"), QStringLiteral("100"));
    setDivision(project, 1, 2, QStringLiteral("94,7"), QStringLiteral("90"));
    setSplit(project, 1, 2, {"30", "Panel", "a", "30", "Panel", "a", "29", "Panel", "a", "2"});
    setDoor(project, 2, QStringLiteral("Dikey"), QStringLiteral("2"));
    setDivision(project, 2, 1, QStringLiteral("45"), QStringLiteral("190"));
    setDivision(project, 2, 2, QStringLiteral("45"), QStringLiteral("190"));
    setSplit(project, 2, 1, {"90", "Cam", "b", "99", "Cam", "b", "0", "Cam", "b", "1"});
    TProductionSheet sheet;
    BuildProfileList(project, group, sheet);
    // group defaults: mhor 0,7, mver 0,7, incover 0,3
    QCOMPARE(sheet.profilname.mid(5), (QStringList{"94 cm Yatay Orta Profil", "192,7 cm Dikey Orta Profil",
                                                   "89 cm Dikey Orta Profil", "44 cm Yatay Orta Profil"}));
    QCOMPARE(sheet.profiladet.mid(5), (QStringList{"2", "2", "4", "2"}));
    QCOMPARE(sheet.HL, 94.0 + 89.0);
    QCOMPARE(sheet.HC, 1.0 + 2.0);
    QCOMPARE(sheet.VL, 192.0 + 44.0);
    QCOMPARE(sheet.VC, 1.0 + 1.0);
}

void TestProfileList::countsAreWrittenAsPlainWholeNumbers() {
    TProject project = entered(QStringLiteral("200"), QStringLiteral("200"), QStringLiteral("196,5"),
                               {QStringLiteral("102"), QStringLiteral("102")});
    project.dolapadet = QStringLiteral("01");
    TProductionSheet sheet;
    BuildProfileList(project, group, sheet);
    QCOMPARE(sheet.profiladet.mid(0, 3), (QStringList{"1", "1", "4"}));
}

void TestProfileList::emptyProjectGivesTheFixedLinesOnly() {
    TProject project; // fresh start: six door slots, all "0"
    project.doorWidths[2] = QStringLiteral("50");
    project.openingWidth = QStringLiteral("200");
    project.doorHeight = QStringLiteral("196,5");
    project.doorWidths[1] = QStringLiteral("50");
    TProductionSheet sheet;
    BuildProfileList(project, group, sheet);
    QCOMPARE(sheet.profilname, (QStringList{"200 cm Üst Ray", "200 cm Alt Ray", "196,5 cm Yan Profil",
                                            "42 cm Üst Profil", "42 cm Alt Profil"}));
    QCOMPARE(sheet.profiladet, (QStringList{"1", "1", "12", "2", "2"}));
}

void TestProfileList::mergeAddsToAnExactlyEqualLine() {
    TProductionSheet sheet;
    MergeProfileLine(sheet, QStringLiteral("10 cm Üst Profil"), QStringLiteral("2"));
    MergeProfileLine(sheet, QStringLiteral("10 cm üst Profil"), QStringLiteral("1"));
    MergeProfileLine(sheet, QStringLiteral("10 cm Üst Profil"), QStringLiteral("3"));
    QCOMPARE(sheet.profilname, (QStringList{"10 cm Üst Profil", "10 cm üst Profil"}));
    QCOMPARE(sheet.profiladet, (QStringList{"5", "1"}));
}

void TestProfileList::letterInASizeStopsWithTheConversionMessage() {
    TProject project = entered(QStringLiteral("200"), QStringLiteral("200"), QStringLiteral("196,5"),
                               {QStringLiteral("102"), QStringLiteral("1O2")});
    TProductionSheet sheet;
    TScriptedMessages messages;
    QVERIFY(!RunGuarded([&] { BuildProfileList(project, group, sheet); }));
    QCOMPARE(messages.shown, QStringList{QStringLiteral("'1O2' is not a valid floating point value")});
    QCOMPARE(sheet.profilname.size(), 4); // what was built before stays
}

QTEST_GUILESS_MAIN(TestProfileList)
#include "tst_profilelist.moc"
