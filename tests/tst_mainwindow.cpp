#include "design/DoorDrawing.h"
#include "model/Clock.h"
#include "support/TestSupport.h"
#include "support/WindowTestSupport.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit4.h"

#include <QAction>
#include <QClipboard>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QSignalSpy>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

using Operator::find;

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startsWithSixBlankDoorsAndItsStatus();
    void toolBarAndMenusCarryTheCommands();
    void showDoorCount_data();
    void showDoorCount();
    void newAsksOnlyForANamedOrder();
    void doorsEqualFlagSwitchesHowDoorsOpen();
    void openerRefusesAMissingOpeningSize();
    void failedStartLeavesTheDoorAreaDisabled();
    void aboutButtonStaysAtTheRightEnd();
    void orderNameCaptionIsBold();
    void displayOnlyEntriesShowTheStartOfTheirText();
    void startupMessageShowsOverTheDrawnWindow();
    void pastedLineBreaksStayOutOfTheCabinetCount();
    void commandsWaitForTheStartUpSteps();

private:
    std::unique_ptr<TRunningProgram> program;
};

void TestMainWindow::init() {
    Clock::setFixedToday(QDate(2026, 12, 10));
    program = std::make_unique<TRunningProgram>();
}

void TestMainWindow::cleanup() {
    program.reset();
    Clock::setFixedToday(QDate());
}

void TestMainWindow::startsWithSixBlankDoorsAndItsStatus() {
    program->start();
    QCOMPARE(program->form->windowTitle(), QStringLiteral("Doravel 3"));
    QVERIFY(find<QGroupBox>(program->form, "GroupBox1")->isEnabled());
    for (int door = 1; door <= 6; ++door) {
        auto* image = find<QLabel>(program->form, qPrintable(QStringLiteral("Image%1").arg(door)));
        QVERIFY(image->isVisible());
        QCOMPARE(image->size(), QSize(120, 400));
        QCOMPARE(image->pixmap().toImage().convertToFormat(QImage::Format_RGB888), DoorDrawing::blankDoor());
        QCOMPARE(find<QLineEdit>(program->form, qPrintable(QStringLiteral("k%1").arg(door)))->text(),
                 QStringLiteral("0"));
    }
    QCOMPARE(find<QLabel>(program->form, "StatusPanel2")->text(), QStringLiteral("Henüz Hiçbir İşlem Yapmadınız !"));
    QCOMPARE(find<QLabel>(program->form, "StatusPanel3")->text(), QStringLiteral("10.12.2026   "));
    QCOMPARE(find<QComboBox>(program->form, "ComboBox2")->currentText(), QStringLiteral("Eloksal Gümüş"));
    QCOMPARE(find<QComboBox>(program->form, "ComboBox5")->count(), 4);
    QCOMPARE(find<QLineEdit>(program->form, "dolapadet")->text(), QStringLiteral("1"));
    QVERIFY(program->messages.shown.isEmpty());
}

