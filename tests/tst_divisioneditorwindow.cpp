#include "design/DoorDrawing.h"
#include "support/TestSupport.h"
#include "support/WindowTestSupport.h"
#include "ui/Unit1.h"
#include "ui/Unit10.h"
#include "ui/Unit2.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using Operator::choose;
using Operator::find;
using Operator::typeOver;

namespace {
QImage shown(QLabel* label) {
    return label->pixmap().toImage().convertToFormat(QImage::Format_RGB888);
}
} // namespace

class TestDivisionEditorWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void countAndDirectionChangesDiscardTheWorkingValues();
    void refusedLockClearsAtOnceAndTypingRefills();
    void splitThroughTheSubDivisionWindow();
    void okShowsTheDesignOnEveryDoor();
    void reopeningADoorShowsItsStoredDesign();
    void cancelLeavesProjectAndPicturesUnchanged();
    void secondRequestKeepsTheDesignInProgress();

private:
    QLineEdit* edit(const char* name) { return find<QLineEdit>(program->windows->divisionEditor(), name); }
    QCheckBox* box(const char* name) { return find<QCheckBox>(program->windows->divisionEditor(), name); }
    void openAllDoors();
    std::unique_ptr<TRunningProgram> program;
};

void TestDivisionEditorWindow::init() {
    program = std::make_unique<TRunningProgram>();
    program->start();
    // An entered order of three doors 100 wide and 250 high, with the worked example's profile values.
    TProject& project = program->session->project;
    project.orderName = QStringLiteral("Örnek");
    project.openingWidth = QStringLiteral("292");
    project.openingHeight = QStringLiteral("253,5");
    project.doorHeight = QStringLiteral("250");
    project.doorCount = QStringLiteral("3");
    for (int door = 1; door <= 3; ++door)
        project.doorWidths[door] = QStringLiteral("100");
    program->session->activeGroup = exampleGroup();
    program->form->refresh();
}

void TestDivisionEditorWindow::cleanup() {
    program.reset();
}

void TestDivisionEditorWindow::openAllDoors() {
    find<QAction>(program->form, "toolMeasure")->trigger();
    QVERIFY(program->windows->divisionEditor()->isVisible());
}

void TestDivisionEditorWindow::countAndDirectionChangesDiscardTheWorkingValues() {
    openAllDoors();
    QCOMPARE(program->windows->divisionEditor()->windowTitle(), QStringLiteral("Bütün Kapakların Bölme Ölçülerini Düzenle"));
    choose(find<QComboBox>(program->windows->divisionEditor(), "ComboBox1"), QStringLiteral("3"));
    QCOMPARE(edit("boy1")->text(), QStringLiteral("79,5"));
    QCOMPARE(edit("en2")->text(), QStringLiteral("94,5"));
    QVERIFY(!find<QGroupBox>(program->windows->divisionEditor(), "GroupBox4")->isEnabled());
    choose(find<QComboBox>(program->windows->divisionEditor(), "cins1"), QStringLiteral("Cam"));
    find<QComboBox>(program->windows->divisionEditor(), "ad1")->setEditText(QStringLiteral("Füme"));
    box("boykilit1")->click();
    choose(find<QComboBox>(program->windows->divisionEditor(), "yataydikey"), QStringLiteral("Dikey"));
    QCOMPARE(find<QComboBox>(program->windows->divisionEditor(), "cins1")->currentText(), QStringLiteral("Panel"));
    QCOMPARE(find<QComboBox>(program->windows->divisionEditor(), "ad1")->currentText(), QString());
    QVERIFY(!box("boykilit1")->isChecked());
    QVERIFY(!box("boykilit1")->isEnabled());
    QVERIFY(box("enkilit1")->isEnabled());
    QCOMPARE(edit("en1")->text(), QStringLiteral("29,83"));
    QCOMPARE(shown(find<QLabel>(program->windows->divisionEditor(), "Image1")), DoorDrawing::sketch(3, QStringLiteral("Dikey")));
}

