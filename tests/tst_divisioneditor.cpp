#include "design/DivisionEditor.h"
#include "design/DoorDrawing.h"
#include "design/SubDivisionEditor.h"
#include "support/TestSupport.h"

#include <QtTest>

class TestDivisionEditor : public QObject {
    Q_OBJECT
private slots:
    void init();
    void openingWithoutStoredDivisions_data();
    void openingWithoutStoredDivisions();
    void countAndDirectionChangesDiscardTheWorkingValues();
    void araBolmeClearedByTheOperatorDropsTheSplit();
    void okForAllDoorsWritesEveryDoorUpToTheCount();
    void okForOneDoorTouchesOnlyThatDoor();
    void reopeningShowsTheStoredDesignExactly();
    void anyOtherDirectionTextOpensAsDikey();
    void openerRefusesAMissingOpeningSize();
    void newSplitDividesTheDivision_data();
    void newSplitDividesTheDivision();
    void lockingTheOnlyOtherPartIsRefused();
    void lockingPartOneDoesNotRefill();
    void storedSplitIsShownWithoutRecomputing();
    void cancelledSplitLeavesTheTableUnchanged();

private:
    void designThreeYatay(); // the editor for all doors, three divisions, division 2 split
    TProject project;
    TProfileGroup group;
    TDivisionEditor editor;
    TSubDivisionEditor sub;
    std::array<QImage, 7> images;
};

void TestDivisionEditor::init() {
    group = exampleGroup();
    project = TProject();
    project.openingWidth = QStringLiteral("300");
    project.openingHeight = QStringLiteral("253,5");
    project.doorHeight = QStringLiteral("250");
    project.doorCount = QStringLiteral("3");
    for (int door = 1; door <= 3; ++door)
        project.doorWidths[door] = QStringLiteral("100");
    editor = TDivisionEditor();
    sub = TSubDivisionEditor();
    sub.nameChoices = {QStringLiteral("Beyaz"), QStringLiteral("Ceviz")};
    DrawBlankDoors(images);
}

void TestDivisionEditor::designThreeYatay() {
    QVERIFY(RunGuarded([&] { RequestDivisionEditor(editor, project, 0); }));
    OpenDivisionEditor(editor, project, group);
    ChangeDivisionCount(editor, QStringLiteral("3"), group, project.doorHeight);
    editor.rows[1].kind = QStringLiteral("Cam");
    editor.rows[1].name = QStringLiteral("Füme");
    SetAraBolme(editor, 2, true, group, project.doorHeight);
    OpenSubDivisionEditor(sub, editor, 2, group);
    ConfirmSubDivisionEditor(sub, editor, group, project.doorHeight);
}

void TestDivisionEditor::openingWithoutStoredDivisions_data() {
    QTest::addColumn<int>("door");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("count");
    QTest::newRow("all doors") << 0 << "Bütün Kapakların Bölme Ölçülerini Düzenle"
                               << "2";
    QTest::newRow("door 3") << 3 << "3. Kapağın Bölme Ölçülerini Düzenle"
                            << "6";
}

void TestDivisionEditor::openingWithoutStoredDivisions() {
    QFETCH(int, door);
    QFETCH(QString, title);
    QFETCH(QString, count);
    QVERIFY(RunGuarded([&] { RequestDivisionEditor(editor, project, door); }));
    QCOMPARE(project.hangikapak, QString::number(door));
    OpenDivisionEditor(editor, project, group);
    QCOMPARE(editor.title, title);
    QCOMPARE(editor.count, count);
    QCOMPARE(editor.direction, QStringLiteral("Yatay"));
    QCOMPARE(editor.rows[1].width, QStringLiteral("94,5"));
    QVERIFY(editor.rows[1].enabled);
    QCOMPARE(editor.rows[3].enabled, count == QLatin1String("6"));
    QVERIFY(!editor.rows[1].heightLocked);
}

