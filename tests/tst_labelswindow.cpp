#include "labels/LabelRenderer.h"
#include "labels/LabelSheet.h"
#include "support/TestSupport.h"
#include "support/WindowTestSupport.h"
#include "ui/LabelSettingsDialog.h"
#include "ui/LabelsWindow.h"
#include "ui/Unit1.h"

#include <QAction>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

using namespace ProjectBuilder;
using Operator::choose;
using Operator::find;
using Operator::typeOver;

class TestLabelsWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void commandIsInTheProjectMenuWithCtrlE();
    void commandStopsWhereThePrintPreviewStops();
    void commandShowsTheLabelsOfTheSavedOrder();
    void settingsChooseTheSheetAndShowTheLabelsAgain();
    void codeWiderThanTheLabelIsRefused();

private:
    void designTwoDoors();
    std::unique_ptr<TRunningProgram> program;
};

void TestLabelsWindow::init() {
    program = std::make_unique<TRunningProgram>();
    program->start();
}

void TestLabelsWindow::cleanup() {
    program.reset();
}

void TestLabelsWindow::designTwoDoors() {
    TProject designed = entered(QStringLiteral("200"), QStringLiteral("203,5"), QStringLiteral("200"),
                                {QStringLiteral("102"), QStringLiteral("102")});
    designed.orderName = QStringLiteral("Demir Yatak Odası");
    for (int door = 1; door <= 2; ++door) {
        setDoor(designed, door, QStringLiteral("Yatay"), QStringLiteral("1"));
        setDivision(designed, door, 1, QStringLiteral("95,7"), QStringLiteral("195"), QStringLiteral("Cam"),
                    QStringLiteral("Ayna"));
    }
    designed.dolapadet = QStringLiteral("3");
    program->session->project = designed;
    program->form->refresh();
}

