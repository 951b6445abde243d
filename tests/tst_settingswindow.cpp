#include "settings/TextListFile.h"
#include "support/TestSupport.h"
#include "support/WindowTestSupport.h"
#include "ui/Unit1.h"
#include "ui/Unit4.h"
#include "ui/Unit7.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QtTest>

using Operator::choose;
using Operator::find;
using Operator::typeOver;

class TestSettingsWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void showsTheActiveGroupOnTwoPages();
    void typedValueActsAtOnceAndCloseWritesNothing();
    void neverSavedGroupEmptiesTheEntriesAndSaveWritesIt();
    void addAndRemoveListEntries();
    void groupChosenHereIsTheNewOrderWindowsGroup();

private:
    void start();
    std::unique_ptr<TRunningProgram> program;
};

void TestSettingsWindow::init() {
    program = std::make_unique<TRunningProgram>();
    start();
}

// A (re)start of the program with the settings window open.
void TestSettingsWindow::start() {
    program->start();
    find<QAction>(program->form, "actionSettings")->trigger();
}

void TestSettingsWindow::cleanup() {
    program.reset();
}

void TestSettingsWindow::showsTheActiveGroupOnTwoPages() {
    TForm7* window = program->windows->settingsWindow();
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Ayarlar"));
    auto* tabs = find<QTabWidget>(window, "PageControl1");
    QCOMPARE(tabs->tabText(0), QStringLiteral("Profil Ölçüleri "));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Malzeme Çeşitleri"));
    QCOMPARE(find<QLineEdit>(window, "Edit1")->text(), QStringLiteral("1,2"));
    QCOMPARE(find<QLineEdit>(window, "Edit16")->text(), QStringLiteral("Eloksal"));
    QCOMPARE(find<QLineEdit>(window, "Edit17")->text(), QString());
    QCOMPARE(find<QComboBox>(window, "ComboBox1")->currentText(), QStringLiteral("Profil Grubu 1"));
    QCOMPARE(find<QListWidget>(window, "ListBox3")->count(), 3);
    for (int i = 1; i <= 5; ++i)
        QCOMPARE(find<QLabel>(window, qPrintable(QStringLiteral("Image%1").arg(i)))->pixmap().size(), QSize(105, 65));
}

void TestSettingsWindow::typedValueActsAtOnceAndCloseWritesNothing() {
    typeOver(find<QLineEdit>(program->windows->settingsWindow(), "Edit6"), QStringLiteral("10"));
    find<QPushButton>(program->windows->settingsWindow(), "SpeedButton1")->click();
    QVERIFY(!program->windows->settingsWindow()->isVisible());
    find<QAction>(program->form, "actionNew")->trigger();
    QCOMPARE(program->session->project.doorHeight, QStringLiteral("190"));
    start(); // a restart brings back the stored value
    QCOMPARE(find<QLineEdit>(program->windows->settingsWindow(), "Edit6")->text(), QStringLiteral("3,5"));
}

void TestSettingsWindow::neverSavedGroupEmptiesTheEntriesAndSaveWritesIt() {
    choose(find<QComboBox>(program->windows->settingsWindow(), "ComboBox1"), QStringLiteral("Profil Grubu 3"));
    for (int i = 1; i <= 17; ++i)
        QCOMPARE(find<QLineEdit>(program->windows->settingsWindow(), qPrintable(QStringLiteral("Edit%1").arg(i)))->text(),
                 QString());
    typeOver(find<QLineEdit>(program->windows->settingsWindow(), "Edit1"), QStringLiteral("2,2"));
    typeOver(find<QLineEdit>(program->windows->settingsWindow(), "Edit17"), QStringLiteral("Şahin Alüminyum"));
    find<QPushButton>(program->windows->settingsWindow(), "SpeedButton2")->click();
    QCOMPARE(program->messages.asked,
             QStringList{QStringLiteral("Ayarların Aktif Olabilmesi İçin Programı Kapatıp Açmanız Gereklidir !")});
    QVERIFY(!program->windows->settingsWindow()->isVisible());
    QSettings stored(program->folder.settingsFile(), QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("P3/top")).toString(), QStringLiteral("2,2"));
    QCOMPARE(stored.value(QStringLiteral("P3/firma")).toString(), QStringLiteral("Şahin Alüminyum"));
    QCOMPARE(stored.value(QStringLiteral("P3/work")).toString(), QString());
    QCOMPARE(stored.value(QStringLiteral("P1/top")).toString(), QStringLiteral("1,2"));
}

void TestSettingsWindow::addAndRemoveListEntries() {
    TForm7* window = program->windows->settingsWindow();
    program->messages.inputs = {QStringLiteral("Çağla Yeşili")};
    find<QPushButton>(window, "Ekle1")->click();
    find<QPushButton>(window, "Ekle1")->click(); // cancelled: an empty entry
    QCOMPARE(program->messages.asked, (QStringList{"Profil Rengi", "Profil Rengi"}));
    auto* colours = find<QListWidget>(window, "ListBox1");
    QCOMPARE(colours->count(), 4);
    QCOMPARE(colours->item(2)->text(), QStringLiteral("Çağla Yeşili"));
    auto* models = find<QListWidget>(window, "ListBox2");
    find<QPushButton>(window, "Sil2")->click(); // nothing selected: nothing happens
    QCOMPARE(models->count(), 2);
    models->setCurrentRow(0);
    find<QPushButton>(window, "Sil2")->click();
    QCOMPARE(models->count(), 1);
    find<QPushButton>(window, "SpeedButton2")->click();
    QCOMPARE(TextListFile::read(program->folder.dbFile(QStringLiteral("1.txt"))),
             (QStringList{"Eloksal Gümüş", "Bronz", "Çağla Yeşili", ""}));
    QCOMPARE(TextListFile::read(program->folder.dbFile(QStringLiteral("2.txt"))), QStringList{QStringLiteral("Slim")});
    // the main window's choices change only at the next start
    QCOMPARE(find<QComboBox>(program->form, "ComboBox2")->count(), 2);
    start();
    QCOMPARE(find<QComboBox>(program->form, "ComboBox2")->count(), 4);
}

void TestSettingsWindow::groupChosenHereIsTheNewOrderWindowsGroup() {
    choose(find<QComboBox>(program->windows->settingsWindow(), "ComboBox1"), QStringLiteral("Profil Grubu 2"));
    QCOMPARE(program->session->project.profileGroupName, QStringLiteral("Profil Grubu 2"));
    QCOMPARE(find<QComboBox>(program->windows->newOrderWindow(), "ComboBox2")->currentText(), QStringLiteral("Profil Grubu 2"));
}

QTEST_MAIN(TestSettingsWindow)
#include "tst_settingswindow.moc"