void TestMainWindow::toolBarAndMenusCarryTheCommands() {
    program->start();
    auto* bar = find<QToolBar>(program->form, "ToolBar1");
    QStringList hints;
    for (QAction* action : bar->actions())
        if (!action->isSeparator() && !action->toolTip().isEmpty() &&
            bar->widgetForAction(action)->inherits("QToolButton"))
            hints << action->toolTip();
    QCOMPARE(hints, (QStringList{"Yeni Proje Oluştur", "Sipariş Listesi", "Kaydet", "Yazıcı Önizleme", "Ölçülendir",
                                 "Maliyet", "Kesim Planı", "Levha Planı", "Ayarlar", "Yardım", "Müşteri Listesi"}));
    QCOMPARE(find<QAction>(program->form, "actionNew")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    QCOMPARE(find<QAction>(program->form, "actionPrint")->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    QCOMPARE(find<QAction>(program->form, "actionMeasureMenu")->shortcut(), QKeySequence(QStringLiteral("Ctrl+/")));
    QCOMPARE(find<QAction>(program->form, "actionCost")->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    QCOMPARE(find<QAction>(program->form, "actionHelp")->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(bar->widgetForAction(find<QAction>(program->form, "toolNew"))->size(), QSize(40, 40));
}

void TestMainWindow::showDoorCount_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("visible");
    for (int n = 2; n <= 6; ++n)
        QTest::addRow("%d", n) << QString::number(n) << n;
    QTest::newRow("invalid changes nothing") << "7" << 3;
    QTest::newRow("empty changes nothing") << "" << 3;
}

void TestMainWindow::showDoorCount() {
    QFETCH(QString, count);
    QFETCH(int, visible);
    program->start();
    program->form->ShowDoorCount(QStringLiteral("3"));
    program->form->ShowDoorCount(count);
    for (int door = 1; door <= 6; ++door) {
        QCOMPARE(find<QLabel>(program->form, qPrintable(QStringLiteral("Image%1").arg(door)))->isVisible(),
                 door <= visible);
        QCOMPARE(find<QLineEdit>(program->form, qPrintable(QStringLiteral("k%1").arg(door)))->isVisible(),
                 door <= visible);
    }
}

void TestMainWindow::newAsksOnlyForANamedOrder() {
    program->start();
    find<QAction>(program->form, "actionNew")->trigger();
    QVERIFY(program->messages.asked.isEmpty());
    QVERIFY(program->windows->newOrderWindow()->isVisible());
    program->windows->newOrderWindow()->hide();
    program->session->project.orderName = QStringLiteral("Kaya");
    program->messages.answers = {false};
    find<QAction>(program->form, "toolNew")->trigger();
    QCOMPARE(program->messages.asked, QStringList{QStringLiteral("Bu İşlemi İptal Etmek İstiyormusunuz?")});
    QVERIFY(!program->windows->newOrderWindow()->isVisible());
    QCOMPARE(program->session->project.orderName, QStringLiteral("Kaya"));
}

void TestMainWindow::doorsEqualFlagSwitchesHowDoorsOpen() {
    program->start();
    program->session->project.openingWidth = QStringLiteral("200");
    program->session->project.openingHeight = QStringLiteral("200");
    program->session->project.doorHeight = QStringLiteral("196,5");
    program->session->project.doorWidths[1] = program->session->project.doorWidths[2] = QStringLiteral("102");
    program->form->refresh();
    auto* tool = find<QAction>(program->form, "toolMeasure");
    auto* menu = find<QAction>(program->form, "actionMeasureMenu");
    auto* image2 = find<QLabel>(program->form, "Image2");
    QVERIFY(tool->isEnabled());
    QTest::mouseDClick(image2, Qt::LeftButton);
    QVERIFY(!program->windows->divisionEditor()->isVisible());

    program->session->project.doorsEqual = false;
    program->form->refresh();
    QVERIFY(!tool->isEnabled());
    QVERIFY(menu->isEnabled());
    QTest::mouseDClick(image2, Qt::LeftButton);
    QVERIFY(program->windows->divisionEditor()->isVisible());
    QCOMPARE(program->windows->divisionEditor()->windowTitle(), QStringLiteral("2. Kapağın Bölme Ölçülerini Düzenle"));
    QCOMPARE(program->session->project.hangikapak, QStringLiteral("2"));
    program->windows->divisionEditor()->hide();
    menu->trigger();
    QVERIFY(program->windows->divisionEditor()->isVisible());
    QCOMPARE(program->windows->divisionEditor()->windowTitle(), QStringLiteral("Bütün Kapakların Bölme Ölçülerini Düzenle"));
}

void TestMainWindow::openerRefusesAMissingOpeningSize() {
    program->start();
    find<QAction>(program->form, "actionMeasureMenu")->trigger();
    QCOMPARE(program->messages.shown, QStringList{QStringLiteral("Lütfen  Dolap Eni ve Boyunu Giriniz !")});
    QVERIFY(!program->windows->divisionEditor()->isVisible());
}

void TestMainWindow::failedStartLeavesTheDoorAreaDisabled() {
    program->folder.removeDbFile(QStringLiteral("cost.txt"));
    program->start();
    QCOMPARE(program->messages.shown.size(), 1);
    QVERIFY(program->messages.shown.first().startsWith(QStringLiteral("Cannot open file")));
    QVERIFY(!find<QGroupBox>(program->form, "GroupBox1")->isEnabled());
    QCOMPARE(find<QLabel>(program->form, "StatusPanel3")->text(), QString());
    QVERIFY(find<QAction>(program->form, "actionNew")->isEnabled()); // the commands stay usable
}

void TestMainWindow::aboutButtonStaysAtTheRightEnd() {
    program->start();
    program->form->resize(1000, 700);
    QApplication::processEvents();
    QWidget* about = find<QToolButton>(program->form, "aboutButton");
    QCOMPARE(about->mapTo(program->form, QPoint(0, 0)).x(), program->form->width() - 50);
    program->form->resize(1300, 700);
    QApplication::processEvents();
    QCOMPARE(about->mapTo(program->form, QPoint(0, 0)).x(), program->form->width() - 50);
    QCOMPARE(find<QLabel>(program->form, "StatusPanel2")->width(), program->form->width() - 200);
}

void TestMainWindow::orderNameCaptionIsBold() {
    program->start();
    QLabel* caption = nullptr;
    for (QLabel* label : program->form->findChildren<QLabel*>())
        if (label->text() == QStringLiteral("Sipariş İsmi")) caption = label;
    QVERIFY(caption);
    QVERIFY(caption->font().bold());
}

void TestMainWindow::displayOnlyEntriesShowTheStartOfTheirText() {
    program->start();
    program->session->project.orderName = QStringLiteral("Örnek Dolap Çalışma Uzun Bir Sipariş İsmi");
    program->form->refresh();
    auto* name = find<QLineEdit>(program->form, "Edit5");
    QVERIFY(name->isReadOnly());
    QCOMPARE(name->cursorPosition(), 0);
    // The whole name is read from the hint.
    QCOMPARE(name->toolTip(), QStringLiteral("Örnek Dolap Çalışma Uzun Bir Sipariş İsmi"));
    // The platform's read-only look: the entry on the window's colour, an editable one on its own.
    QCOMPARE(name->palette().color(QPalette::Base), QGuiApplication::palette().color(QPalette::Window));
    QCOMPARE(find<QDateEdit>(program->form, "DateTimePicker1")->palette().color(QPalette::Base),
             QGuiApplication::palette().color(QPalette::Window));
    QCOMPARE(find<QLineEdit>(program->form, "dolapadet")->palette().color(QPalette::Base),
             QGuiApplication::palette().color(QPalette::Base));
}

void TestMainWindow::startupMessageShowsOverTheDrawnWindow() {
    program->folder.removeDbFile(QStringLiteral("cost.txt"));
    QList<bool> exposed;
    program->messages.onShown = [&](const QString&) {
        exposed << (program->form && program->form->windowHandle() && program->form->windowHandle()->isExposed());
    };
    program->start();
    QCOMPARE(exposed, QList<bool>{true});
}

void TestMainWindow::pastedLineBreaksStayOutOfTheCabinetCount() {
    program->start();
    auto* count = find<QLineEdit>(program->form, "dolapadet");
    QGuiApplication::clipboard()->setText(QStringLiteral("Satir1\nSatir2\r\nSatir3"));
    count->selectAll();
    count->paste();
    QCOMPARE(count->text(), QStringLiteral("Satir1 Satir2 Satir3"));
    QCOMPARE(program->session->project.dolapadet, QStringLiteral("Satir1 Satir2 Satir3"));
}

void TestMainWindow::commandsWaitForTheStartUpSteps() {
    program->session = program->folder.makeSession();
    program->windows = std::make_unique<TProgramWindows>(*program->session);
    program->form = program->windows->mainWindow();
    QSignalSpy newOrder(program->form, &TForm1::newOrderRequested);
    // Before the window is drawn and the steps have run, no command answers, by menu, tool or key.
    for (const char* name : {"actionNew", "toolNew", "actionOpen", "toolPrint", "actionCustomers", "toolMeasure"})
        QVERIFY2(!find<QAction>(program->form, name)->isEnabled(), name);
    find<QAction>(program->form, "actionNew")->trigger();
    QCOMPARE(newOrder.count(), 0);
    program->form->show();
    QVERIFY(QTest::qWaitFor([&] { return program->form->startedUp(); }));
    QVERIFY(find<QAction>(program->form, "actionNew")->isEnabled());
    find<QAction>(program->form, "actionNew")->trigger();
    QCOMPARE(newOrder.count(), 1);
    QCOMPARE(program->messages.shown, QStringList());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