void TestDivisionEditor::countAndDirectionChangesDiscardTheWorkingValues() {
    designThreeYatay();
    QVERIFY(isSplit(editor.splits[2]));
    ChangeDivisionDirection(editor, QStringLiteral("Dikey"), group, project.doorHeight);
    QVERIFY(!isSplit(editor.splits[2]));
    QCOMPARE(editor.rows[1].kind, QStringLiteral("Panel"));
    QCOMPARE(editor.rows[1].name, QString());
    QVERIFY(!editor.rows[2].araBolme);
    QVERIFY(!editor.rows[2].splitButtonEnabled);
    QCOMPARE(editor.rows[1].width, QStringLiteral("29,83"));
    QCOMPARE(editor.preview, DoorDrawing::sketch(3, QStringLiteral("Dikey")));
}

void TestDivisionEditor::araBolmeClearedByTheOperatorDropsTheSplit() {
    designThreeYatay();
    SetAraBolme(editor, 2, false, group, project.doorHeight);
    QVERIFY(!isSplit(editor.splits[2]));
    QVERIFY(!editor.rows[2].splitButtonEnabled);
}

void TestDivisionEditor::okForAllDoorsWritesEveryDoorUpToTheCount() {
    project.cell(5, 1) = QStringLiteral("stale");
    designThreeYatay();
    ConfirmDivisionEditor(editor, project, images);
    QCOMPARE(project.statusText, QStringLiteral("Ölçülendirme Yapıldı , Yazıcıdan Çıktı Alabilirsiniz !"));
    for (int door = 1; door <= 3; ++door) {
        QCOMPARE(project.divisionCount(door), QStringLiteral("3"));
        QCOMPARE(project.direction(door), QStringLiteral("Yatay"));
        QCOMPARE(project.divisionHeight(door, 1), QStringLiteral("79,5"));
        QCOMPARE(project.divisionKind(door, 1), QStringLiteral("Cam"));
        QCOMPARE(project.divisionName(door, 1), QStringLiteral("Füme"));
        QCOMPARE(project.divisionKind(door, 6), QStringLiteral("Panel")); // rows beyond the count too
        QCOMPARE(project.divisionWidth(door, 6), QString());
    }
    QCOMPARE(project.cell(5, 1), QString());
    for (int door = 1; door <= 6; ++door) {
        QCOMPARE(images[door], editor.preview);
        QCOMPARE(project.splitTable(door)[2][1], QStringLiteral("29,83"));
    }
}

void TestDivisionEditor::okForOneDoorTouchesOnlyThatDoor() {
    designThreeYatay();
    ConfirmDivisionEditor(editor, project, images);
    const QImage allDoors = images[1];
    QVERIFY(RunGuarded([&] { RequestDivisionEditor(editor, project, 2); }));
    OpenDivisionEditor(editor, project, group);
    ChangeDivisionCount(editor, QStringLiteral("2"), group, project.doorHeight);
    ChangeDivisionDirection(editor, QStringLiteral("Dikey"), group, project.doorHeight);
    ConfirmDivisionEditor(editor, project, images);
    QCOMPARE(project.direction(2), QStringLiteral("Dikey"));
    QCOMPARE(project.divisionWidth(2, 1), QStringLiteral("46"));
    QCOMPARE(project.direction(1), QStringLiteral("Yatay"));
    QCOMPARE(project.direction(3), QStringLiteral("Yatay"));
    QVERIFY(!isSplit(project.splitTable(2)[2]));
    QVERIFY(isSplit(project.splitTable(1)[2]));
    QCOMPARE(images[1], allDoors);
    QCOMPARE(images[3], allDoors);
    QVERIFY(images[2] != allDoors);
}

