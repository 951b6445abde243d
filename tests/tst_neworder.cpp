#include "design/NewOrder.h"
#include "model/Errors.h"
#include "support/TestSupport.h"

#include <QtTest>

class TestNewOrder : public QObject {
    Q_OBJECT
private slots:
    void init() {
        project = TProject();
        group = defaultGroup();
    }
    void distributesTheOpening_data();
    void distributesTheOpening();
    void overlapFactors_data();
    void overlapFactors();
    void openingShowsSixDoorsOfFirstStartDefaults();
    void lastFreeDoorCannotBeLocked();
    void lockingChangesNoWidthUntilEdited();
    void unlockingRedistributesAtOnce();
    void lockedWidthsAboveTheTotalGiveNegativeFreeWidths();
    void doorCountChangeClearsLocksAndZeroesDoorsAbove();
    void okWritesTheOrder();
    void okRefusesMissingData_data();
    void okRefusesMissingData();
    void notANumberStopsAndLeavesTheProject();
    void emptiedOpeningEntryWaitsWithoutAMessage();
    void unequalDoorsAskForADoubleClick();
    void neverStoredGroupFallsBackToGroupOne();
    void emptyGroupOneStopsAfterOneAttempt();

private:
    TProject project;
    TProfileGroup group = defaultGroup();
};

void TestNewOrder::distributesTheOpening_data() {
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("lockedDoor1");
    QTest::addColumn<QStringList>("widths");
    QTest::newRow("200 x 200, 2 doors") << "200"
                                        << "2"
                                        << "" << QStringList{"102", "102", "0", "0", "0", "0"};
    QTest::newRow("6 doors share 220") << "200"
                                       << "6"
                                       << "" << QStringList{"36,67", "36,67", "36,67", "36,67", "36,67", "36,67"};
    QTest::newRow("300 wide, 3 doors") << "300"
                                       << "3"
                                       << "" << QStringList{"102,67", "102,67", "102,67", "0", "0", "0"};
    QTest::newRow("door 1 locked at 120") << "300"
                                          << "3"
                                          << "120" << QStringList{"120", "94", "94", "0", "0", "0"};
    QTest::newRow("0,0 gives the overlap only") << "0,0"
                                                << "2"
                                                << "" << QStringList{"2", "2", "0", "0", "0", "0"};
}

void TestNewOrder::distributesTheOpening() {
    QFETCH(QString, width);
    QFETCH(QString, count);
    QFETCH(QString, lockedDoor1);
    QFETCH(QStringList, widths);
    TNewOrder order;
    OpenNewOrder(order, group, project);
    order.doorCount = count;
    ChangeNewOrderDoorCount(order, group, project);
    if (!lockedDoor1.isEmpty()) {
        QVERIFY(SetNewOrderDoorLock(order, 1, true, group, project));
        EditNewOrderDoorWidth(order, 1, lockedDoor1, group, project);
    }
    EditNewOrderOpening(order, width, QStringLiteral("200"), group, project);
    QCOMPARE(project.doorHeight, QStringLiteral("196,5"));
    for (int door = 1; door <= 6; ++door)
        QCOMPARE(order.widths[door], widths.at(door - 1));
}

void TestNewOrder::overlapFactors_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("factor");
    for (auto [count, factor] : {std::pair{2, 1}, {3, 2}, {4, 2}, {5, 4}, {6, 5}, {1, 0}, {7, 0}})
        QTest::addRow("%d doors", count) << count << factor;
}

void TestNewOrder::overlapFactors() {
    QFETCH(int, count);
    QFETCH(int, factor);
    QCOMPARE(OverlapFactor(count), factor);
}

void TestNewOrder::openingShowsSixDoorsOfFirstStartDefaults() {
    TNewOrder order;
    OpenNewOrder(order, group, project);
    QCOMPARE(order.orderName, QStringLiteral("sipariş"));
    QCOMPARE(order.width, QStringLiteral("200"));
    QCOMPARE(order.doorCount, QStringLiteral("6"));
    QCOMPARE(project.doorHeight, QStringLiteral("196,5"));
    QCOMPARE(order.freeDoors, (QStringList{"k1", "k2", "k3", "k4", "k5", "k6"}));
    for (int door = 1; door <= 6; ++door) {
        QCOMPARE(order.widths[door], QStringLiteral("36,67"));
        QVERIFY(order.lockEnabled[door]);
    }
}

void TestNewOrder::lastFreeDoorCannotBeLocked() {
    TNewOrder order;
    OpenNewOrder(order, group, project);
    order.doorCount = QStringLiteral("2");
    ChangeNewOrderDoorCount(order, group, project);
    QVERIFY(SetNewOrderDoorLock(order, 1, true, group, project));
    QVERIFY(!SetNewOrderDoorLock(order, 2, true, group, project));
    QVERIFY(!order.locked[2]);
    QCOMPARE(order.freeDoors, QStringList{QStringLiteral("k2")});
    QCOMPARE(order.lockedDoors, QStringList{QStringLiteral("k1")});
}

