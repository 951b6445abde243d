#include "design/DoorDrawing.h"
#include "model/Clock.h"
#include "support/TestSupport.h"
#include "support/WindowTestSupport.h"
#include "ui/Unit1.h"
#include "ui/Unit4.h"
#include "ui/Unit7.h"

#include <QAction>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using Operator::choose;
using Operator::find;
using Operator::typeOver;

class TestNewOrderWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void openingShowsTheFirstStartDistribution();
    void typingALockAndOkFillTheMainWindow();
    void cancelLeavesTwoBlankDoors();
    void refusedLockClearsAtOnce();
    void notANumberShowsTheMessageAndKeepsTheWindowOpen();
    void doorsEqualFlagEnablesTheWidthGroup();
    void escapeCancels();
    void profileGroupChoiceMovesTheSettingsWindow();
    void orderNameIsSelectedOnOpening();
    void pickDoorHintShowsOverTheNewOrder();
    void checkGroupMessageShowsOverTheFallBackWidths();

private:
    QLineEdit* edit(const char* name) { return find<QLineEdit>(program->windows->newOrderWindow(), name); }
    std::unique_ptr<TRunningProgram> program;
};

void TestNewOrderWindow::init() {
    Clock::setFixedToday(QDate(2026, 12, 10));
    program = std::make_unique<TRunningProgram>();
    program->start();
    find<QAction>(program->form, "actionNew")->trigger();
}

void TestNewOrderWindow::cleanup() {
    program.reset();
    Clock::setFixedToday(QDate());
}

void TestNewOrderWindow::openingShowsTheFirstStartDistribution() {
    TForm4* window = program->windows->newOrderWindow();
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Yeni Sipariş Gir"));
    QCOMPARE(edit("Edit1")->text(), QStringLiteral("sipariş"));
    QCOMPARE(edit("Edit2")->text(), QStringLiteral("200"));
    QCOMPARE(edit("Edit3")->text(), QStringLiteral("200"));
    QCOMPARE(find<QComboBox>(window, "ComboBox1")->currentText(), QStringLiteral("6"));
    QCOMPARE(find<QDateEdit>(window, "DateTimePicker1")->date(), QDate(2026, 12, 10));
    for (int door = 1; door <= 6; ++door)
        QCOMPARE(edit(qPrintable(QStringLiteral("k%1").arg(door)))->text(), QStringLiteral("36,67"));
    QCOMPARE(program->session->project.doorHeight, QStringLiteral("196,5"));
    QCOMPARE(find<QListWidget>(window, "ListBox3")->count(), 6);
    QCOMPARE(program->session->project.kayitkontrol, QStringLiteral("yeni"));
}

void TestNewOrderWindow::typingALockAndOkFillTheMainWindow() {
    TForm4* window = program->windows->newOrderWindow();
    typeOver(edit("Edit1"), QStringLiteral("Yıldız Ailesi"));
    choose(find<QComboBox>(window, "ComboBox1"), QStringLiteral("3"));
    typeOver(edit("Edit2"), QStringLiteral("300"));
    QCOMPARE(edit("k1")->text(), QStringLiteral("102,67"));
    find<QCheckBox>(window, "CheckBox22")->click(); // doors designed one by one
    QVERIFY(find<QGroupBox>(window, "GroupBox1")->isEnabled());
    auto* lock1 = find<QCheckBox>(window, "CheckBox1");
    lock1->click();
    QVERIFY(lock1->isChecked());
    QVERIFY(edit("k1")->isEnabled());
    QCOMPARE(edit("k2")->text(), QStringLiteral("102,67")); // locking changes no width
    typeOver(edit("k1"), QStringLiteral("120"));
    QCOMPARE(edit("k2")->text(), QStringLiteral("94"));
    QCOMPARE(edit("k3")->text(), QStringLiteral("94"));
    QCOMPARE(edit("k4")->text(), QStringLiteral("0"));
    QCOMPARE(find<QListWidget>(window, "ListBox4")->item(0)->text(), QStringLiteral("k1"));

    find<QPushButton>(window, "SpeedButton1")->click();
    QVERIFY(!window->isVisible());
    QCOMPARE(program->messages.shown,
             QStringList{QStringLiteral("Ölçülendirmek istediğiniz kapağın üzerine çifttıklayınız !")});
    QCOMPARE(find<QLineEdit>(program->form, "Edit5")->text(), QStringLiteral("Yıldız Ailesi"));
    QCOMPARE(find<QLineEdit>(program->form, "Edit3")->text(), QStringLiteral("300"));
    QCOMPARE(find<QLineEdit>(program->form, "Edit4")->text(), QStringLiteral("200"));
    QCOMPARE(find<QLineEdit>(program->form, "k1")->text(), QStringLiteral("120"));
    QCOMPARE(find<QLineEdit>(program->form, "k3")->text(), QStringLiteral("94"));
    QVERIFY(find<QLabel>(program->form, "Image3")->isVisible());
    QVERIFY(!find<QLabel>(program->form, "Image4")->isVisible());
    QCOMPARE(find<QLabel>(program->form, "StatusPanel2")->text(), QStringLiteral("Henüz Ölçülendirme Yapmadınız!"));
    QVERIFY(!find<QAction>(program->form, "toolMeasure")->isEnabled());
    QCOMPARE(program->session->project.doorHeight, QStringLiteral("196,5"));
}