void TestDivisionEditor::reopeningShowsTheStoredDesignExactly() {
    designThreeYatay();
    editor.rows[3].height = QStringLiteral("70,5"); // stored as shown, even if not a fill result
    ConfirmDivisionEditor(editor, project, images);
    TDivisionEditor reopened;
    QVERIFY(RunGuarded([&] { RequestDivisionEditor(reopened, project, 1); }));
    OpenDivisionEditor(reopened, project, group);
    QCOMPARE(reopened.title, QStringLiteral("1. Kapağın Bölme Ölçülerini Düzenle"));
    QCOMPARE(reopened.count, QStringLiteral("3"));
    QCOMPARE(reopened.direction, QStringLiteral("Yatay"));
    for (int division = 1; division <= 6; ++division) {
        QCOMPARE(reopened.rows[division].width, project.divisionWidth(1, division));
        QCOMPARE(reopened.rows[division].height, project.divisionHeight(1, division));
        QCOMPARE(reopened.rows[division].kind, project.divisionKind(1, division));
        QCOMPARE(reopened.rows[division].name, project.divisionName(1, division));
        QCOMPARE(reopened.rows[division].araBolme, division == 2);
        QVERIFY(!reopened.rows[division].heightLocked);
    }
    QCOMPARE(reopened.splits, project.splitTable(1));
    QVERIFY(reopened.rows[2].splitButtonEnabled);
    QCOMPARE(reopened.preview, images[1]);
}

void TestDivisionEditor::anyOtherDirectionTextOpensAsDikey() {
    project.cell(1, TProject::widthColumn(1)) = QStringLiteral("46");
    project.cell(1, TProject::widthColumn(2)) = QStringLiteral("46");
    project.cell(1, TProject::heightColumn(1)) = QStringLiteral("243,5");
    project.cell(1, TProject::heightColumn(2)) = QStringLiteral("243,5");
    project.cell(1, TProject::kindColumn(1)) = QStringLiteral("cam");
    project.cell(1, TProject::CountColumn) = QStringLiteral("2");
    project.cell(1, TProject::DirectionColumn) = QStringLiteral("yatay");
    QVERIFY(RunGuarded([&] { RequestDivisionEditor(editor, project, 1); }));
    OpenDivisionEditor(editor, project, group);
    QCOMPARE(editor.direction, QStringLiteral("Dikey"));
    QCOMPARE(editor.rows[1].kind, QStringLiteral("Cam"));
    QCOMPARE(editor.rows[1].width, QStringLiteral("46"));
}

void TestDivisionEditor::openerRefusesAMissingOpeningSize() {
    project.openingHeight.clear();
    TScriptedMessages messages;
    QVERIFY(!RunGuarded([&] { RequestDivisionEditor(editor, project, 0); }));
    QCOMPARE(messages.shown, QStringList{QStringLiteral("Lütfen  Dolap Eni ve Boyunu Giriniz !")});
    QCOMPARE(project.hangikapak, QString());
}

void TestDivisionEditor::newSplitDividesTheDivision_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<QStringList>("sizes");
    QTest::addColumn<QString>("bs");
    QTest::newRow("three parts") << "3" << QStringList{"28,33", "28,33", "28,33"} << "2";
    QTest::newRow("two parts") << "2" << QStringList{"43,75", "43,75", "0"} << "1";
}

void TestDivisionEditor::newSplitDividesTheDivision() {
    QFETCH(QString, count);
    QFETCH(QStringList, sizes);
    QFETCH(QString, bs);
    // A division 90 wide in a "Yatay" door, mhor 2 and incover 0,5.
    editor.kapakeni = QStringLiteral("95,5");
    ChangeDivisionCount(editor, QStringLiteral("1"), group, project.doorHeight);
    QCOMPARE(editor.rows[1].width, QStringLiteral("90"));
    OpenSubDivisionEditor(sub, editor, 1, group);
    QCOMPARE(sub.title, QStringLiteral("1. Bölme Ara Bölmesini Düzenle."));
    QCOMPARE(sub.bolmeolcu, QStringLiteral("90"));
    QCOMPARE(sub.count, QStringLiteral("3"));
    QCOMPARE(sub.parts[1].name, QStringLiteral("Beyaz"));
    ChangeSubDivisionCount(sub, count, group, editor.direction);
    QCOMPARE(sub.bolmeadet, bs);
    ConfirmSubDivisionEditor(sub, editor, group, project.doorHeight);
    const TSplitRow& row = editor.splits[1];
    QCOMPARE((QStringList{row[1], row[4], row[7]}), sizes);
    QCOMPARE(row[10], bs);
    QCOMPARE(row[8], QStringLiteral("Panel")); // part 3's kind and name are written with two parts too
    QCOMPARE(row[9], QStringLiteral("Beyaz"));
}

