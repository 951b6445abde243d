#include "model/Clock.h"
#include "records/OrderStore.h"
#include "session/ReopenOrder.h"
#include "support/RecordsFixture.h"
#include "support/RecordsProgramFixture.h"
#include "ui/MessageBoxBackend.h"
#include "ui/Unit1.h"
#include "ui/Unit11.h"
#include "ui/Unit13.h"
#include "ui/Unit8.h"
#include "ui/Unit9.h"

#include <QAction>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

using namespace RecordsSupport;
using Operator::find;

// The order list window driven through its real widgets, on a temporary order database.
class TestOrderListWindow : public QObject, private TRecordsProgramFixture {
    Q_OBJECT

    int ornek = 0;
    int obrien = 0;

    TForm9* orders() { return program->windows->orderList(); }
    QTableView* grid() { return find<QTableView>(orders(), "DBGrid1"); }
    void click(QWidget* window, const char* name) { find<QPushButton>(window, name)->click(); }
    void trigger(const char* action) { find<QAction>(program->form, action)->trigger(); }
    void setChecked(const char* name, bool checked) {
        auto* box = find<QCheckBox>(orders(), name);
        if (box->isChecked() != checked) box->click();
    }

    // The order numbers the grid shows, top to bottom.
    QList<int> shown() {
        QList<int> numbers;
        for (int row = 0; row < grid()->model()->rowCount(); ++row)
            numbers << grid()->model()->index(row, 0).data().toInt();
        return numbers;
    }
    void selectRow(int row) {
        const QModelIndex cell = grid()->model()->index(row, 1);
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(cell).center());
        QCOMPARE(grid()->currentIndex().row(), row);
    }
    // Both boxes cleared, Örnek chosen, 30.11 to 02.12.
    void filterOrnekAcrossTheMonth() {
        setChecked("CheckBox1", false);
        setChecked("CheckBox2", false);
        Operator::choose(find<QComboBox>(orders(), "ComboBox1"), QStringLiteral("Örnek"));
        find<QDateEdit>(orders(), "DateTimePicker1")->setDate(QDate(2026, 11, 30));
        find<QDateEdit>(orders(), "DateTimePicker2")->setDate(QDate(2026, 12, 2));
        click(orders(), "Button1");
    }

