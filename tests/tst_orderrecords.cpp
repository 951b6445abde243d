#include "design/DoorDrawing.h"
#include "model/Clock.h"
#include "model/Errors.h"
#include "records/OrderStore.h"
#include "session/OrderSave.h"
#include "session/ReopenOrder.h"
#include "support/RecordsFixture.h"

#include <QFile>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

using namespace RecordsSupport;

// The order database on a temporary program folder or on the test server: saving, re-saving,
// reopening and balances.
class TestOrderRecords : public QObject, private TRecordsFixture {
    Q_OBJECT

    std::unique_ptr<TScriptedMessages> m_messages;

    TOrderSave& form() { return m_session->orderSave; }

    // Saves the session's project for customer `mno` with a remaining amount.
    int save(int mno, const QString& kalan, const QString& note = QString()) {
        ShowSaveDialog(form(), m_session->project);
        for (int i = 0; i < form().customers.size(); ++i)
            if (form().customers[i].mno == mno) ChooseCustomer(form(), i);
        form().orderAmount = kalan;
        OrderAmountChanged(form());
        if (!note.isNull()) form().note = note;
        if (!SaveOrder(m_session->project, form())) return 0;
        return m_session->project.sno.toInt();
    }

    QString field(const QString& sql, int sno) {
        QSqlQuery query = OrderDatabase::prepare(sql);
        query.addBindValue(sno);
        OrderDatabase::exec(query);
        return query.next() ? query.value(0).toString() : QStringLiteral("<none>");
    }

private slots:
    void init() {
        DORAVEL_SKIP_WITHOUT_TEST_SERVER(TTestDatabase::onServer());
        m_messages = std::make_unique<TScriptedMessages>();
        openRecords();
        m_session->project = designedProject();
    }
    void cleanup() {
        closeRecords();
        m_messages.reset();
    }

