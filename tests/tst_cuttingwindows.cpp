#include "production/CuttingPlanRenderer.h"
#include "support/TestSupport.h"
#include "support/WindowTestSupport.h"
#include "ui/CuttingPlanWindow.h"
#include "ui/Unit1.h"
#include "ui/Unit7.h"

#include <QAction>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QtTest>

using namespace ProjectBuilder;
using Operator::find;
using Operator::typeOver;

class TestCuttingWindows : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void kesimPageEditsTheSettingsAndSavesThem();
    void savedSettingsAreLoadedAtTheNextStart();
    void commandStopsWhereThePrintPreviewStops();
    void commandShowsThePlanInItsOwnPreview();
    void commandIsInTheProjectMenuWithCtrlK();

private:
    void designTwoDoors();
    std::unique_ptr<TRunningProgram> program;
};

void TestCuttingWindows::init() {
    program = std::make_unique<TRunningProgram>();
    program->start();
}

void TestCuttingWindows::cleanup() {
    program.reset();
}

void TestCuttingWindows::designTwoDoors() {
    TProject designed = entered(QStringLiteral("200"), QStringLiteral("203,5"), QStringLiteral("200"),
                                {QStringLiteral("102"), QStringLiteral("102")});
    for (int door = 1; door <= 2; ++door) {
        setDoor(designed, door, QStringLiteral("Yatay"), QStringLiteral("1"));
        setDivision(designed, door, 1, QStringLiteral("95,7"), QStringLiteral("195"), QStringLiteral("Cam"));
    }
    designed.dolapadet = QStringLiteral("3");
    program->session->project = designed;
    program->form->refresh();
}

void TestCuttingWindows::kesimPageEditsTheSettingsAndSavesThem() {
    TForm7* window = program->windows->form7();
    window->show();
    auto* tabs = find<QTabWidget>(window, "PageControl1");
    QCOMPARE(tabs->tabText(2), QStringLiteral("Kesim"));
    tabs->setCurrentIndex(2);
    auto* kerf = find<QLineEdit>(window, "KesimEdit8");
    QCOMPARE(kerf->text(), QStringLiteral("0,4"));
    typeOver(kerf, QStringLiteral("0,3"));
    QCOMPARE(program->session->cutting.text(TCuttingSettings::kerf), QStringLiteral("0,3"));
    find<QPushButton>(window, "KesimKaydet")->click();
    QCOMPARE(program->messages.shown, QStringList{QStringLiteral("Kesim ayarları kaydedildi.")});
    QCOMPARE(
        QSettings(program->folder.settingsFile(), QSettings::IniFormat).value(QStringLiteral("Kesim/kerf")).toString(),
        QStringLiteral("0,3"));

    typeOver(find<QLineEdit>(window, "KesimEdit1"), QStringLiteral("6OO"));
    find<QPushButton>(window, "KesimKaydet")->click();
    QCOMPARE(program->messages.shown.last(), QStringLiteral("'6OO' is not a valid floating point value"));
    QCOMPARE(QSettings(program->folder.settingsFile(), QSettings::IniFormat)
                 .value(QStringLiteral("Kesim/topRail"))
                 .toString(),
             QStringLiteral("600"));
}

void TestCuttingWindows::savedSettingsAreLoadedAtTheNextStart() {
    program->session->cutting.setText(TCuttingSettings::side, QStringLiteral("650"));
    SaveCuttingSettings(*program->session->store, program->session->cutting);
    program->start();
    QCOMPARE(program->session->cutting.text(TCuttingSettings::side), QStringLiteral("650"));
}

void TestCuttingWindows::commandStopsWhereThePrintPreviewStops() {
    find<QAction>(program->form, "toolCuttingPlan")->trigger();
    QCOMPARE(program->messages.shown, QStringList{QStringLiteral("Lütfen  Dolap Eni ve Boyunu Giriniz !")});
    QVERIFY(!program->windows->cuttingPlan()->previewDialog());
}

void TestCuttingWindows::commandShowsThePlanInItsOwnPreview() {
    designTwoDoors();
    find<QAction>(program->form, "actionCuttingPlan")->trigger();
    QVERIFY(program->messages.shown.isEmpty());
    TCuttingPlanWindow* window = program->windows->cuttingPlan();
    QVERIFY(window->previewDialog()->isVisible());
    QCOMPARE(window->previewDialog()->windowTitle(), QStringLiteral("Kesim Planı"));
    // 12 side profiles of 200 cm: with the kerfs only two go in a 600 cm bar.
    const TCuttingKind& side = window->plan().kinds[TCuttingSettings::side];
    QCOMPARE(side.bars, 6);
    QCOMPARE(side.patterns.at(0).pieces.size(), 2);
    QVERIFY(window->plan().proven());
    // Every page of the plan reaches the preview.
    auto* preview = window->previewDialog()->findChild<QPrintPreviewWidget*>();
    QCOMPARE(preview->pageCount(), CuttingPlanRenderer::pageCount(window->plan()));
    // The print preview's computations ran: the cost table has its quantities.
    QCOMPARE(program->session->costTable.quantities[TCostTable::Mechanisms], QStringLiteral("6"));
    window->previewDialog()->close();
}

void TestCuttingWindows::commandIsInTheProjectMenuWithCtrlK() {
    auto* action = find<QAction>(program->form, "actionCuttingPlan");
    QCOMPARE(action->text(), QStringLiteral("Kesim Planı"));
    QCOMPARE(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
    bool inProjectMenu = false;
    for (QAction* menu : program->form->menuBar()->actions())
        if (menu->text() == QStringLiteral("P&roje")) inProjectMenu = menu->menu()->actions().contains(action);
    QVERIFY(inProjectMenu);
    QCOMPARE(find<QAction>(program->form, "toolCuttingPlan")->toolTip(), QStringLiteral("Kesim Planı"));
}

QTEST_MAIN(TestCuttingWindows)
#include "tst_cuttingwindows.moc"
