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
    std::unique_ptr<TTestFolder> folder;
    std::unique_ptr<TSession> session;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TScriptedMessages> messages;
};

void TestProductionWindows::init() {
    messages = std::make_unique<TScriptedMessages>();
    folder = std::make_unique<TTestFolder>();
    session = folder->makeSession();
    form = std::make_unique<TForm1>(*session);
    form->show();
    form->form3()->setWaitForClose(false);
}

void TestProductionWindows::cleanup() {
    form.reset();
    session.reset();
    messages.reset();
    folder.reset();
}

void TestProductionWindows::designTwoDoors() {
    TProject designed = entered(QStringLiteral("200"), QStringLiteral("203,5"), QStringLiteral("200"),
                                {QStringLiteral("102"), QStringLiteral("102")});
    for (int door = 1; door <= 2; ++door) {
        setDoor(designed, door, QStringLiteral("Yatay"), QStringLiteral("1"));
        setDivision(designed, door, 1, QStringLiteral("95,7"), QStringLiteral("195"), QStringLiteral("Cam"));
    }
    designed.profileColour = session->project.profileColour;
    session->project = designed;
    form->refresh();
}

void TestProductionWindows::printPreviewChecksTheOpeningSizeFirst() {
    find<QAction>(form.get(), "toolPrint")->trigger();
    QCOMPARE(messages->shown, QStringList{QStringLiteral("Lütfen  Dolap Eni ve Boyunu Giriniz !")});
    QVERIFY(!form->form3()->previewDialog());
    QVERIFY(session->sheet.profilname.isEmpty());
}

void TestProductionWindows::printPreviewFillsThePageAndTheCostQuantities() {
    designTwoDoors();
    find<QAction>(form.get(), "actionPrint")->trigger();
    QVERIFY(messages->shown.isEmpty());
    QVERIFY(form->form3()->previewDialog()->isVisible());
    QCOMPARE(form->form3()->page().orderName, QStringLiteral("Deneme"));
    QCOMPARE(form->form3()->page().profileColour, QStringLiteral("Eloksal Gümüş"));
    QCOMPARE(session->costTable.quantities[TCostTable::Glass], QStringLiteral("3,73"));
    QCOMPARE(session->costTable.quantities[TCostTable::Mechanisms], QStringLiteral("2"));
    form->form3()->previewDialog()->close();
}

void TestProductionWindows::secondPreviewOpensNoSecondWindow() {
    designTwoDoors();
    find<QAction>(form.get(), "actionPrint")->trigger();
    QPrintPreviewDialog* first = form->form3()->previewDialog();
    session->project.orderName = QStringLiteral("İkinci");
    find<QAction>(form.get(), "actionPrint")->trigger();
    QCOMPARE(form->form3()->previewDialog(), first);
    QCOMPARE(form->form3()->page().orderName, QStringLiteral("İkinci"));
    int previews = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        previews += window->inherits("QPrintPreviewDialog") && window->isVisible();
    QCOMPARE(previews, 1);
    first->close();
}

void TestProductionWindows::costTablePricesTheOrder() {
    designTwoDoors();
    find<QAction>(form.get(), "actionPrint")->trigger();
    form->form3()->previewDialog()->close();
    find<QAction>(form.get(), "actionCost")->trigger();
    TForm5* table = form->form5();
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
    QCOMPARE(TextListFile::read(folder->dbFile(QStringLiteral("cost.txt"))),
             (QStringList{"12", "20", "60", "1,5", "0,8", "0,9", "25"}));
}

void TestProductionWindows::costTableNeedsADesign() {
    find<QAction>(form.get(), "toolCost")->trigger();
    QCOMPARE(messages->shown,
             QStringList{QStringLiteral("Lütfen Ölçülendirme Yapıp Ardından Yazıcı Önizleme Yapınız !")});
    QVERIFY(!form->form5()->isVisible());
}

QTEST_MAIN(TestProductionWindows)
#include "tst_productionwindows.moc"
