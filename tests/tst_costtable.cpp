#include "model/NumberText.h"
#include "production/CostTable.h"
#include "production/PrintComputation.h"
#include "production/ProductionSheet.h"
#include "settings/MaterialLists.h"
#include "support/TestSupport.h"

#include <QtTest>

using namespace ProjectBuilder;

class TestCostTable : public QObject {
    Q_OBJECT
private slots:
    void init();
    void aluminiumLineFromTheTotalWeight();
    void grandTotalIsTheRoundedSumOfRoundedLines();
    void initialPricesGiveTheQuantitiesRounded();
    void quantityChangeWaitsForAPriceChange();
    void emptyPriceDoesNotRecompute();
    void alreadyOpenTableRefreshesOnlyAluminium();
    void needsADesignedDoorOneAndAWeight();
    void freshStartGivesZeroAluminium();
    void printPreviewWritesItsQuantities();
    void savedPricesComeBackAfterARestart();
    void fieldThatIsNotANumberStopsTheRecomputation();
    void totalTooLargeForANumberIsRefusedAndLeavesNoInf_data();
    void totalTooLargeForANumberIsRefusedAndLeavesNoInf();

private:
    TProject designed;
    TCostTable table;
    TProductionSheet sheet;
};

void TestCostTable::init() {
    designed = entered(QStringLiteral("200"), QStringLiteral("203,5"), QStringLiteral("200"),
                       {QStringLiteral("102"), QStringLiteral("102")});
    for (int door = 1; door <= 2; ++door) {
        setDoor(designed, door, QStringLiteral("Yatay"), QStringLiteral("1"));
        setDivision(designed, door, 1, QStringLiteral("100"), QStringLiteral("50"));
    }
    table = TCostTable();
    sheet = TProductionSheet();
}

void TestCostTable::aluminiumLineFromTheTotalWeight() {
    sheet.totalWeight = QStringLiteral("12345,678");
    table.unitPrices[TCostTable::Aluminium] = QStringLiteral("10");
    QVERIFY(ShowCostTable(table, designed, sheet));
    QCOMPARE(table.quantities[TCostTable::Aluminium], QStringLiteral("123,46"));
    QCOMPARE(table.totals[TCostTable::Aluminium], QStringLiteral("1234,6"));
}

void TestCostTable::grandTotalIsTheRoundedSumOfRoundedLines() {
    table.quantities = {QStringLiteral("1,004"), QStringLiteral("1,5"), QStringLiteral("0,333"), QStringLiteral("2"),
                        QStringLiteral("0"),     QStringLiteral("0"),   QStringLiteral("3")};
    table.unitPrices = {QStringLiteral("1"), QStringLiteral("20"), QStringLiteral("1"),   QStringLiteral("0,5"),
                        QStringLiteral("1"), QStringLiteral("1"),  QStringLiteral("1,25")};
    RecalculateCosts(table);
    QCOMPARE(table.totals[TCostTable::Panel], QStringLiteral("30"));
    QCOMPARE(table.totals[TCostTable::Aluminium], QStringLiteral("1"));
    QCOMPARE(table.totals[TCostTable::Glass], QStringLiteral("0,33"));
    QCOMPARE(table.totals[TCostTable::Mechanisms], QStringLiteral("3,75"));
    // 1 + 30 + 0,33 + 1 + 0 + 0 + 3,75; the unrounded lines would give 36,09
    QCOMPARE(table.grandTotal, QStringLiteral("36,08"));
}

void TestCostTable::initialPricesGiveTheQuantitiesRounded() {
    table.quantities[TCostTable::GlassGasket] = QStringLiteral("6,256");
    RecalculateCosts(table);
    QCOMPARE(table.totals[TCostTable::GlassGasket], QStringLiteral("6,26"));
    QCOMPARE(table.grandTotal, QStringLiteral("6,26"));
}

void TestCostTable::quantityChangeWaitsForAPriceChange() {
    RecalculateCosts(table);
    table.quantities[TCostTable::Panel] = QStringLiteral("2"); // typed by the operator
    QCOMPARE(table.totals[TCostTable::Panel], QStringLiteral("0"));
    EditUnitPrice(table, TCostTable::Glass, QStringLiteral("3"));
    QCOMPARE(table.totals[TCostTable::Panel], QStringLiteral("2"));
}

void TestCostTable::emptyPriceDoesNotRecompute() {
    table.quantities[TCostTable::Panel] = QStringLiteral("2");
    TScriptedMessages messages;
    EditUnitPrice(table, TCostTable::Panel, QString());
    QVERIFY(messages.shown.isEmpty());
    QCOMPARE(table.totals[TCostTable::Panel], QStringLiteral("0"));
}

void TestCostTable::alreadyOpenTableRefreshesOnlyAluminium() {
    sheet.totalWeight = QStringLiteral("1000");
    QVERIFY(ShowCostTable(table, designed, sheet));
    QCOMPARE(table.grandTotal, QStringLiteral("10"));
    table.quantities[TCostTable::Panel] = QStringLiteral("5");
    sheet.totalWeight = QStringLiteral("2000");
    QVERIFY(ShowCostTable(table, designed, sheet));
    QCOMPARE(table.totals[TCostTable::Aluminium], QStringLiteral("20"));
    QCOMPARE(table.totals[TCostTable::Panel], QStringLiteral("0"));
    QCOMPARE(table.grandTotal, QStringLiteral("10"));
}

