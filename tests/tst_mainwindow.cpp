#include "design/DoorDrawing.h"
#include "model/Clock.h"
#include "support/TestSupport.h"
#include "support/WindowTestSupport.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit4.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
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

  private:
    std::unique_ptr<TTestFolder> folder;
    std::unique_ptr<TSession> session;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TScriptedMessages> messages;
    void start();
};

void TestMainWindow::init() {
    Clock::setFixedToday(QDate(2026, 12, 10));
    messages = std::make_unique<TScriptedMessages>();
    folder = std::make_unique<TTestFolder>();
}

void TestMainWindow::cleanup() {
    form.reset();
    session.reset();
    messages.reset();
    folder.reset();
    Clock::setFixedToday(QDate());
}

void TestMainWindow::start() {
    session = folder->makeSession();
    form = std::make_unique<TForm1>(*session);
    form->show();
}

void TestMainWindow::startsWithSixBlankDoorsAndItsStatus() {
    start();
    QCOMPARE(form->windowTitle(), QStringLiteral("Doravel 3"));
    QVERIFY(find<QGroupBox>(form.get(), "GroupBox1")->isEnabled());
    for (int door = 1; door <= 6; ++door) {
        auto* image = find<QLabel>(form.get(), qPrintable(QStringLiteral("Image%1").arg(door)));
        QVERIFY(image->isVisible());
        QCOMPARE(image->size(), QSize(120, 400));
        QCOMPARE(image->pixmap().toImage().convertToFormat(QImage::Format_RGB888), DoorDrawing::blankDoor());
        QCOMPARE(find<QLineEdit>(form.get(), qPrintable(QStringLiteral("k%1").arg(door)))->text(), QStringLiteral("0"));
    }
    QCOMPARE(find<QLabel>(form.get(), "StatusPanel2")->text(), QStringLiteral("Henüz Hiçbir İşlem Yapmadınız !"));
    QCOMPARE(find<QLabel>(form.get(), "StatusPanel3")->text(), QStringLiteral("10.12.2026   "));
    QCOMPARE(find<QComboBox>(form.get(), "ComboBox2")->currentText(), QStringLiteral("Eloksal Gümüş"));
    QCOMPARE(find<QComboBox>(form.get(), "ComboBox5")->count(), 4);
    QCOMPARE(find<QLineEdit>(form.get(), "dolapadet")->text(), QStringLiteral("1"));
    QVERIFY(messages->shown.isEmpty());
}