void TestNewOrderWindow::cancelLeavesTwoBlankDoors() {
    find<QPushButton>(program->windows->newOrderWindow(), "SpeedButton2")->click();
    QVERIFY(!program->windows->newOrderWindow()->isVisible());
    QCOMPARE(program->session->project.doorCount, QStringLiteral("2"));
    QCOMPARE(program->session->project.kayitkontrol, QStringLiteral("yeni"));
    QVERIFY(find<QLabel>(program->form, "Image2")->isVisible());
    QVERIFY(!find<QLabel>(program->form, "Image3")->isVisible());
    QCOMPARE(find<QLabel>(program->form, "Image1")->pixmap().toImage().convertToFormat(QImage::Format_RGB888),
             DoorDrawing::blankDoor());
    for (const char* name : {"Edit5", "Edit3", "Edit4"})
        QCOMPARE(find<QLineEdit>(program->form, name)->text(), QString());
}

void TestNewOrderWindow::refusedLockClearsAtOnce() {
    TForm4* window = program->windows->newOrderWindow();
    find<QCheckBox>(window, "CheckBox22")->click();
    choose(find<QComboBox>(window, "ComboBox1"), QStringLiteral("2"));
    find<QCheckBox>(window, "CheckBox1")->click();
    auto* lock2 = find<QCheckBox>(window, "CheckBox3");
    lock2->click();
    QVERIFY(!lock2->isChecked());
    QVERIFY(!edit("k2")->isEnabled());
    // unlocking door 1 redistributes at once
    typeOver(edit("k1"), QStringLiteral("150"));
    QCOMPARE(edit("k2")->text(), QStringLiteral("54"));
    find<QCheckBox>(window, "CheckBox1")->click();
    QCOMPARE(edit("k1")->text(), QStringLiteral("102"));
    QCOMPARE(edit("k2")->text(), QStringLiteral("102"));
}

void TestNewOrderWindow::notANumberShowsTheMessageAndKeepsTheWindowOpen() {
    typeOver(edit("Edit2"), QStringLiteral("2x"));
    QCOMPARE(program->messages.shown.last(), QStringLiteral("'2x' is not a valid floating point value"));
    find<QPushButton>(program->windows->newOrderWindow(), "SpeedButton1")->click();
    QVERIFY(program->windows->newOrderWindow()->isVisible());
    QCOMPARE(program->session->project.openingWidth, QString());
    typeOver(edit("Edit2"), QStringLiteral("240"));
    QTest::keyClick(edit("Edit2"), Qt::Key_Return); // Enter is OK
    QVERIFY(!program->windows->newOrderWindow()->isVisible());
    QCOMPARE(program->session->project.openingWidth, QStringLiteral("240"));
}