void TestDivisionEditor::lockingTheOnlyOtherPartIsRefused() {
    editor.rows[1].width = QStringLiteral("90");
    OpenSubDivisionEditor(sub, editor, 1, group);
    ChangeSubDivisionCount(sub, QStringLiteral("2"), group, editor.direction);
    QVERIFY(ToggleSubDivisionLock(sub, 2, true, group, editor.direction));
    QVERIFY(!ToggleSubDivisionLock(sub, 1, true, group, editor.direction));
    QVERIFY(sub.parts[1].readOnly);
}

void TestDivisionEditor::lockingPartOneDoesNotRefill() {
    editor.rows[1].width = QStringLiteral("90");
    OpenSubDivisionEditor(sub, editor, 1, group);
    QVERIFY(ToggleSubDivisionLock(sub, 1, true, group, editor.direction));
    EditSubDivisionSize(sub, 1, QStringLiteral("40"), group, editor.direction);
    QCOMPARE(sub.parts[2].size, QStringLiteral("22,5"));
    QVERIFY(ToggleSubDivisionLock(sub, 2, true, group, editor.direction)); // locking part 2 refills
    EditSubDivisionSize(sub, 2, QStringLiteral("20"), group, editor.direction);
    QCOMPARE(sub.parts[3].size, QStringLiteral("25"));
    ToggleSubDivisionLock(sub, 1, false, group, editor.direction);
    QCOMPARE(sub.parts[1].size, QStringLiteral("32,5"));
    QCOMPARE(sub.parts[3].size, QStringLiteral("32,5"));
    // Locking part 1 again leaves the other sizes as they were.
    EditSubDivisionSize(sub, 2, QStringLiteral("10"), group, editor.direction);
    QCOMPARE(sub.parts[1].size, QStringLiteral("37,5"));
    QVERIFY(ToggleSubDivisionLock(sub, 1, true, group, editor.direction));
    QCOMPARE(sub.parts[3].size, QStringLiteral("37,5"));
}

void TestDivisionEditor::storedSplitIsShownWithoutRecomputing() {
    editor.direction = QStringLiteral("Dikey");
    editor.rows[1].height = QStringLiteral("240");
    editor.splits[1] = {QString(),
                        QStringLiteral("100"),
                        QStringLiteral("Cam"),
                        QStringLiteral("Ayna"),
                        QStringLiteral("77"),
                        QStringLiteral("Panel"),
                        QStringLiteral("Ceviz"),
                        QStringLiteral("0"),
                        QStringLiteral("Panel"),
                        QStringLiteral("Beyaz"),
                        QStringLiteral("1")};
    OpenSubDivisionEditor(sub, editor, 1, group);
    QCOMPARE(sub.count, QStringLiteral("2"));
    QCOMPARE(sub.bolmeadet, QStringLiteral("1"));
    QCOMPARE(sub.parts[1].size, QStringLiteral("100"));
    QCOMPARE(sub.parts[2].size, QStringLiteral("77"));
    QCOMPARE(sub.parts[1].kind, QStringLiteral("Cam"));
    QCOMPARE(sub.parts[2].name, QStringLiteral("Ceviz"));
    QCOMPARE(sub.degisiklik, QStringLiteral("0"));
    ToggleSubDivisionLock(sub, 1, true, group, editor.direction);
    ToggleSubDivisionLock(sub, 1, false, group, editor.direction); // the next change recomputes
    QCOMPARE(sub.parts[2].size, QStringLiteral("118,75"));
}

void TestDivisionEditor::cancelledSplitLeavesTheTableUnchanged() {
    designThreeYatay();
    const TSplitTable before = editor.splits;
    const QImage preview = editor.preview;
    OpenSubDivisionEditor(sub, editor, 2, group);
    ChangeSubDivisionCount(sub, QStringLiteral("2"), group, editor.direction);
    // Cancel closes the window and writes nothing.
    QCOMPARE(editor.splits, before);
    QCOMPARE(editor.preview, preview);
}

QTEST_GUILESS_MAIN(TestDivisionEditor)
#include "tst_divisioneditor.moc"