void TestDivisionEditorWindow::refusedLockClearsAtOnceAndTypingRefills() {
    openAllDoors();
    choose(find<QComboBox>(program->windows->divisionEditor(), "yataydikey"), QStringLiteral("Dikey"));
    box("enkilit1")->click();
    QVERIFY(!edit("en1")->isReadOnly());
    box("enkilit2")->click(); // the last unlocked width
    QVERIFY(!box("enkilit2")->isChecked());
    QVERIFY(edit("en2")->isReadOnly());
    const QImage before = shown(find<QLabel>(program->windows->divisionEditor(), "Image1"));
    edit("en1")->setFocus();
    edit("en1")->selectAll();
    QTest::keyClick(edit("en1"), Qt::Key_Backspace); // empty: no fill
    QCOMPARE(edit("en2")->text(), QStringLiteral("46"));
    QTest::keyClicks(edit("en1"), QStringLiteral("3"));
    QCOMPARE(edit("en2")->text(), QStringLiteral("89"));
    QTest::keyClicks(edit("en1"), QStringLiteral("0"));
    QCOMPARE(edit("en2")->text(), QStringLiteral("62"));
    const QImage after = shown(find<QLabel>(program->windows->divisionEditor(), "Image1"));
    QVERIFY(after != before);
    // divider at round(30 × 120 / 94,5) = 38
    QCOMPARE(after.pixelColor(39, 200), DoorDrawing::stockVerticalBar().pixelColor(1, 200));
}

void TestDivisionEditorWindow::splitThroughTheSubDivisionWindow() {
    openAllDoors();
    choose(find<QComboBox>(program->windows->divisionEditor(), "ComboBox1"), QStringLiteral("3"));
    box("ara2")->click();
    auto* splitButton = find<QPushButton>(program->windows->divisionEditor(), "arabuton2");
    QVERIFY(splitButton->isEnabled());
    splitButton->click();
    TForm10* sub = program->windows->subDivisionEditor();
    QVERIFY(sub->isVisible());
    QCOMPARE(sub->windowTitle(), QStringLiteral("2. Bölme Ara Bölmesini Düzenle."));
    QCOMPARE(find<QLineEdit>(sub, "bolmeolcu")->text(), QStringLiteral("94,5"));
    QCOMPARE(find<QLineEdit>(sub, "olcu1")->text(), QStringLiteral("29,83"));
    choose(find<QComboBox>(sub, "arabolmesayi"), QStringLiteral("2"));
    QCOMPARE(find<QLineEdit>(sub, "olcu1")->text(), QStringLiteral("46"));
    QVERIFY(!find<QComboBox>(sub, "cins3")->isEnabled());
    find<QCheckBox>(sub, "kilit2")->click();
    typeOver(find<QLineEdit>(sub, "olcu2"), QStringLiteral("30"));
    QCOMPARE(find<QLineEdit>(sub, "olcu1")->text(), QStringLiteral("62"));
    find<QCheckBox>(sub, "kilit1")->click(); // the only other part
    QVERIFY(!find<QCheckBox>(sub, "kilit1")->isChecked());
    choose(find<QComboBox>(sub, "cins1"), QStringLiteral("Cam"));
    find<QPushButton>(sub, "SpeedButton1")->click();
    QVERIFY(!sub->isVisible());
    const TSplitRow& row = program->session->divisionEditor.splits[2];
    QCOMPARE((QStringList{row[1], row[2], row[4], row[7], row[10]}), (QStringList{"62", "Cam", "30", "0", "1"}));
    // split bar of division 2 (rows 131 to 262) at round(62 × 120 / 94,5) = 79
    const QImage preview = shown(find<QLabel>(program->windows->divisionEditor(), "Image1"));
    QCOMPARE(preview.pixelColor(80, 200), DoorDrawing::stockVerticalBar().pixelColor(1, 200));
    QCOMPARE(preview.pixelColor(80, 100), QColor(211, 220, 233));
    // clearing "Ara Bölme" drops the split and redraws
    box("ara2")->click();
    QVERIFY(!isSplit(program->session->divisionEditor.splits[2]));
    QVERIFY(!splitButton->isEnabled());
}

void TestDivisionEditorWindow::okShowsTheDesignOnEveryDoor() {
    openAllDoors();
    choose(find<QComboBox>(program->windows->divisionEditor(), "ComboBox1"), QStringLiteral("2"));
    const QImage preview = shown(find<QLabel>(program->windows->divisionEditor(), "Image1"));
    find<QPushButton>(program->windows->divisionEditor(), "SpeedButton1")->click();
    QVERIFY(!program->windows->divisionEditor()->isVisible());
    QCOMPARE(find<QLabel>(program->form, "StatusPanel2")->text(),
             QStringLiteral("Ölçülendirme Yapıldı , Yazıcıdan Çıktı Alabilirsiniz !"));
    for (int door = 1; door <= 6; ++door)
        QCOMPARE(shown(find<QLabel>(program->form, qPrintable(QStringLiteral("Image%1").arg(door)))), preview);
    QCOMPARE(program->session->project.divisionHeight(3, 1), QStringLiteral("120,5"));
    QCOMPARE(program->session->project.divisionCount(4), QString());
}