void TestMainWindow::toolBarAndMenusCarryTheCommands() {
    start();
    auto* bar = find<QToolBar>(form.get(), "ToolBar1");
    QStringList hints;
    for (QAction* action : bar->actions())
        if (!action->isSeparator() && !action->toolTip().isEmpty() &&
            bar->widgetForAction(action)->inherits("QToolButton"))
            hints << action->toolTip();
    QCOMPARE(hints, (QStringList{"Yeni Proje Oluştur", "Sipariş Listesi", "Kaydet", "Yazıcı Önizleme", "Ölçülendir",
                                 "Maliyet", "Ayarlar", "Yardım", "Müşteri Listesi"}));
    QCOMPARE(find<QAction>(form.get(), "actionNew")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    QCOMPARE(find<QAction>(form.get(), "actionPrint")->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    QCOMPARE(find<QAction>(form.get(), "actionMeasureMenu")->shortcut(), QKeySequence(QStringLiteral("Ctrl+/")));
    QCOMPARE(find<QAction>(form.get(), "actionCost")->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    QCOMPARE(find<QAction>(form.get(), "actionHelp")->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(bar->widgetForAction(find<QAction>(form.get(), "toolNew"))->size(), QSize(40, 40));
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
    start();
    form->ShowDoorCount(QStringLiteral("3"));
    form->ShowDoorCount(count);
    for (int door = 1; door <= 6; ++door) {
        QCOMPARE(find<QLabel>(form.get(), qPrintable(QStringLiteral("Image%1").arg(door)))->isVisible(),
                 door <= visible);
        QCOMPARE(find<QLineEdit>(form.get(), qPrintable(QStringLiteral("k%1").arg(door)))->isVisible(),
                 door <= visible);
    }
}

void TestMainWindow::newAsksOnlyForANamedOrder() {
    start();
    find<QAction>(form.get(), "actionNew")->trigger();
    QVERIFY(messages->asked.isEmpty());
    QVERIFY(form->form4()->isVisible());
    form->form4()->hide();
    session->project.orderName = QStringLiteral("Kaya");
    messages->answers = {false};
    find<QAction>(form.get(), "toolNew")->trigger();
    QCOMPARE(messages->asked, QStringList{QStringLiteral("Bu İşlemi İptal Etmek İstiyormusunuz?")});
    QVERIFY(!form->form4()->isVisible());
    QCOMPARE(session->project.orderName, QStringLiteral("Kaya"));
}

void TestMainWindow::doorsEqualFlagSwitchesHowDoorsOpen() {
    start();
    session->project.openingWidth = QStringLiteral("200");
    session->project.openingHeight = QStringLiteral("200");
    session->project.doorHeight = QStringLiteral("196,5");
    session->project.doorWidths[1] = session->project.doorWidths[2] = QStringLiteral("102");
    form->refresh();
    auto* tool = find<QAction>(form.get(), "toolMeasure");
    auto* menu = find<QAction>(form.get(), "actionMeasureMenu");
    auto* image2 = find<QLabel>(form.get(), "Image2");
    QVERIFY(tool->isEnabled());
    QTest::mouseDClick(image2, Qt::LeftButton);
    QVERIFY(!form->form2()->isVisible());

    session->project.doorsEqual = false;
    form->refresh();
    QVERIFY(!tool->isEnabled());
    QVERIFY(menu->isEnabled());
    QTest::mouseDClick(image2, Qt::LeftButton);
    QVERIFY(form->form2()->isVisible());
    QCOMPARE(form->form2()->windowTitle(), QStringLiteral("2. Kapağın Bölme Ölçülerini Düzenle"));
    QCOMPARE(session->project.hangikapak, QStringLiteral("2"));
    form->form2()->hide();
    menu->trigger();
    QVERIFY(form->form2()->isVisible());
    QCOMPARE(form->form2()->windowTitle(), QStringLiteral("Bütün Kapakların Bölme Ölçülerini Düzenle"));
}

void TestMainWindow::openerRefusesAMissingOpeningSize() {
    start();
    find<QAction>(form.get(), "actionMeasureMenu")->trigger();
    QCOMPARE(messages->shown, QStringList{QStringLiteral("Lütfen  Dolap Eni ve Boyunu Giriniz !")});
    QVERIFY(!form->form2()->isVisible());
}

void TestMainWindow::failedStartLeavesTheDoorAreaDisabled() {
    folder->removeDbFile(QStringLiteral("cost.txt"));
    start();
    QCOMPARE(messages->shown.size(), 1);
    QVERIFY(messages->shown.first().startsWith(QStringLiteral("Cannot open file")));
    QVERIFY(!find<QGroupBox>(form.get(), "GroupBox1")->isEnabled());
    QCOMPARE(find<QLabel>(form.get(), "StatusPanel3")->text(), QString());
    QVERIFY(find<QAction>(form.get(), "actionNew")->isEnabled()); // the commands stay usable
}

void TestMainWindow::aboutButtonStaysAtTheRightEnd() {
    start();
    form->resize(1000, 700);
    QApplication::processEvents();
    QWidget* about = find<QToolButton>(form.get(), "aboutButton");
    QCOMPARE(about->mapTo(form.get(), QPoint(0, 0)).x(), form->width() - 50);
    form->resize(1300, 700);
    QApplication::processEvents();
    QCOMPARE(about->mapTo(form.get(), QPoint(0, 0)).x(), form->width() - 50);
    QCOMPARE(find<QLabel>(form.get(), "StatusPanel2")->width(), form->width() - 200);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