void TestNewOrder::lockingChangesNoWidthUntilEdited() {
    TNewOrder order;
    OpenNewOrder(order, group, project);
    order.doorCount = QStringLiteral("3");
    ChangeNewOrderDoorCount(order, group, project);
    QVERIFY(SetNewOrderDoorLock(order, 2, true, group, project));
    QCOMPARE(order.widths[1], QStringLiteral("69,33"));
    QCOMPARE(order.widths[2], QStringLiteral("69,33"));
    EditNewOrderDoorWidth(order, 2, QString(), group, project); // an emptied entry starts nothing
    QCOMPARE(order.widths[1], QStringLiteral("69,33"));
    EditNewOrderDoorWidth(order, 2, QStringLiteral("100"), group, project);
    QCOMPARE(order.widths[1], QStringLiteral("54"));
    QCOMPARE(order.widths[3], QStringLiteral("54"));
}

void TestNewOrder::unlockingRedistributesAtOnce() {
    TNewOrder order;
    OpenNewOrder(order, group, project);
    order.doorCount = QStringLiteral("3");
    ChangeNewOrderDoorCount(order, group, project);
    SetNewOrderDoorLock(order, 1, true, group, project);
    EditNewOrderDoorWidth(order, 1, QStringLiteral("100"), group, project);
    SetNewOrderDoorLock(order, 1, false, group, project);
    QCOMPARE(order.freeDoors, (QStringList{"k2", "k3", "k1"}));
    for (int door = 1; door <= 3; ++door)
        QCOMPARE(order.widths[door], QStringLiteral("69,33"));
}

void TestNewOrder::lockedWidthsAboveTheTotalGiveNegativeFreeWidths() {
    TNewOrder order;
    OpenNewOrder(order, group, project);
    order.doorCount = QStringLiteral("2");
    ChangeNewOrderDoorCount(order, group, project);
    SetNewOrderDoorLock(order, 1, true, group, project);
    TScriptedMessages messages;
    EditNewOrderDoorWidth(order, 1, QStringLiteral("250"), group, project);
    QCOMPARE(order.widths[2], QStringLiteral("-46"));
    QVERIFY(messages.shown.isEmpty());
}

void TestNewOrder::doorCountChangeClearsLocksAndZeroesDoorsAbove() {
    TNewOrder order;
    OpenNewOrder(order, group, project);
    SetNewOrderDoorLock(order, 1, true, group, project);
    SetNewOrderDoorLock(order, 2, true, group, project);
    EditNewOrderDoorWidth(order, 1, QStringLiteral("50"), group, project);
    order.doorCount = QStringLiteral("4");
    ChangeNewOrderDoorCount(order, group, project); // two locks at once do not trip over each other
    QCOMPARE(order.lockedDoors, QStringList());
    QCOMPARE(order.freeDoors, (QStringList{"k1", "k2", "k3", "k4"}));
    QCOMPARE(order.widths[1], QStringLiteral("52"));
    QCOMPARE(order.widths[5], QStringLiteral("0"));
    QVERIFY(!order.lockEnabled[5]);
}

void TestNewOrder::okWritesTheOrder() {
    TNewOrder order;
    OpenNewOrder(order, group, project);
    order.orderName = QStringLiteral("Kaya Mobilya");
    order.doorCount = QStringLiteral("3");
    ChangeNewOrderDoorCount(order, group, project);
    EditNewOrderOpening(order, QStringLiteral("300"), QStringLiteral("250"), group, project);
    order.date = QDate(2027, 1, 15);
    project.dolapadet = QStringLiteral("4");
    project.deliveryKind = QStringLiteral("Kargo");
    TScriptedMessages messages;
    QVERIFY(RunGuarded([&] {
        ConfirmNewOrder(order, group, project, {QStringLiteral("Bronz"), QStringLiteral("Altın")},
                        {QStringLiteral("Slim")});
    }));
    QCOMPARE(project.orderName, QStringLiteral("Kaya Mobilya"));
    QCOMPARE(project.openingWidth, QStringLiteral("300"));
    QCOMPARE(project.openingHeight, QStringLiteral("250"));
    QCOMPARE(project.doorHeight, QStringLiteral("246,5"));
    QCOMPARE(project.doorCount, QStringLiteral("3"));
    QCOMPARE(project.deliveryDate, QDate(2027, 1, 15));
    QCOMPARE(project.doorWidths[1], QStringLiteral("102,67"));
    QCOMPARE(project.doorWidths[4], QStringLiteral("0"));
    QCOMPARE(project.profileColour, QStringLiteral("Bronz"));
    QCOMPARE(project.profileModel, QStringLiteral("Slim"));
    QCOMPARE(project.deliveryKind, QStringLiteral("Fabrika Teslim"));
    QCOMPARE(project.assemblyKind, QStringLiteral("Montajlanacak"));
    QCOMPARE(project.dolapadet, QStringLiteral("1"));
    QCOMPARE(project.statusText, QStringLiteral("Henüz Ölçülendirme Yapmadınız!"));
    QVERIFY(messages.shown.isEmpty());
}