void TestNewOrderWindow::doorsEqualFlagEnablesTheWidthGroup() {
    auto* flag = find<QCheckBox>(program->windows->newOrderWindow(), "CheckBox22");
    QVERIFY(flag->isChecked());
    QVERIFY(!find<QGroupBox>(program->windows->newOrderWindow(), "GroupBox1")->isEnabled());
    QVERIFY(find<QAction>(program->form, "toolMeasure")->isEnabled());
    flag->click();
    QVERIFY(find<QGroupBox>(program->windows->newOrderWindow(), "GroupBox1")->isEnabled());
    QVERIFY(!find<QAction>(program->form, "toolMeasure")->isEnabled());
}

void TestNewOrderWindow::escapeCancels() {
    edit("Edit3")->setFocus();
    QTest::keyClick(edit("Edit3"), Qt::Key_Escape);
    QVERIFY(!program->windows->newOrderWindow()->isVisible());
    QCOMPARE(program->session->project.orderName, QString());
}

void TestNewOrderWindow::profileGroupChoiceMovesTheSettingsWindow() {
    program->session->store->write(2, "top", QStringLiteral("1"));
    program->session->store->write(2, "work", QStringLiteral("5"));
    program->session->store->write(2, "outside", QStringLiteral("4"));
    choose(find<QComboBox>(program->windows->newOrderWindow(), "ComboBox2"), QStringLiteral("Profil Grubu 2"));
    QCOMPARE(find<QComboBox>(program->windows->settingsWindow(), "ComboBox1")->currentText(), QStringLiteral("Profil Grubu 2"));
    QCOMPARE(find<QLineEdit>(program->windows->settingsWindow(), "Edit6")->text(), QStringLiteral("5"));
    QCOMPARE(program->session->project.doorHeight, QStringLiteral("195"));
}

void TestNewOrderWindow::orderNameIsSelectedOnOpening() {
    QCOMPARE(edit("Edit1")->selectedText(), QStringLiteral("sipariş"));
}

void TestNewOrderWindow::pickDoorHintShowsOverTheNewOrder() {
    TForm4* window = program->windows->newOrderWindow();
    typeOver(edit("Edit1"), QStringLiteral("Yıldız Ailesi"));
    find<QCheckBox>(window, "CheckBox22")->click(); // doors designed one by one
    QStringList seen;
    program->messages.onShown = [&](const QString& text) {
        seen << text << (window->isVisible() ? QStringLiteral("open") : QStringLiteral("closed"))
             << find<QLineEdit>(program->form, "Edit5")->text();
    };
    find<QPushButton>(window, "SpeedButton1")->click();
    QCOMPARE(seen, (QStringList{QStringLiteral("Ölçülendirmek istediğiniz kapağın üzerine çifttıklayınız !"),
                                QStringLiteral("closed"), QStringLiteral("Yıldız Ailesi")}));
}

void TestNewOrderWindow::checkGroupMessageShowsOverTheFallBackWidths() {
    program->session->store->write(3, "top", QStringLiteral("1"));
    program->session->store->write(3, "work", QStringLiteral("5"));
    program->session->store->write(3, "outside", QStringLiteral("6"));
    TForm4* window = program->windows->newOrderWindow();
    choose(find<QComboBox>(window, "ComboBox2"), QStringLiteral("Profil Grubu 3"));
    const QString groupThreeWidth = edit("k1")->text();
    QStringList seen;
    program->messages.onShown = [&](const QString& text) {
        seen << text << edit("k1")->text() << find<QComboBox>(window, "ComboBox2")->currentText();
    };
    choose(find<QComboBox>(window, "ComboBox2"), QStringLiteral("Profil Grubu 2"));
    const QString fallBackWidth = program->session->newOrder.widths[1];
    QVERIFY(fallBackWidth != groupThreeWidth);
    QCOMPARE(seen, (QStringList{QStringLiteral("Seçtiğiniz Profil Grubunun Ölçülerini Kontrol Ediniz!"), fallBackWidth,
                                program->session->project.profileGroupName}));
}

QTEST_MAIN(TestNewOrderWindow)
#include "tst_neworderwindow.moc"