private slots:
    void init() {
        DORAVEL_SKIP_WITHOUT_TEST_SERVER(TTestDatabase::onServer());
        startProgram();
        const TMonthEndCustomers customers = storeOrdersAroundMonthEnd();
        ornek = customers.ornek;
        obrien = customers.obrien;
    }
    void cleanup() { stopProgram(); }

    void openingListsEveryOrderMaximised() {
        trigger("actionOpen");
        QVERIFY(orders()->isVisible());
        QVERIFY(orders()->isMaximized());
        QCOMPARE(orders()->windowTitle(), QStringLiteral("Sipariş Listesi"));
        QCOMPARE(shown(), QList<int>({7, 6, 5, 4, 3, 2, 1}));
        QCOMPARE(grid()->currentIndex().row(), 0);
        // Defaults: both boxes ticked, their choices disabled, the newest customer chosen, today's dates.
        QVERIFY(find<QCheckBox>(orders(), "CheckBox1")->isChecked());
        QVERIFY(find<QCheckBox>(orders(), "CheckBox2")->isChecked());
        QVERIFY(!find<QComboBox>(orders(), "ComboBox1")->isEnabled());
        QVERIFY(!find<QDateEdit>(orders(), "DateTimePicker1")->isEnabled());
        QCOMPARE(find<QComboBox>(orders(), "ComboBox1")->currentText(), QStringLiteral("O'Brien"));
        QCOMPARE(find<QComboBox>(orders(), "ComboBox1")->count(), 2);
        QCOMPARE(find<QDateEdit>(orders(), "DateTimePicker2")->date(), QDate(2026, 12, 10));
        QCOMPARE(find<QPushButton>(orders(), "Button3")->palette().color(QPalette::ButtonText), QColor(Qt::red));
        QStringList captions;
        QList<int> widths;
        for (int column = 0; column < grid()->model()->columnCount(); ++column) {
            captions << grid()->model()->headerData(column, Qt::Horizontal).toString();
            widths << grid()->columnWidth(column);
        }
        QCOMPARE(captions,
                 QStringList({QStringLiteral("No"), QStringLiteral("Müşteri"), QStringLiteral("Sipariş Adı"),
                              QStringLiteral("En"), QStringLiteral("Boy"), QStringLiteral("Kapak"),
                              QStringLiteral("Dolap"), QStringLiteral("Teslim Tarih"), QStringLiteral("Tutar"),
                              QStringLiteral("Alınan"), QStringLiteral("Kalan"), QStringLiteral("Not")}));
        QCOMPARE(widths, QList<int>({39, 150, 100, 41, 43, 56, 64, 68, 64, 64, 64, 250}));
        QCOMPARE(grid()->editTriggers(), QAbstractItemView::NoEditTriggers);
    }

    void gridAndGroupFollowTheWindowSize() {
        trigger("actionOpen");
        orders()->showNormal();
        orders()->resize(900, 500);
        QCOMPARE(grid()->width(), 870);
        QCOMPARE(grid()->height(), 360);
        QCOMPARE(find<QGroupBox>(orders(), "GroupBox1")->width(), 870);
    }

    void bothBoxesClearedListTheCustomerBetweenTheDays() {
        trigger("actionOpen");
        filterOrnekAcrossTheMonth();
        QCOMPARE(shown(), QList<int>({6, 4, 3}));
        setChecked("CheckBox1", true);
        setChecked("CheckBox2", true);
        click(orders(), "Button1");
        QCOMPARE(shown(), QList<int>({7, 6, 5, 4, 3, 2, 1}));
        QCOMPARE(program->messages.shown, QStringList());
    }

    void clearingABoxChangesNothingUntilListele() {
        trigger("actionOpen");
        setChecked("CheckBox1", false);
        QVERIFY(find<QComboBox>(orders(), "ComboBox1")->isEnabled());
        setChecked("CheckBox2", false);
        QVERIFY(find<QDateEdit>(orders(), "DateTimePicker1")->isEnabled());
        QVERIFY(find<QDateEdit>(orders(), "DateTimePicker2")->isEnabled());
        QCOMPARE(shown(), QList<int>({7, 6, 5, 4, 3, 2, 1}));
    }

    void apostropheInTheTypedNameFilters() {
        trigger("actionOpen");
        setChecked("CheckBox1", false);
        auto* choice = find<QComboBox>(orders(), "ComboBox1");
        Operator::typeOver(choice->lineEdit(), QStringLiteral("O'Brien"));
        click(orders(), "Button1");
        QCOMPARE(shown(), QList<int>({5, 2}));
        QCOMPARE(program->messages.shown, QStringList());
    }

    void openingAgainIsUnfilteredAndKeepsTheControls() {
        trigger("actionOpen");
        filterOrnekAcrossTheMonth();
        orders()->close();
        trigger("actionOpen");
        QCOMPARE(shown(), QList<int>({7, 6, 5, 4, 3, 2, 1}));
        QVERIFY(!find<QCheckBox>(orders(), "CheckBox1")->isChecked());
        QCOMPARE(find<QComboBox>(orders(), "ComboBox1")->currentText(), QStringLiteral("Örnek"));
        QCOMPARE(find<QDateEdit>(orders(), "DateTimePicker1")->date(), QDate(2026, 11, 30));
    }

    void keyboardMovesTheSelection() {
        trigger("actionOpen");
        grid()->setFocus();
        QTest::keyClick(grid(), Qt::Key_Down);
        QTest::keyClick(grid(), Qt::Key_Down);
        QCOMPARE(grid()->currentIndex().row(), 2);
        QCOMPARE(grid()->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(grid()->selectionModel()->selectedRows().first().row(), 2);
    }

    void duzenleReopensTheSelectedOrderAndCloses() {
        trigger("actionOpen");
        selectRow(2);
        click(orders(), "Button2");
        QVERIFY(!orders()->isVisible());
        QCOMPARE(program->session->project.sno, QStringLiteral("5"));
        QCOMPARE(program->session->project.kayitkontrol, QStringLiteral("eski"));
        QCOMPARE(program->messages.shown, QStringList());
    }

    void duzenleOnAnEmptyListingOrAnOrderWithoutSplitsStaysOpen() {
        trigger("actionOpen");
        QSqlQuery drop = OrderDatabase::prepare(QStringLiteral("DELETE FROM k2 WHERE Siparisno = 7"));
        OrderDatabase::exec(drop);
        click(orders(), "Button2");
        QVERIFY(orders()->isVisible());
        QCOMPARE(program->session->project.kayitkontrol, QString());
        setChecked("CheckBox1", false);
        Operator::typeOver(find<QComboBox>(orders(), "ComboBox1")->lineEdit(), QStringLiteral("Kimse"));
        click(orders(), "Button1");
        QCOMPARE(shown(), QList<int>());
        click(orders(), "Button2");
        QVERIFY(orders()->isVisible());
        QCOMPARE(program->messages.shown, QStringList{ReopenOrderTexts::incomplete.arg(7)});
    }

    void silOnNoKeepsOnYesDeletesAndKeepsTheFilter() {
        trigger("actionOpen");
        filterOrnekAcrossTheMonth();
        selectRow(1); // order 4, kalan -250
        program->messages.answers = {false};
        click(orders(), "Button3");
        QCOMPARE(program->messages.asked,
                 QStringList({QStringLiteral("4 Sipariş Numaralı Örnek İsimli Siparişi Silmek İstiyormusunuz?")}));
        QCOMPARE(shown(), QList<int>({6, 4, 3}));
        QCOMPARE(CustomerStore::find(ornek)->bakiye, 1250.0);

        click(orders(), "Button3");
        QCOMPARE(shown(), QList<int>({6, 3}));
        QVERIFY(!OrderStore::readOrder(4));
        QCOMPARE(brokenOrders(), 0);
        QCOMPARE(CustomerStore::find(ornek)->bakiye, 1500.0);
        QCOMPARE(balanceMismatches(), QStringList());
        QCOMPARE(program->messages.shown, QStringList());
    }

    void enterOnTheDeleteQuestionKeepsTheOrder() {
        trigger("actionOpen");
        // The real question box: Enter answers it as the operator's hurried key would.
        TMessageBoxBackend boxes;
        TMessages::setBackend(&boxes);
        bool noIsDefault = false;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            noIsDefault = box->defaultButton() == box->button(QMessageBox::No);
            QTest::keyClick(box, Qt::Key_Return);
        });
        click(orders(), "Button3");
        TMessages::setBackend(&program->messages);
        QVERIFY(noIsDefault);
        QCOMPARE(shown(), QList<int>({7, 6, 5, 4, 3, 2, 1}));
        QVERIFY(OrderStore::readOrder(7));
    }

    void datesAreTypedAsDayMonthYear_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("date");
        QTest::newRow("the day only") << "28" << QDate(2026, 12, 28);
        QTest::newRow("the whole date") << "30.11.2026" << QDate(2026, 11, 30);
        QTest::newRow("one-digit day and month") << "1.2.2027" << QDate(2027, 2, 1);
    }
    void datesAreTypedAsDayMonthYear() {
        QFETCH(QString, typed);
        QFETCH(QDate, date);
        trigger("actionOpen");
        setChecked("CheckBox2", false);
        auto* start = find<QDateEdit>(orders(), "DateTimePicker1");
        auto* text = start->findChild<QLineEdit*>();
        QTest::mouseClick(text, Qt::LeftButton, {}, QPoint(4, text->height() / 2));
        QCoreApplication::processEvents();
        QTest::keyClicks(start, typed);
        QCOMPARE(start->date(), date);
    }

    void reversedDatesAreRefusedWithTheirReason() {
        trigger("actionOpen");
        setChecked("CheckBox2", false);
        find<QDateEdit>(orders(), "DateTimePicker1")->setDate(QDate(2026, 12, 3));
        find<QDateEdit>(orders(), "DateTimePicker2")->setDate(QDate(2026, 11, 29));
        click(orders(), "Button1");
        QCOMPARE(program->messages.shown,
                 QStringList({QStringLiteral("Başlangıç Tarihi, Bitiş Tarihinden sonra olamaz !")}));
        QCOMPARE(shown(), QList<int>({7, 6, 5, 4, 3, 2, 1}));
    }

    void deletingTheNewestGivesItsNumberToTheNextSave() {
        trigger("actionOpen");
        click(orders(), "Button3");
        QCOMPARE(shown(), QList<int>({6, 5, 4, 3, 2, 1}));
        program->session->project = designedProject();
        trigger("actionSave");
        find<QPushButton>(program->windows->saveDialog(), "Button1")->click();
        QCOMPARE(program->messages.shown, QStringList());
        QCOMPARE(program->session->project.sno, QStringLiteral("7"));
        // The open list shows the new order at once.
        QCOMPARE(shown(), QList<int>({7, 6, 5, 4, 3, 2, 1}));
    }

    void customerListKaydetRunsTheListingAgain() {
        trigger("actionOpen");
        setChecked("CheckBox1", false);
        Operator::choose(find<QComboBox>(orders(), "ComboBox1"), QStringLiteral("O'Brien"));
        click(orders(), "Button1");
        QCOMPARE(shown(), QList<int>({5, 2}));
        // Another seat's order arrives unseen; the customer list's Kaydet brings it in, filter kept.
        {
            TSessionEvents anotherSeat;
            OrderDatabase::announceChangesTo(anotherSeat);
            storeOrder(obrien, QStringLiteral("O'Brien"), QDate(2026, 12, 9));
            storeOrder(ornek, QStringLiteral("Örnek"), QDate(2026, 12, 9));
        }
        OrderDatabase::announceChangesTo(program->session->events);
        QCOMPARE(shown(), QList<int>({5, 2}));
        trigger("actionCustomers");
        find<QPushButton>(program->windows->customerList(), "Button1")->click();
        Operator::typeOver(find<QLineEdit>(program->windows->customerList(), "DBEdit1"), QStringLiteral("Zeynep"));
        find<QPushButton>(program->windows->customerList(), "Button2")->click();
        QCOMPARE(shown(), QList<int>({8, 5, 2}));
        QCOMPARE(find<QComboBox>(orders(), "ComboBox1")->count(), 3);
        QCOMPARE(find<QComboBox>(orders(), "ComboBox1")->currentText(), QStringLiteral("O'Brien"));
    }

    // Six-digit order numbers and amounts at the limit show whole in the grid.
    void largeFiguresShowWholeInTheGrid() {
        const int big = storeOrder(ornek, QStringLiteral("Örnek"), QDate(2026, 12, 4));
        for (const QString& sql :
             {QStringLiteral("UPDATE siparis SET sno = ?, geneltoplam = 1000000000, kalan = -1000000000 WHERE sno = ?"),
              QStringLiteral("UPDATE k1 SET Siparisno = ? WHERE Siparisno = ?")}) {
            QSqlQuery query = OrderDatabase::prepare(sql);
            query.addBindValue(123456);
            query.addBindValue(big);
            OrderDatabase::exec(query);
        }
        trigger("actionOpen");
        QCOMPARE(shown().first(), 123456);
        const QFontMetrics metrics(grid()->font());
        for (int column : {int(TOrderListing::No), int(TOrderListing::Tutar), int(TOrderListing::Kalan)}) {
            const QString text = grid()->model()->index(0, column).data().toString();
            QVERIFY2(metrics.horizontalAdvance(text) + 6 <= grid()->columnWidth(column), qPrintable(text));
        }
    }

    void yazdirPreviewsTheListedOrders() {
        trigger("actionOpen");
        filterOrnekAcrossTheMonth();
        program->windows->orderListReport()->setWaitForClose(false);
        click(orders(), "Button4");
        QVERIFY(program->windows->orderListReport()->previewDialog()->isVisible());
        QList<int> printed;
        for (const TOrderListRow& row : program->windows->orderListReport()->rows())
            printed << row.sno;
        QCOMPARE(printed, QList<int>({6, 4, 3}));
        program->windows->orderListReport()->previewDialog()->close();
    }
};

QTEST_MAIN(TestOrderListWindow)
#include "tst_orderlistwindow.moc"
