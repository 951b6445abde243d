#include "production/CuttingPlanRenderer.h"
#include "production/SheetPlanRenderer.h"
#include "support/TestSupport.h"
#include "support/WindowTestSupport.h"
#include "ui/CuttingPlanWindow.h"
#include "ui/SheetPlanWindow.h"
#include "ui/Unit1.h"
#include "ui/Unit7.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QToolBar>
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
    void levhaPageEditsKindsAndMaterialsAndSavesThem();
    void sheetCommandShowsThePlanInItsOwnPreview();
    void sheetCommandIsBesideTheCuttingPlan();

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
    TForm7* window = program->windows->settingsWindow();
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

void TestCuttingWindows::levhaPageEditsKindsAndMaterialsAndSavesThem() {
    TForm7* window = program->windows->settingsWindow();
    window->show();
    auto* tabs = find<QTabWidget>(window, "PageControl1");
    QCOMPARE(tabs->tabText(3), QStringLiteral("Levha"));
    tabs->setCurrentIndex(3);
    TSheetSettings& settings = program->session->sheetCutting;
    auto* kerf = find<QLineEdit>(window, "Levha_glassKerf");
    QCOMPARE(kerf->text(), QStringLiteral("0"));
    typeOver(kerf, QStringLiteral("0,1"));
    QCOMPARE(settings.text(TSheetSettings::Glass, TSheetSettings::kerf), QStringLiteral("0,1"));
    auto* turn = find<QCheckBox>(window, "Levha_panelRotate");
    QVERIFY(!turn->isChecked());
    turn->click();
    QCOMPARE(settings.text(TSheetSettings::Panel, TSheetSettings::rotate), QStringLiteral("1"));

    // The inner material list's names, each with sheets of its own.
    auto* material = find<QComboBox>(window, "LevhaMalzeme");
    QCOMPARE(material->itemText(0), QStringLiteral("Beyaz"));
    const int ceviz = material->findText(QStringLiteral("Ceviz"));
    QVERIFY(ceviz > 0);
    material->setCurrentIndex(ceviz);
    emit material->activated(ceviz);
    auto* stock = find<QLineEdit>(window, "LevhaMalzeme_panelStock");
    QCOMPARE(stock->text(), QString());
    QCOMPARE(stock->placeholderText(), QStringLiteral("280 x 207 (tür ayarı)"));
    typeOver(stock, QStringLiteral("366 x 183 / 4"));
    auto* rotate = find<QComboBox>(window, "LevhaMalzeme_panelRotate");
    rotate->setCurrentIndex(2);
    emit rotate->activated(2);
    QCOMPARE(settings.stockText(TSheetSettings::Panel, QStringLiteral("Ceviz")), QStringLiteral("366 x 183 / 4"));
    QVERIFY(!settings.mayRotate(TSheetSettings::Panel, QStringLiteral("Ceviz")));
    QVERIFY(settings.mayRotate(TSheetSettings::Panel, QStringLiteral("Beyaz")));

    find<QPushButton>(window, "LevhaKaydet")->click();
    QCOMPARE(program->messages.shown, QStringList{QStringLiteral("Levha ayarları kaydedildi.")});
    program->start();
    QCOMPARE(program->session->sheetCutting.stockText(TSheetSettings::Panel, QStringLiteral("Ceviz")),
             QStringLiteral("366 x 183 / 4"));
    QCOMPARE(program->session->sheetCutting.text(TSheetSettings::Glass, TSheetSettings::kerf), QStringLiteral("0,1"));

    // A wrong value is shown and nothing is stored.
    window = program->windows->settingsWindow();
    window->show();
    find<QTabWidget>(window, "PageControl1")->setCurrentIndex(3);
    typeOver(find<QLineEdit>(window, "Levha_panelStock"), QStringLiteral("280"));
    find<QPushButton>(window, "LevhaKaydet")->click();
    QVERIFY(program->messages.shown.last().startsWith(QStringLiteral("'280' levha ölçüsü olarak okunamadı")));
    QCOMPARE(QSettings(program->folder.settingsFile(), QSettings::IniFormat)
                 .value(QStringLiteral("Levha/panelStock"))
                 .toString(),
             QStringLiteral("280 x 207"));
}

void TestCuttingWindows::sheetCommandShowsThePlanInItsOwnPreview() {
    find<QAction>(program->form, "toolSheetPlan")->trigger();
    QCOMPARE(program->messages.shown, QStringList{QStringLiteral("Lütfen  Dolap Eni ve Boyunu Giriniz !")});
    TSheetPlanWindow* window = program->windows->sheetPlan();
    QVERIFY(!window->previewDialog());
    program->messages.shown.clear();

    designTwoDoors();
    find<QAction>(program->form, "actionSheetPlan")->trigger();
    QVERIFY(program->messages.shown.isEmpty());
    QVERIFY(window->previewDialog()->isVisible());
    QCOMPARE(window->previewDialog()->windowTitle(), QStringLiteral("Levha Planı"));
    // six glass panes of 95,7 x 195 for the three cabinets: three side by side along a 321 x 225 plate
    // when turned (two when upright)
    QCOMPARE(window->plan().materials.size(), std::size_t(1));
    const TMaterialSheetPlan& glass = window->plan().materials[0];
    QCOMPARE(glass.pieces, 6);
    QCOMPARE(glass.lowerBound, 2);
    QCOMPARE(glass.sheets.size(), std::size_t(2));
    QVERIFY(glass.proven);
    auto* preview = window->previewDialog()->findChild<QPrintPreviewWidget*>();
    QCOMPARE(preview->pageCount(), SheetPlanRenderer::pageCount(window->plan()));
    QCOMPARE(program->session->costTable.quantities[TCostTable::Mechanisms], QStringLiteral("6"));
    window->previewDialog()->close();
}

void TestCuttingWindows::sheetCommandIsBesideTheCuttingPlan() {
    auto* action = find<QAction>(program->form, "actionSheetPlan");
    QCOMPARE(action->text(), QStringLiteral("Levha Planı"));
    QCOMPARE(action->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K));
    QList<QAction*> projectMenu;
    for (QAction* menu : program->form->menuBar()->actions())
        if (menu->text() == QStringLiteral("P&roje")) projectMenu = menu->menu()->actions();
    QCOMPARE(projectMenu.indexOf(action), projectMenu.indexOf(find<QAction>(program->form, "actionCuttingPlan")) + 1);
    auto* tool = find<QAction>(program->form, "toolSheetPlan");
    QCOMPARE(tool->toolTip(), QStringLiteral("Levha Planı"));
    const QList<QAction*> bar = find<QToolBar>(program->form, "ToolBar1")->actions();
    QCOMPARE(bar.indexOf(tool), bar.indexOf(find<QAction>(program->form, "toolCuttingPlan")) + 1);
}

QTEST_MAIN(TestCuttingWindows)
#include "tst_cuttingwindows.moc"