void TestDivisionEditorWindow::reopeningADoorShowsItsStoredDesign() {
    program->session->project.doorsEqual = false;
    program->form->refresh();
    QTest::mouseDClick(find<QLabel>(program->form, "Image2"), Qt::LeftButton);
    QCOMPARE(find<QComboBox>(program->windows->divisionEditor(), "ComboBox1")->currentText(), QStringLiteral("6"));
    choose(find<QComboBox>(program->windows->divisionEditor(), "ComboBox1"), QStringLiteral("2"));
    choose(find<QComboBox>(program->windows->divisionEditor(), "yataydikey"), QStringLiteral("Dikey"));
    box("enkilit1")->click();
    typeOver(edit("en1"), QStringLiteral("40"));
    choose(find<QComboBox>(program->windows->divisionEditor(), "cins2"), QStringLiteral("Cam"));
    find<QComboBox>(program->windows->divisionEditor(), "ad2")->setEditText(QStringLiteral("Ayna"));
    find<QPushButton>(program->windows->divisionEditor(), "SpeedButton1")->click();
    const QImage stored = shown(find<QLabel>(program->form, "Image2"));

    QTest::mouseDClick(find<QLabel>(program->form, "Image2"), Qt::LeftButton);
    QCOMPARE(program->windows->divisionEditor()->windowTitle(), QStringLiteral("2. Kapağın Bölme Ölçülerini Düzenle"));
    QCOMPARE(find<QComboBox>(program->windows->divisionEditor(), "ComboBox1")->currentText(), QStringLiteral("2"));
    QCOMPARE(find<QComboBox>(program->windows->divisionEditor(), "yataydikey")->currentText(), QStringLiteral("Dikey"));
    QCOMPARE(edit("en1")->text(), QStringLiteral("40"));
    QCOMPARE(edit("en2")->text(), QStringLiteral("52"));
    QCOMPARE(find<QComboBox>(program->windows->divisionEditor(), "cins2")->currentText(), QStringLiteral("Cam"));
    QCOMPARE(find<QComboBox>(program->windows->divisionEditor(), "ad2")->currentText(), QStringLiteral("Ayna"));
    QVERIFY(!box("enkilit1")->isChecked());
    QCOMPARE(shown(find<QLabel>(program->windows->divisionEditor(), "Image1")), stored);
    QCOMPARE(shown(find<QLabel>(program->form, "Image1")), DoorDrawing::blankDoor());
}

void TestDivisionEditorWindow::cancelLeavesProjectAndPicturesUnchanged() {
    openAllDoors();
    choose(find<QComboBox>(program->windows->divisionEditor(), "ComboBox1"), QStringLiteral("4"));
    find<QPushButton>(program->windows->divisionEditor(), "SpeedButton2")->click();
    QVERIFY(!program->windows->divisionEditor()->isVisible());
    QCOMPARE(program->session->project.divisionCount(1), QString());
    QCOMPARE(shown(find<QLabel>(program->form, "Image1")), DoorDrawing::blankDoor());
    QCOMPARE(program->session->project.statusText, QStringLiteral("Henüz Hiçbir İşlem Yapmadınız !"));
}

void TestDivisionEditorWindow::secondRequestKeepsTheDesignInProgress() {
    program->session->project.doorsEqual = false;
    program->session->project.doorWidths[3] = QStringLiteral("80");
    program->form->refresh();
    QTest::mouseDClick(find<QLabel>(program->form, "Image2"), Qt::LeftButton);
    choose(find<QComboBox>(program->windows->divisionEditor(), "ComboBox1"), QStringLiteral("2"));
    QTest::mouseDClick(find<QLabel>(program->form, "Image3"), Qt::LeftButton);
    QCOMPARE(program->windows->divisionEditor()->windowTitle(), QStringLiteral("2. Kapağın Bölme Ölçülerini Düzenle"));
    QCOMPARE(find<QComboBox>(program->windows->divisionEditor(), "ComboBox1")->currentText(), QStringLiteral("2"));
    QCOMPARE(program->session->divisionEditor.kapakeni, QStringLiteral("100"));
    find<QPushButton>(program->windows->divisionEditor(), "SpeedButton1")->click();
    QCOMPARE(program->session->project.divisionCount(2), QStringLiteral("2"));
    QCOMPARE(program->session->project.divisionCount(3), QString());
}

QTEST_MAIN(TestDivisionEditorWindow)
#include "tst_divisioneditorwindow.moc"