void TestCostTable::needsADesignedDoorOneAndAWeight() {
    TScriptedMessages messages;
    TProject undesigned = entered(QStringLiteral("200"), QStringLiteral("203,5"), QStringLiteral("200"),
                                  {QStringLiteral("102"), QStringLiteral("102")});
    QVERIFY(!RunGuarded([&] { ShowCostTable(table, undesigned, sheet); }));
    QCOMPARE(messages.shown,
             QStringList{QStringLiteral("Lütfen Ölçülendirme Yapıp Ardından Yazıcı Önizleme Yapınız !")});
    sheet.totalWeight.clear();
    QVERIFY(!ShowCostTable(table, designed, sheet));
    QCOMPARE(messages.shown.size(), 1); // the empty weight stops silently
    QVERIFY(!table.visible);
}

void TestCostTable::freshStartGivesZeroAluminium() {
    QVERIFY(ShowCostTable(table, designed, sheet));
    QCOMPARE(table.quantities[TCostTable::Aluminium], QStringLiteral("0"));
    QCOMPARE(table.grandTotal, QStringLiteral("0"));
}

void TestCostTable::printPreviewWritesItsQuantities() {
    QCOMPARE(refusalOf([&] { ComputeProductionSheet(designed, defaultGroup(), sheet, &table); }), QString());
    QCOMPARE(table.quantities[TCostTable::Panel], QStringLiteral("1"));
    QCOMPARE(table.quantities[TCostTable::Glass], QStringLiteral("0"));
    QCOMPARE(table.quantities[TCostTable::DustGasket], QStringLiteral("8"));
    QCOMPARE(table.quantities[TCostTable::ImpactGasket], QStringLiteral("8"));
    QCOMPARE(table.quantities[TCostTable::GlassGasket], QStringLiteral("0"));
    QCOMPARE(table.quantities[TCostTable::Mechanisms], QStringLiteral("2"));
    QCOMPARE(table.quantities[TCostTable::Aluminium], QStringLiteral("0")); // set by the cost command
}

void TestCostTable::savedPricesComeBackAfterARestart() {
    TTestFolder folder;
    table.unitPrices = {QStringLiteral("11,5"), QStringLiteral("40"),  QStringLiteral("65"), QStringLiteral("2"),
                        QStringLiteral("1"),    QStringLiteral("1,2"), QStringLiteral("30")};
    SavePrices(table, TProgramFolder(folder.path()));
    auto session = folder.makeSession();
    OnMainWindowShown(*session);
    QCOMPARE(session->costTable.unitPrices, table.unitPrices);
}

void TestCostTable::fieldThatIsNotANumberStopsTheRecomputation() {
    table.quantities[TCostTable::Panel] = QStringLiteral("2");
    table.quantities[TCostTable::Glass] = QString();
    table.unitPrices[TCostTable::Panel] = QStringLiteral("5");
    TScriptedMessages messages;
    QVERIFY(!RunGuarded([&] { RecalculateCosts(table); }));
    QCOMPARE(messages.shown, QStringList{QStringLiteral("'' is not a valid floating point value")});
    QCOMPARE(table.totals[TCostTable::Panel], QStringLiteral("10")); // lines before it keep their new totals
}

void TestCostTable::totalTooLargeForANumberIsRefusedAndLeavesNoInf_data() {
    QTest::addColumn<QString>("panelPrice");
    QTest::addColumn<QString>("glassPrice");
    QTest::newRow("one line") << "1e308"
                              << "1";
    QTest::newRow("the sum of two lines") << "1e305"
                                          << "1e305";
}

void TestCostTable::totalTooLargeForANumberIsRefusedAndLeavesNoInf() {
    QFETCH(QString, panelPrice);
    QFETCH(QString, glassPrice);
    table.quantities[TCostTable::Panel] = QStringLiteral("10");
    table.quantities[TCostTable::Glass] = QStringLiteral("10");
    table.unitPrices[TCostTable::Glass] = glassPrice;
    RecalculateCosts(table);
    TScriptedMessages messages;
    QVERIFY(!RunGuarded([&] { EditUnitPrice(table, TCostTable::Panel, panelPrice); }));
    QCOMPARE(messages.shown, QStringList{CostTexts::tooLarge});
    for (const QString& total : table.totals)
        QVERIFY2(!total.contains(QLatin1String("INF")), qPrintable(total));
    QCOMPARE(table.grandTotal, QString());
    // The next price is computed as usual, the grand total with it.
    QVERIFY(RunGuarded([&] { EditUnitPrice(table, TCostTable::Panel, QStringLiteral("2")); }));
    QCOMPARE(table.totals[TCostTable::Panel], QStringLiteral("20"));
    QCOMPARE(table.grandTotal, NumberText::round2Text(20 + 10 * NumberText::toFloat(glassPrice)));
    QCOMPARE(messages.shown.size(), 1);
}

QTEST_GUILESS_MAIN(TestCostTable)
#include "tst_costtable.moc"