    void freshFolderGetsEightTablesAndSchemaVersion() {
        QVERIFY(!QFile::exists(m_folder->dbFile(OrderDatabase::fileName)));
        OrderDatabase::open();
        QCOMPARE(QFile::exists(m_folder->dbFile(OrderDatabase::fileName)), !TTestDatabase::onServer());
        for (const QString& table : OrderDatabase::tableNames())
            QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)), 0);
        QCOMPARE(count(QStringLiteral("SELECT version FROM dora_schema")), OrderDatabase::schemaVersion);
    }

    void unreadableFileGivesEngineMessageAndStaysUntouched_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        const bool server = TTestDatabase::onServer();
        if (!server)
            QTest::newRow("not a database") << QByteArray(4096, 'x') << QStringLiteral("file is not a database");
        QTest::newRow("lacks a table") << QByteArray()
                                       << (server ? QStringLiteral("relation \"k4\" does not exist")
                                                  : QStringLiteral("no such table: k4"));
    }
    void unreadableFileGivesEngineMessageAndStaysUntouched() {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        if (TTestDatabase::onServer()) {
            OrderDatabase::open();
            QSqlQuery(QSqlDatabase::database(OrderDatabase::connectionName)).exec(QStringLiteral("DROP TABLE k4"));
            OrderDatabase::close();
            QVERIFY(!RunGuarded([&] { ShowSaveDialog(form(), m_session->project); }));
            QCOMPARE(m_messages->shown.size(), 1);
            QVERIFY2(m_messages->shown.first().contains(message), qPrintable(m_messages->shown.first()));
            // The server database is not taken for an empty one: the lost table is not made again.
            QVERIFY(!RunGuarded([&] { CustomerStore::all(); }));
            QCOMPARE(m_messages->shown.size(), 2);
            QVERIFY2(m_messages->shown.last().contains(message), qPrintable(m_messages->shown.last()));
            return;
        }
        const QString path = m_folder->dbFile(OrderDatabase::fileName);
        if (content.isEmpty()) {
            // A database whose k4 table was lost.
            OrderDatabase::open();
            QSqlQuery(QSqlDatabase::database(OrderDatabase::connectionName)).exec(QStringLiteral("DROP TABLE k4"));
            OrderDatabase::close();
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        QFile before(path);
        QVERIFY(before.open(QIODevice::ReadOnly));
        const QByteArray bytes = before.readAll();
        before.close();

        m_session->project.kayitkontrol = QStringLiteral("yeni");
        QVERIFY(!RunGuarded([&] { ShowSaveDialog(form(), m_session->project); }));
        QCOMPARE(m_messages->shown.size(), 1);
        QVERIFY2(m_messages->shown.first().contains(message), qPrintable(m_messages->shown.first()));
        QVERIFY(!RunGuarded([&] { CustomerStore::all(); }));
        QFile after(path);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), bytes);
    }

    // A database a newer program changed is refused with one clear message on every records command,
    // and nothing in it is read or written; an older one without a version is used as it is.
    void newerSchemaVersionIsRefusedAndLeftAsItIs() {
        TCustomer customer;
        customer.name = QStringLiteral("Ayşe");
        CustomerStore::insert(customer);
        QSqlDatabase db = QSqlDatabase::database(OrderDatabase::connectionName);
        QVERIFY(QSqlQuery(db).exec(
            QStringLiteral("UPDATE dora_schema SET version = %1").arg(OrderDatabase::schemaVersion + 1)));
        OrderDatabase::close();
        const QString path = m_folder->dbFile(OrderDatabase::fileName);
        auto fileBytes = [&] {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        const QByteArray bytes = fileBytes();

        QVERIFY(!RunGuarded([&] { ShowSaveDialog(form(), m_session->project); }));
        QVERIFY(!RunGuarded([&] { CustomerStore::all(); }));
        QCOMPARE(m_messages->shown.size(), 2);
        for (const QString& shown : m_messages->shown)
            QCOMPARE(shown, OrderDatabaseTexts::newerSchema.arg(OrderDatabase::schemaVersion + 1)
                                .arg(OrderDatabase::schemaVersion));
        QCOMPARE(fileBytes(), bytes);

        // Put back as a program of this version wrote it, the same database opens with its customer.
        QSqlDatabase raw = QSqlDatabase::database(OrderDatabase::connectionName, false);
        QVERIFY(raw.open());
        QVERIFY(QSqlQuery(raw).exec(QStringLiteral("DELETE FROM dora_schema")));
        raw.close();
        QCOMPARE(CustomerStore::all().size(), 1);
    }

    void firstOrderIsOneAndNextIsListedFirst() {
        const int customer = addCustomer(QStringLiteral("Ayşe Yılmaz"));
        QCOMPARE(customer, 1);
        QCOMPARE(save(customer, QStringLiteral("1000")), 1);
        for (int door = 1; door <= 6; ++door)
            QCOMPARE(count(QStringLiteral("SELECT Siparisno FROM k%1").arg(door)), 1);
        QCOMPARE(save(customer, QStringLiteral("500")), 2);
        QCOMPARE(OrderStore::orderNumbers(), QList<int>({2, 1}));
        QCOMPARE(CustomerStore::find(customer)->bakiye, 1500.0);
        QCOMPARE(field(QStringLiteral("SELECT starih FROM siparis WHERE sno = ?"), 2), QStringLiteral("2026-12-10"));
        QCOMPARE(field(QStringLiteral("SELECT Teslimtarihi FROM siparis WHERE sno = ?"), 2),
                 QStringLiteral("2026-12-24"));
    }

    void deletingTheNewestGivesItsNumberAgain() {
        const int customer = addCustomer(QStringLiteral("Ali"));
        save(customer, QStringLiteral("100"));
        save(customer, QStringLiteral("200"));
        QVERIFY(OrderStore::deleteOrder(2));
        QCOMPARE(brokenOrders(), 0);
        QCOMPARE(CustomerStore::find(customer)->bakiye, 100.0);
        QCOMPARE(save(customer, QStringLiteral("300")), 2);
        QCOMPARE(balanceMismatches(), QStringList());
    }

    void twoDoorOrderStoresSixDoors() {
        const int customer = addCustomer(QStringLiteral("Ali"));
        save(customer, QStringLiteral("100"));
        QCOMPARE(field(QStringLiteral("SELECT k1m2 FROM siparis WHERE sno = ?"), 1), QStringLiteral("Füme Cam"));
        QCOMPARE(field(QStringLiteral("SELECT k2yon FROM siparis WHERE sno = ?"), 1), QStringLiteral("Dikey"));
        QCOMPARE(field(QStringLiteral("SELECT k3e1 FROM siparis WHERE sno = ?"), 1), QString());
        QCOMPARE(field(QStringLiteral("SELECT k6bolme FROM siparis WHERE sno = ?"), 1), QString());
        QCOMPARE(field(QStringLiteral("SELECT k1en FROM siparis WHERE sno = ?"), 1).toDouble(), 122.5);
        QCOMPARE(field(QStringLiteral("SELECT k5en FROM siparis WHERE sno = ?"), 1).toDouble(), 0.0);
        for (int door = 1; door <= 6; ++door)
            QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM k%1 WHERE Siparisno = 1").arg(door)), 1);
        // Texts longer than any old field width come back whole.
        QCOMPARE(field(QStringLiteral("SELECT A2ma1 FROM k1 WHERE Siparisno = ?"), 1), QStringLiteral("Ceviz Damarlı"));
    }

    void reopenGivesBackEveryStoredCell() {
        const int customer = addCustomer(QStringLiteral("Ali"));
        TProject& project = m_session->project;
        project.doorWidths[1] = QStringLiteral("120,50");
        project.doorHeight = QStringLiteral("246,5"); // as the new order window computed it with group 2
        project.profileGroupName = QStringLiteral("Profil Grubu 2");
        TProfileGroup second = groupWith({{TProfileGroup::work, "3,5"}, {TProfileGroup::side, "2,5"}});
        second.setText(TProfileGroup::name, QStringLiteral("İkinci"));
        SaveProfileGroup(*m_session->store, QStringLiteral("Profil Grubu 2"), second);
        save(customer, QStringLiteral("100"));
        const TProject saved = project;
        std::array<QImage, 7> expected;
        for (int door = 1; door <= 2; ++door) {
            expected[door] = DoorDrawing::newPicture();
            RedrawDoorImage(saved, second, door, expected[door]);
        }

        // Another order is on screen when this one is reopened.
        NewProject(*m_session);
        project = ProjectBuilder::entered(QStringLiteral("300"), QStringLiteral("200"), QStringLiteral("197"),
                                          {QStringLiteral("100"), QStringLiteral("100"), QStringLiteral("100")});
        ProjectBuilder::setDoor(project, 3, QStringLiteral("Yatay"), QStringLiteral("2"));
        ProjectBuilder::setSplit(project, 5, 5, {QStringLiteral("x")});
        QSignalSpy replaced(&m_session->events, &TSessionEvents::projectReplaced);

        QVERIFY(ReopenOrder(*m_session, 1));
        QCOMPARE(replaced.count(), 1);
        QCOMPARE(project.kayitkontrol, QStringLiteral("eski"));
        QCOMPARE(project.sno, QStringLiteral("1"));
        for (int door = 1; door <= 6; ++door) {
            for (int column = 1; column < TProject::DoorColumns; ++column)
                QCOMPARE(project.cell(door, column), saved.cell(door, column));
            for (int division = 1; division <= 6; ++division)
                for (int column = 1; column <= 10; ++column)
                    QCOMPARE(project.splitTable(door)[division][column], saved.splitTable(door)[division][column]);
        }
        QCOMPARE(project.doorWidths[1], QStringLiteral("120,5"));
        QCOMPARE(project.doorWidths[2], QStringLiteral("122,5"));
        QCOMPARE(project.doorWidths[3], QStringLiteral("0"));
        QCOMPARE(project.orderName, saved.orderName);
        QCOMPARE(project.doorCount, QStringLiteral("2"));
        QCOMPARE(project.deliveryDate, QDate(2026, 12, 24));
        QCOMPARE(project.openingWidth, QStringLiteral("240"));
        QCOMPARE(project.openingHeight, QStringLiteral("250"));
        QCOMPARE(project.profileGroupName, QStringLiteral("Profil Grubu 2"));
        QCOMPARE(m_session->activeGroup.text(TProfileGroup::name), QStringLiteral("İkinci"));
        QCOMPARE(project.profileColour, saved.profileColour);
        QCOMPARE(project.profileModel, saved.profileModel);
        QCOMPARE(project.deliveryKind, saved.deliveryKind);
        QCOMPARE(project.assemblyKind, saved.assemblyKind);
        QCOMPARE(project.dolapadet, QStringLiteral("2"));
        QCOMPARE(project.doorsEqual, false);
        QCOMPARE(project.doorHeight, QStringLiteral("246,5"));
        for (int door = 1; door <= 2; ++door) {
            QVERIFY(m_session->doorImages[door] != DoorDrawing::blankDoor());
            QCOMPARE(m_session->doorImages[door], expected[door]);
        }
    }

    void reopenBringsBackCustomerAmountNoteAndExtras() {
        const int ali = addCustomer(QStringLiteral("Ali"));
        addCustomer(QStringLiteral("Veli")); // the first customer of the choice
        form().extraNames = {};
        save(ali, QStringLiteral("1500"), QStringLiteral("Kapılar salı günü"));
        QCOMPARE(form().customers.first().name, QStringLiteral("Veli"));
        QVERIFY(ReopenOrder(*m_session, 1));
        ShowSaveDialog(form(), m_session->project);
        QCOMPARE(form().customers[form().customerIndex].name, QStringLiteral("Ali"));
        QCOMPARE(form().orderAmount, QStringLiteral("1500"));
        QCOMPARE(form().note, QStringLiteral("Kapılar salı günü"));
        QCOMPARE(form().remaining, QStringLiteral("1500"));
        QVERIFY(SaveOrder(m_session->project, form()));
        QCOMPARE(OrderStore::orderNumbers(), QList<int>({1}));
        const TOrderRecord stored = *OrderStore::readOrder(1);
        QCOMPARE(stored.musterino, ali);
        QCOMPARE(stored.stutar, 1500);
        QCOMPARE(stored.note, QStringLiteral("Kapılar salı günü"));
        QCOMPARE(CustomerStore::find(ali)->bakiye, 1500.0);
    }

    void sameNamedCustomersKeepTheirOwnBalances() {
        const int first = addCustomer(QStringLiteral("Ali"));
        const int second = addCustomer(QStringLiteral("Ali"));
        ShowSaveDialog(form(), m_session->project);
        QCOMPARE(form().customers.size(), 2);
        ChooseCustomer(form(), 1); // the older of the two, second in table order
        QCOMPARE(form().customerNo, QString::number(first));
        form().remaining = QStringLiteral("250");
        QVERIFY(SaveOrder(m_session->project, form()));
        QCOMPARE(CustomerStore::find(first)->bakiye, 250.0);
        QCOMPARE(CustomerStore::find(second)->bakiye, 0.0);
    }

    void apostrophesAndTurkishLettersRoundTrip() {
        const QString name = QStringLiteral("O'Brien & Şükrü Çağlar \"İğneci\"; DROP TABLE musteri; --");
        const int customer = addCustomer(name);
        m_session->project.orderName = QStringLiteral("Yatak odası 'ana'");
        save(customer, QStringLiteral("10"), QStringLiteral("Öğle'den sonra ütü; ĞÜŞİÖÇ ğüşıöç"));
        const TOrderRecord stored = *OrderStore::readOrder(1);
        QCOMPARE(stored.musteriadi, name);
        QCOMPARE(stored.siparisadi, QStringLiteral("Yatak odası 'ana'"));
        QCOMPARE(stored.note, QStringLiteral("Öğle'den sonra ütü; ĞÜŞİÖÇ ğüşıöç"));
        QCOMPARE(CustomerStore::find(customer)->name, name);
    }

    void notAWholeNumberStopsTheSave_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("order amount") << "orderAmount"
                                      << "1500,50"
                                      << "'1500,50' is not a valid integer value";
        QTest::newRow("empty received") << "received"
                                        << ""
                                        << "'' is not a valid integer value";
        QTest::newRow("remaining") << "remaining"
                                   << "12a"
                                   << "'12a' is not a valid integer value";
        QTest::newRow("opening width") << "openingWidth"
                                       << "240,5"
                                       << "'240,5' is not a valid integer value";
        QTest::newRow("door width") << "doorWidth3"
                                    << ""
                                    << "'' is not a valid floating point value";
    }
    void notAWholeNumberStopsTheSave() {
        QFETCH(QString, entry);
        QFETCH(QString, text);
        QFETCH(QString, message);
        const int customer = addCustomer(QStringLiteral("Ali"));
        save(customer, QStringLiteral("700"));
        QVERIFY(ReopenOrder(*m_session, 1));
        ShowSaveDialog(form(), m_session->project);
        if (entry == QLatin1String("orderAmount")) form().orderAmount = text;
        if (entry == QLatin1String("received")) form().received = text;
        if (entry == QLatin1String("remaining")) form().remaining = text;
        if (entry == QLatin1String("openingWidth")) m_session->project.openingWidth = text;
        if (entry == QLatin1String("doorWidth3")) m_session->project.doorWidths[3] = text;
        m_session->project.orderName = QStringLiteral("Değişti");
        QVERIFY(!RunGuarded([&] { SaveOrder(m_session->project, form()); }));
        QCOMPARE(m_messages->shown, QStringList({message}));
        const TOrderRecord stored = *OrderStore::readOrder(1);
        QCOMPARE(stored.siparisadi, QStringLiteral("Deneme"));
        QCOMPARE(CustomerStore::find(customer)->bakiye, 700.0);
        // A new order is not stored either.
        m_session->project.kayitkontrol = QStringLiteral("yeni");
        QVERIFY(!RunGuarded([&] { SaveOrder(m_session->project, form()); }));
        QCOMPARE(OrderStore::orderNumbers(), QList<int>({1}));
    }

    void noCustomerShowsTheMessageAndStoresNothing() {
        ShowSaveDialog(form(), m_session->project);
        QVERIFY(!RunGuarded([&] { SaveOrder(m_session->project, form()); }));
        QCOMPARE(m_messages->shown, QStringList({OrderSaveTexts::noCustomers}));
        QCOMPARE(OrderStore::orderNumbers(), QList<int>());
    }

    void savingWithoutNewOrReopenIsRefused() {
        addCustomer(QStringLiteral("Ali"));
        m_session->project.kayitkontrol.clear();
        ShowSaveDialog(form(), m_session->project);
        QVERIFY(!RunGuarded([&] { SaveOrder(m_session->project, form()); }));
        QCOMPARE(m_messages->shown, QStringList({QStringLiteral("Dataset not in edit or insert mode")}));
        QCOMPARE(OrderStore::orderNumbers(), QList<int>());
    }

    void resavingADeletedOrderStoresNothing() {
        const int customer = addCustomer(QStringLiteral("Ali"));
        save(customer, QStringLiteral("300"));
        save(customer, QStringLiteral("400"));
        QVERIFY(ReopenOrder(*m_session, 1));
        QVERIFY(OrderStore::deleteOrder(1));
        ShowSaveDialog(form(), m_session->project);
        // Asked whether to save the design as a new order, the operator declines.
        m_messages->answers = {false};
        QVERIFY(RunGuarded([&] { SaveOrder(m_session->project, form()); }));
        QCOMPARE(m_messages->shown, QStringList());
        QCOMPARE(m_messages->asked.size(), 1);
        QVERIFY(m_messages->asked.first().startsWith(OrderSaveTexts::deletedElsewhere));
        QCOMPARE(OrderStore::orderNumbers(), QList<int>({2}));
        QCOMPARE(brokenOrders(), 0);
        QCOMPARE(CustomerStore::find(customer)->bakiye, 400.0);
    }

    void resaveWritesMissingSplitRecordsWhole() {
        const int customer = addCustomer(QStringLiteral("Ali"));
        save(customer, QStringLiteral("300"));
        QVERIFY(ReopenOrder(*m_session, 1));
        QSqlQuery(QSqlDatabase::database(OrderDatabase::connectionName))
            .exec(QStringLiteral("DELETE FROM k3 WHERE Siparisno = 1"));
        QVERIFY(!OrderStore::readOrder(1)->splitsComplete);
        QVERIFY(!RunGuarded([&] { ReopenOrder(*m_session, 1); }));
        QCOMPARE(m_messages->shown.last(), ReopenOrderTexts::incomplete.arg(1));
        ShowSaveDialog(form(), m_session->project);
        QVERIFY(SaveOrder(m_session->project, form()));
        QCOMPARE(brokenOrders(), 0);
    }

    // Each step: "new C K" saves a new order for customer C with Kalan K; "resave O C K" reopens order
    // O and saves it for customer C with Kalan K; "delete O"; "rename C".
    void balanceEqualsRemainingOfOrders_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("new twice") << QStringList{"new 1 500", "new 1 500"};
        QTest::newRow("resave same customer") << QStringList{"new 1 500", "resave 1 1 200", "resave 1 1 200"};
        QTest::newRow("resave to another customer") << QStringList{"new 1 500", "new 2 300", "resave 1 2 450"};
        QTest::newRow("negative remaining") << QStringList{"new 1 -150", "resave 1 3 -20", "new 3 75"};
        QTest::newRow("delete and reuse")
            << QStringList{"new 1 100", "new 2 200", "delete 2", "new 3 50", "resave 2 1 10", "delete 1"};
        QTest::newRow("rename keeps balances") << QStringList{"new 2 90", "rename 2", "resave 1 2 95", "new 1 5"};
    }
    void balanceEqualsRemainingOfOrders() {
        QFETCH(QStringList, steps);
        for (const char* name : {"Ali", "Veli", "Ayşe"})
            addCustomer(QString::fromUtf8(name));
        for (const QString& step : steps) {
            const QStringList words = step.split(QLatin1Char(' '));
            if (words[0] == QLatin1String("new")) {
                NewProject(*m_session);
                m_session->project = designedProject();
                save(words[1].toInt(), words[2]);
            } else if (words[0] == QLatin1String("resave")) {
                QVERIFY(ReopenOrder(*m_session, words[1].toInt()));
                save(words[2].toInt(), words[3]);
            } else if (words[0] == QLatin1String("delete")) {
                QVERIFY(OrderStore::deleteOrder(words[1].toInt()));
            } else {
                TCustomer customer = *CustomerStore::find(words[1].toInt());
                customer.name += QStringLiteral(" (yeni)");
                CustomerStore::update(customer);
            }
            QCOMPARE(balanceMismatches(), QStringList());
        }
        QCOMPARE(brokenOrders(), 0);
        QCOMPARE(m_messages->shown, QStringList());
    }

    void moneyRules_data() {
        QTest::addColumn<QString>("event");
        QTest::addColumn<QStringList>("before"); // amount, extra 1, total, received, remaining
        QTest::addColumn<QStringList>("after");
        QTest::newRow("amount copies to total")
            << "amount" << QStringList{"1200", "0", "0", "200", "0"} << QStringList{"1200", "0", "1200", "200", "1000"};
        QTest::newRow("empty amount keeps total")
            << "amount" << QStringList{"", "0", "900", "100", "0"} << QStringList{"", "0", "900", "100", "800"};
        QTest::newRow("leaving adds extras") << "leave" << QStringList{"1000", "250,5", "1000", "0", "1000"}
                                             << QStringList{"1000", "250,5", "1250,5", "0", "1250,5"};
        QTest::newRow("received above total") << "received" << QStringList{"500", "0", "500", "650", "500"}
                                              << QStringList{"500", "0", "500", "650", "-150"};
        QTest::newRow("empty received") << "received" << QStringList{"500", "0", "500", "", "7"}
                                        << QStringList{"500", "0", "500", "", "7"};
        QTest::newRow("total") << "total" << QStringList{"500", "0", "800,25", "100", "0"}
                               << QStringList{"500", "0", "800,25", "100", "700,25"};
    }
    void moneyRules() {
        QFETCH(QString, event);
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        TOrderSave& f = form();
        f.orderAmount = before[0];
        f.extraAmounts[0] = before[1];
        f.grandTotal = before[2];
        f.received = before[3];
        f.remaining = before[4];
        if (event == QLatin1String("amount")) OrderAmountChanged(f);
        if (event == QLatin1String("leave")) OrderAmountLeft(f);
        if (event == QLatin1String("received")) ReceivedChanged(f);
        if (event == QLatin1String("total")) GrandTotalChanged(f);
        QCOMPARE(QStringList({f.orderAmount, f.extraAmounts[0], f.grandTotal, f.received, f.remaining}), after);
    }

    void notANumberKeepsTheComputedEntry() {
        form().grandTotal = QStringLiteral("500");
        form().received = QStringLiteral("abc");
        form().remaining = QStringLiteral("12");
        QVERIFY(!RunGuarded([&] { ReceivedChanged(form()); }));
        QCOMPARE(m_messages->shown, QStringList({QStringLiteral("'abc' is not a valid floating point value")}));
        QCOMPARE(form().remaining, QStringLiteral("12"));
    }

    void saveCommandNeedsTwoDimensionedDoors() {
        TProject project;
        QVERIFY_THROWS_EXCEPTION(TRefusal, CheckSaveCommand(project));
        try {
            CheckSaveCommand(project);
        } catch (const TRefusal& refusal) {
            QCOMPARE(refusal.message(), QStringLiteral("Lütfen  Ölçülendirme Yapınız !"));
        }
        CheckSaveCommand(designedProject());
    }
};

QTEST_GUILESS_MAIN(TestOrderRecords)
#include "tst_orderrecords.moc"