void TestNewOrder::okRefusesMissingData_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::newRow("no name") << ""
                             << "200"
                             << "200";
    QTest::newRow("width 0") << "a"
                             << "0"
                             << "200";
    QTest::newRow("height 0") << "a"
                              << "200"
                              << "0";
}

void TestNewOrder::okRefusesMissingData() {
    QFETCH(QString, name);
    QFETCH(QString, width);
    QFETCH(QString, height);
    TNewOrder order;
    OpenNewOrder(order, group, project);
    order.orderName = name;
    order.width = width;
    order.height = height;
    TScriptedMessages messages;
    QVERIFY(!RunGuarded([&] { ConfirmNewOrder(order, group, project, {}, {}); }));
    QCOMPARE(messages.shown,
             QStringList{QStringLiteral("Sipariş İsmi , Genişlik ve Yükseklik Bilgilerini Giriniz ! ")});
    QCOMPARE(project.orderName, QString());
}

void TestNewOrder::notANumberStopsAndLeavesTheProject() {
    TNewOrder order;
    OpenNewOrder(order, group, project);
    order.orderName = QStringLiteral("a");
    order.width = QStringLiteral("2OO");
    TScriptedMessages messages;
    QVERIFY(!RunGuarded([&] { ConfirmNewOrder(order, group, project, {}, {}); }));
    QCOMPARE(messages.shown, QStringList{QStringLiteral("'2OO' is not a valid floating point value")});
    QCOMPARE(project.orderName, QString());
    QCOMPARE(project.openingWidth, QString());
    QCOMPARE(project.doorHeight, QStringLiteral("196,5")); // written before the width was read
    QCOMPARE(order.editkontrol, QStringLiteral("0"));
}

void TestNewOrder::emptiedOpeningEntryWaitsWithoutAMessage() {
    TNewOrder order;
    OpenNewOrder(order, group, project);
    TScriptedMessages messages;
    EditNewOrderOpening(order, QString(), QStringLiteral("200"), group, project);
    QVERIFY(messages.shown.isEmpty());
    QCOMPARE(order.widths[1], QStringLiteral("36,67"));
    EditNewOrderOpening(order, QStringLiteral("3"), QStringLiteral("200"), group, project);
    QCOMPARE(order.widths[1], QStringLiteral("3,83")); // (3 + 5 × 4) / 6
}

void TestNewOrder::unequalDoorsAskForADoubleClick() {
    TNewOrder order;
    OpenNewOrder(order, group, project);
    project.doorsEqual = false;
    TScriptedMessages messages;
    QVERIFY(RunGuarded([&] { ConfirmNewOrder(order, group, project, {}, {}); }));
    QCOMPARE(messages.shown, QStringList{QStringLiteral("Ölçülendirmek istediğiniz kapağın üzerine çifttıklayınız !")});
}

void TestNewOrder::neverStoredGroupFallsBackToGroupOne() {
    TTestFolder folder;
    auto store = TProfileStore::openFile(folder.settingsFile());
    EnsureDefaultProfileGroup(*store);
    store->write(1, "work", QStringLiteral("5"));
    TNewOrder order;
    OpenNewOrder(order, group, project);
    TScriptedMessages messages;
    ChangeNewOrderProfileGroup(order, QStringLiteral("Profil Grubu 4"), *store, group, project);
    QCOMPARE(project.profileGroupName, QStringLiteral("Profil Grubu 1"));
    QCOMPARE(group.text(TProfileGroup::work), QStringLiteral("5"));
    QCOMPARE(project.doorHeight, QStringLiteral("195"));
    QCOMPARE(messages.shown, QStringList{QStringLiteral("Seçtiğiniz Profil Grubunun Ölçülerini Kontrol Ediniz!")});
}

void TestNewOrder::emptyGroupOneStopsAfterOneAttempt() {
    TTestFolder folder;
    auto store = TProfileStore::openFile(folder.settingsFile());
    TNewOrder order;
    OpenNewOrder(order, group, project);
    TScriptedMessages messages;
    ChangeNewOrderProfileGroup(order, QStringLiteral("Profil Grubu 2"), *store, group, project);
    QCOMPARE(messages.shown.size(), 2);
    QCOMPARE(messages.shown.last(), QStringLiteral("Seçtiğiniz Profil Grubunun Ölçülerini Kontrol Ediniz!"));
    QCOMPARE(project.profileGroupName, QStringLiteral("Profil Grubu 1"));
}

QTEST_GUILESS_MAIN(TestNewOrder)
#include "tst_neworder.moc"