void TestLabelsWindow::commandIsInTheProjectMenuWithCtrlE() {
    auto* action = find<QAction>(program->form, "actionLabels");
    QCOMPARE(action->text(), QStringLiteral("Etiketler"));
    QCOMPARE(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    bool inProjectMenu = false;
    for (QAction* menu : program->form->menuBar()->actions())
        if (menu->text() == QStringLiteral("P&roje"))
            inProjectMenu = menu->menu()->actions().contains(action) &&
                            menu->menu()->actions().contains(find<QAction>(program->form, "actionLabelSettings"));
    QVERIFY(inProjectMenu);
}

void TestLabelsWindow::commandStopsWhereThePrintPreviewStops() {
    find<QAction>(program->form, "actionLabels")->trigger();
    QCOMPARE(program->messages.shown, QStringList{QStringLiteral("Lütfen  Dolap Eni ve Boyunu Giriniz !")});
    QVERIFY(!program->windows->labels()->previewDialog());
}

void TestLabelsWindow::commandShowsTheLabelsOfTheSavedOrder() {
    designTwoDoors();
    program->session->project.sno = QStringLiteral("123");
    TCustomer customer;
    customer.mno = 7;
    customer.name = QStringLiteral("Demir Ailesi");
    program->session->orderSave.customers = {customer};
    program->session->orderSave.customerIndex = 0;
    program->session->orderSave.customerNo = QStringLiteral("7");
    find<QAction>(program->form, "actionLabels")->trigger();
    QVERIFY(program->messages.shown.isEmpty());
    TLabelsWindow* window = program->windows->labels();
    QVERIFY(window->previewDialog()->isVisible());
    QCOMPARE(window->previewDialog()->windowTitle(), QStringLiteral("Etiketler"));
    const TPieceLabels& labels = window->labels();
    QCOMPARE(labels.order.number, QStringLiteral("123"));
    QCOMPARE(labels.order.name, QStringLiteral("Demir Yatak Odası"));
    QCOMPARE(labels.order.customer, QStringLiteral("Demir Ailesi"));
    // Three wardrobes: 3 + 3 rails, 12 sides, 6 + 6 top and bottom profiles, 6 mirrors.
    QCOMPARE(labels.labels.size(), std::size_t(36));
    QCOMPARE(labels.labels.back().code, QStringLiteral("S123-K2-B1-C-36"));
    auto* preview = window->previewDialog()->findChild<QPrintPreviewWidget*>();
    QCOMPARE(preview->pageCount(), 2);
    window->previewDialog()->close();
}

void TestLabelsWindow::settingsChooseTheSheetAndShowTheLabelsAgain() {
    designTwoDoors();
    find<QAction>(program->form, "actionLabels")->trigger();
    TLabelsWindow* window = program->windows->labels();
    find<QAction>(window->previewDialog(), "actionLabelSettings")->trigger();
    TLabelSettingsDialog* dialog = window->settingsDialog();
    QVERIFY(dialog->isVisible());
    auto* width = find<QLineEdit>(dialog, "editLabelWidth");
    QCOMPARE(width->text(), QStringLiteral("70"));
    QVERIFY(width->isReadOnly());
    choose(find<QComboBox>(dialog, "comboLabelFormat"), TLabelSheetSettings::formatName(TLabelSheetSettings::Roll));
    QVERIFY(!width->isReadOnly());
    QVERIFY(find<QLineEdit>(dialog, "editLabelColumns")->isReadOnly());
    typeOver(width, QStringLiteral("100"));
    typeOver(find<QLineEdit>(dialog, "editLabelHeight"), QStringLiteral("50"));
    find<QPushButton>(dialog, "buttonSave")->click();
    QVERIFY(program->messages.shown.isEmpty());
    QVERIFY(!dialog->isVisible());
    const QSettings stored(program->folder.settingsFile(), QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("Etiket/format")).toString(), QStringLiteral("roll"));
    QCOMPARE(stored.value(QStringLiteral("Etiket/labelWidth")).toString(), QStringLiteral("100"));
    // The open preview shows one label a page of the roll's size.
    QVERIFY(window->geometry().roll);
    auto* preview = window->previewDialog()->findChild<QPrintPreviewWidget*>();
    QCOMPARE(preview->pageCount(), 36);

    // A value that is not a number is named and nothing is stored.
    find<QAction>(program->form, "actionLabelSettings")->trigger();
    typeOver(find<QLineEdit>(dialog, "editLabelHeight"), QStringLiteral("5O"));
    find<QPushButton>(dialog, "buttonSave")->click();
    QCOMPARE(program->messages.shown, QStringList{QStringLiteral("'5O' is not a valid floating point value")});
    QVERIFY(dialog->isVisible());
    QCOMPARE(QSettings(program->folder.settingsFile(), QSettings::IniFormat)
                 .value(QStringLiteral("Etiket/labelHeight"))
                 .toString(),
             QStringLiteral("50"));
    find<QPushButton>(dialog, "buttonCancel")->click();
    window->previewDialog()->close();
}

void TestLabelsWindow::codeWiderThanTheLabelIsRefused() {
    designTwoDoors();
    TLabelSheetSettings narrow;
    narrow.showFormat(TLabelSheetSettings::CustomSheet);
    narrow.setText(TLabelSheetSettings::columns, QStringLiteral("5"));
    narrow.setText(TLabelSheetSettings::labelWidth, QStringLiteral("40"));
    SaveLabelSheetSettings(*program->session->store, narrow);
    find<QAction>(program->form, "actionLabels")->trigger();
    QCOMPARE(program->messages.shown.size(), 1);
    QVERIFY2(program->messages.shown.first().startsWith(
                 QStringLiteral("K1-B1-C-31 parça kodu 40 mm enindeki etikete okunur bir barkodla sığmıyor")),
             qPrintable(program->messages.shown.first()));
    QVERIFY(!program->windows->labels()->previewDialog());
}

QTEST_MAIN(TestLabelsWindow)
#include "tst_labelswindow.moc"
