#include "production/PrintComputation.h"
#include "settings/TextListFile.h"
#include "support/TestSupport.h"
#include "support/WindowTestSupport.h"
#include "ui/Unit1.h"
#include "ui/Unit3.h"
#include "ui/Unit5.h"

#include <QAction>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QtTest>

using namespace ProjectBuilder;
using Operator::find;
using Operator::typeOver;

class TestProductionWindows : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void printPreviewChecksTheOpeningSizeFirst();
    void printPreviewFillsThePageAndTheCostQuantities();
    void secondPreviewOpensNoSecondWindow();
    void costTablePricesTheOrder();
    void costTableNeedsADesign();

private:
    void designTwoDoors();
    std::unique_ptr<TRunningProgram> program;
};

void TestProductionWindows::init() {
    program = std::make_unique<TRunningProgram>();
    program->start();
    program->windows->sheetPreview()->setWaitForClose(false);
}

void TestProductionWindows::cleanup() {
    program.reset();
}

void TestProductionWindows::designTwoDoors() {
    TProject designed = entered(QStringLiteral("200"), QStringLiteral("203,5"), QStringLiteral("200"),
                                {QStringLiteral("102"), QStringLiteral("102")});
    for (int door = 1; door <= 2; ++door) {
        setDoor(designed, door, QStringLiteral("Yatay"), QStringLiteral("1"));
        setDivision(designed, door, 1, QStringLiteral("95,7"), QStringLiteral("195"), QStringLiteral("Cam"));
    }
    designed.profileColour = program->session->project.profileColour;
    program->session->project = designed;
    program->form->refresh();
}

void TestProductionWindows::printPreviewChecksTheOpeningSizeFirst() {
    find<QAction>(program->form, "toolPrint")->trigger();
    QCOMPARE(program->messages.shown, QStringList{QStringLiteral("Lütfen  Dolap Eni ve Boyunu Giriniz !")});
    QVERIFY(!program->windows->sheetPreview()->previewDialog());
    QVERIFY(program->session->sheet.profilname.isEmpty());
}

void TestProductionWindows::printPreviewFillsThePageAndTheCostQuantities() {
    designTwoDoors();
    find<QAction>(program->form, "actionPrint")->trigger();
    QVERIFY(program->messages.shown.isEmpty());
    QVERIFY(program->windows->sheetPreview()->previewDialog()->isVisible());
    QCOMPARE(program->windows->sheetPreview()->page().orderName, QStringLiteral("Deneme"));
    QCOMPARE(program->windows->sheetPreview()->page().profileColour, QStringLiteral("Eloksal Gümüş"));
    QCOMPARE(program->session->costTable.quantities[TCostTable::Glass], QStringLiteral("3,73"));
    QCOMPARE(program->session->costTable.quantities[TCostTable::Mechanisms], QStringLiteral("2"));
    program->windows->sheetPreview()->previewDialog()->close();
}

void TestProductionWindows::secondPreviewOpensNoSecondWindow() {
    designTwoDoors();
    find<QAction>(program->form, "actionPrint")->trigger();
    QPrintPreviewDialog* first = program->windows->sheetPreview()->previewDialog();
    program->session->project.orderName = QStringLiteral("İkinci");
    program->form->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), program->form);
    find<QAction>(program->form, "actionPrint")->trigger();
    // The open preview comes to the front.
    QTRY_COMPARE(QApplication::activeWindow(), first);
    QCOMPARE(program->windows->sheetPreview()->previewDialog(), first);
    QCOMPARE(program->windows->sheetPreview()->page().orderName, QStringLiteral("İkinci"));
    int previews = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        previews += window->inherits("QPrintPreviewDialog") && window->isVisible();
    QCOMPARE(previews, 1);
    first->close();
}

void TestProductionWindows::costTablePricesTheOrder() {
    designTwoDoors();
    find<QAction>(program->form, "actionPrint")->trigger();
    program->windows->sheetPreview()->previewDialog()->close();
    find<QAction>(program->form, "actionCost")->trigger();
    TForm5* table = program->windows->costTable();
    QVERIFY(table->isVisible());
    QCOMPARE(table->windowTitle(), QStringLiteral("Maliyet Tablosu"));
    QCOMPARE(find<QLineEdit>(table, "Edit3")->text(), QStringLiteral("3,73"));   // glass m²
    QCOMPARE(find<QLineEdit>(table, "Edit10")->text(), QStringLiteral("60"));    // its unit price
    QCOMPARE(find<QLineEdit>(table, "Edit17")->text(), QStringLiteral("223,8")); // 3,73 × 60
    const QString grand = find<QLineEdit>(table, "Edit22")->text();
    typeOver(find<QLineEdit>(table, "Edit2"), QStringLiteral("10")); // a typed quantity waits
    QCOMPARE(find<QLineEdit>(table, "Edit16")->text(), QStringLiteral("0"));
    QCOMPARE(find<QLineEdit>(table, "Edit22")->text(), grand);
    typeOver(find<QLineEdit>(table, "Edit9"), QStringLiteral("20"));
    QCOMPARE(find<QLineEdit>(table, "Edit16")->text(), QStringLiteral("200"));
    find<QPushButton>(table, "Button1")->click();
    QCOMPARE(TextListFile::read(program->folder.dbFile(QStringLiteral("cost.txt"))),
             (QStringList{"12", "20", "60", "1,5", "0,8", "0,9", "25"}));
}

void TestProductionWindows::costTableNeedsADesign() {
    find<QAction>(program->form, "toolCost")->trigger();
    QCOMPARE(program->messages.shown,
             QStringList{QStringLiteral("Lütfen Ölçülendirme Yapıp Ardından Yazıcı Önizleme Yapınız !")});
    QVERIFY(!program->windows->costTable()->isVisible());
}

QTEST_MAIN(TestProductionWindows)
#include "tst_productionwindows.moc"
