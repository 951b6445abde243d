#include "model/Errors.h"
#include "model/ProgramFolder.h"
#include "model/SessionEvents.h"
#include "records/OrderStore.h"
#include "records/SqlDialect.h"
#include "session/OrderSave.h"
#include "support/EngineSupport.h"
#include "support/RecordsSupport.h"
#include "support/TestServerControl.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <cstdio>

using namespace RecordsSupport;

namespace {

constexpr int NewOrders = 200;
constexpr int Resaves = 50;
constexpr int NewCustomers = 25;

// A database given on a command line: "local FOLDER" or "server DATABASE".
void registerFromArguments(const QString& engine, const QString& where) {
    if (engine == QLatin1String("server"))
        RegisterOrderDatabase(TProgramFolder(QString()), TTestDatabase::serverSettings(where));
    else
        RegisterOrderDatabase(TProgramFolder(where));
}

// The order of number `sno` as reopening leaves the project: state "eski", its number and save count.
bool reopenInProject(TProject& project, int sno) {
    const std::optional<TOrderRecord> stored = OrderStore::readOrder(sno);
    if (!stored) return false;
    project.kayitkontrol = QStringLiteral("eski");
    project.sno = QString::number(sno);
    project.surum = stored->surum;
    return true;
}

// One seat: 200 new orders and 50 re-saves of orders it reopened, interleaved, for random customers,
// as fast as it can; then 25 new customers. A re-save the other seat made stale is refused and saves
// nothing (the operator answers No); any other message ends the seat with that message.
int seat(const QString& engine, const QString& where) {
    registerFromArguments(engine, where);
    TScriptedMessages messages;
    for (int i = 0; i < Resaves; ++i)
        messages.answers << false;
    QRandomGenerator random(quint32(QCoreApplication::applicationPid()));
    TProject project = designedProject();
    TOrderSave form;
    try {
        for (int step = 0; step < NewOrders + Resaves; ++step) {
            form.customers = CustomerStore::all();
            ChooseCustomer(form, int(random.bounded(form.customers.size())));
            form.orderAmount = form.grandTotal = QString::number(random.bounded(5000));
            form.received = QString::number(random.bounded(6000));
            form.remaining = QString::number(form.grandTotal.toInt() - form.received.toInt());
            if (step % 5 == 4) {
                const QList<int> numbers = OrderStore::orderNumbers();
                if (!reopenInProject(project, numbers[int(random.bounded(numbers.size()))])) continue;
            } else {
                project.kayitkontrol = QStringLiteral("yeni");
            }
            project.orderName = QStringLiteral("Sipariş %1").arg(step);
            SaveOrder(project, form);
        }
        for (int i = 0; i < NewCustomers; ++i)
            addCustomer(QStringLiteral("Müşteri %1").arg(i));
        for (const QString& shown : messages.shown)
            throw DoravelError(shown);
        for (const QString& asked : messages.asked)
            if (!asked.startsWith(OrderSaveTexts::changedElsewhere)) throw DoravelError(asked);
    } catch (const DoravelError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

// One new order for the first customer, as another seat saves it.
int saveOne(const QString& engine, const QString& where) {
    registerFromArguments(engine, where);
    TProject project = designedProject();
    TOrderSave form;
    try {
        ShowSaveDialog(form, project);
        SaveOrder(project, form);
    } catch (const DoravelError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

// Another seat's work on order 1 while this seat has it open: re-saved with the order name
// "Öbür bilgisayar" ("change"), or deleted and a new order saved, which gets number 1 again ("replace").
int touchFirstOrder(const QString& how, const QString& engine, const QString& where) {
    registerFromArguments(engine, where);
    TProject project = designedProject();
    project.orderName = QStringLiteral("Öbür bilgisayar");
    TOrderSave form;
    try {
        ShowSaveDialog(form, project);
        if (how == QLatin1String("change")) {
            if (!reopenInProject(project, 1)) return 2;
        } else if (!OrderStore::deleteOrder(1)) {
            return 2;
        }
        SaveOrder(project, form);
        if (project.sno != QLatin1String("1")) return 3;
    } catch (const DoravelError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

} // namespace

// Several seats on one order database: at the same moment, and with the server going away.
class TestSeats : public QObject {
    Q_OBJECT

    std::unique_ptr<TTestDatabase> m_database;
    std::unique_ptr<TTestFolder> m_folder;

    // Another process of the records layer saves one new order on this test's server database.
    void saveOneOrderInAnotherSeat() {
        QProcess other;
        other.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--save-one"), QStringLiteral("server"), m_database->settings.database});
        QVERIFY(other.waitForFinished(30000));
        QVERIFY2(other.exitCode() == 0, other.readAllStandardError().constData());
    }

    // A fresh database of the row's engine, registered.
    void useEngine(bool server) {
        m_database = std::make_unique<TTestDatabase>(server);
        m_folder = std::make_unique<TTestFolder>();
        RegisterOrderDatabase(TProgramFolder(m_folder->path()), m_database->settings);
    }
    QStringList where(bool server) const {
        return server ? QStringList{QStringLiteral("server"), m_database->settings.database}
                      : QStringList{QStringLiteral("local"), m_folder->path()};
    }

private slots:
    void cleanup() {
        OrderDatabase::close();
        m_database.reset();
        m_folder.reset();
    }

    void twoSeatsSavingAtOnceLoseNothing_data() {
        QTest::addColumn<bool>("server");
        QTest::newRow("local file") << false;
        QTest::newRow("server") << true;
    }
    void twoSeatsSavingAtOnceLoseNothing() {
        QFETCH(bool, server);
        DORAVEL_SKIP_WITHOUT_TEST_SERVER(server);
        TScriptedMessages messages;
        useEngine(server);
        for (const char* name : {"Ali", "Veli", "Ayşe"})
            addCustomer(QString::fromUtf8(name));
        OrderDatabase::close();

        QProcess seats[2];
        for (QProcess& seat : seats)
            seat.start(QCoreApplication::applicationFilePath(), QStringList{QStringLiteral("--seat")} + where(server));
        for (QProcess& seat : seats) {
            QVERIFY(seat.waitForFinished(300000));
            QVERIFY2(seat.exitStatus() == QProcess::NormalExit && seat.exitCode() == 0,
                     seat.readAllStandardError().constData());
        }

        const int orders = 2 * NewOrders;
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM siparis")), orders);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(DISTINCT sno) FROM siparis")), orders);
        QCOMPARE(count(QStringLiteral("SELECT MAX(sno) FROM siparis")), orders);
        for (int door = 1; door <= 6; ++door)
            QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM k%1").arg(door)), orders);
        QCOMPARE(brokenOrders(), 0);
        QCOMPARE(balanceMismatches(), QStringList());
        const int customers = 3 + 2 * NewCustomers;
        QCOMPARE(count(QStringLiteral("SELECT COUNT(DISTINCT Mno) FROM musteri")), customers);
        QCOMPARE(count(QStringLiteral("SELECT MAX(Mno) FROM musteri")), customers);
        QCOMPARE(messages.shown, QStringList());
    }

    // This seat reopens order 1; another seat then re-saves it, or deletes it and saves a new order
    // that gets number 1 again. This seat's re-save overwrites nothing: it says which happened, and
    // saves the design as a new order (Yes) or, for a changed order, reopens the stored one (No).
    void staleResaveOverwritesNothing_data() {
        QTest::addColumn<bool>("server");
        QTest::addColumn<QString>("other");
        QTest::addColumn<bool>("saveAsNew");
        for (bool server : {false, true})
            for (const char* other : {"change", "replace"})
                for (bool saveAsNew : {true, false})
                    QTest::addRow("%s %s %s", server ? "server" : "local file", other,
                                  saveAsNew ? "save as new" : "keep stored")
                        << server << QString::fromLatin1(other) << saveAsNew;
    }
    void staleResaveOverwritesNothing() {
        QFETCH(bool, server);
        QFETCH(QString, other);
        QFETCH(bool, saveAsNew);
        DORAVEL_SKIP_WITHOUT_TEST_SERVER(server);
        TScriptedMessages messages;
        useEngine(server);
        addCustomer(QStringLiteral("Ali"));
        TProject project = designedProject();
        TOrderSave form;
        ShowSaveDialog(form, project);
        form.orderAmount = form.grandTotal = form.remaining = QStringLiteral("700");
        QVERIFY(SaveOrder(project, form));
        QVERIFY(reopenInProject(project, 1));
        const int reopenedSurum = project.surum;
        OrderDatabase::close();

        QProcess seat;
        seat.start(QCoreApplication::applicationFilePath(),
                   QStringList{QStringLiteral("--touch-first"), other} + where(server));
        QVERIFY(seat.waitForFinished(30000));
        QVERIFY2(seat.exitStatus() == QProcess::NormalExit && seat.exitCode() == 0,
                 seat.readAllStandardError().constData());

        project.orderName = QStringLiteral("Bu bilgisayar");
        messages.answers = {saveAsNew};
        QList<int> reopened;
        QVERIFY(SaveOrder(project, form, [&](int sno) { reopened << sno; }));
        QCOMPARE(messages.asked.size(), 1);
        const QString said =
            other == QLatin1String("change") ? OrderSaveTexts::changedElsewhere : OrderSaveTexts::deletedElsewhere;
        QVERIFY2(messages.asked.first().startsWith(said), qPrintable(messages.asked.first()));
        QCOMPARE(OrderStore::readOrder(1)->siparisadi, QStringLiteral("Öbür bilgisayar"));
        if (other == QLatin1String("change")) QCOMPARE(OrderStore::readOrder(1)->surum, reopenedSurum + 1);
        if (saveAsNew) {
            QCOMPARE(OrderStore::orderNumbers(), QList<int>({2, 1}));
            QCOMPARE(OrderStore::readOrder(2)->siparisadi, QStringLiteral("Bu bilgisayar"));
            QCOMPARE(project.sno, QStringLiteral("2"));
        } else {
            QCOMPARE(OrderStore::orderNumbers(), QList<int>({1}));
            QCOMPARE(reopened, other == QLatin1String("change") ? QList<int>({1}) : QList<int>());
        }
        QCOMPARE(reopened.isEmpty(), saveAsNew || other != QLatin1String("change"));
        QCOMPARE(balanceMismatches(), QStringList());
        QCOMPARE(messages.shown, QStringList());
    }

    // A re-save of an order nobody else touched writes over it and raises its save count each time.
    void resaveOfAnUntouchedOrderRaisesItsSaveCount() {
        TScriptedMessages messages;
        useEngine(false);
        addCustomer(QStringLiteral("Ali"));
        TProject project = designedProject();
        TOrderSave form;
        ShowSaveDialog(form, project);
        QVERIFY(SaveOrder(project, form));
        QVERIFY(reopenInProject(project, 1));
        const int first = project.surum;
        for (int save = 1; save <= 2; ++save) {
            project.orderName = QStringLiteral("Kayıt %1").arg(save);
            QVERIFY(SaveOrder(project, form));
            QCOMPARE(OrderStore::readOrder(1)->surum, first + save);
            QCOMPARE(OrderStore::readOrder(1)->siparisadi, project.orderName);
        }
        QCOMPARE(messages.asked, QStringList());
    }

    void anotherSeatsSaveReachesThisSeatsWindows() {
        DORAVEL_SKIP_WITHOUT_TEST_SERVER(true);
        TScriptedMessages messages;
        useEngine(true);
        addCustomer(QStringLiteral("Ali"));
        TSessionEvents events;
        OrderDatabase::announceChangesTo(events);
        QSignalSpy orders(&events, &TSessionEvents::ordersChanged);
        QSignalSpy customers(&events, &TSessionEvents::customersChanged);

        // This seat's own save: its windows are told by its commit, once; the server's echo is not a
        // second time.
        TProject project = designedProject();
        TOrderSave form;
        ShowSaveDialog(form, project);
        QVERIFY(SaveOrder(project, form));
        QTest::qWait(300);
        QCOMPARE(orders.count(), 1);
        QCOMPARE(customers.count(), 1);

        saveOneOrderInAnotherSeat();
        QTRY_COMPARE_WITH_TIMEOUT(orders.count(), 2, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(customers.count(), 2, 5000);
        QCOMPARE(OrderStore::orderNumbers(), QList<int>({2, 1}));
    }

    void stoppedServerGivesTheMessageAndTheSameSaveSucceedsWhenItIsBack() {
        DORAVEL_SKIP_WITHOUT_TEST_SERVER(true);
        if (qEnvironmentVariableIsEmpty("DORAVEL_TEST_PG_BIN") || qEnvironmentVariableIsEmpty("DORAVEL_TEST_PG_DATA"))
            QSKIP("DORAVEL_TEST_PG_BIN and DORAVEL_TEST_PG_DATA are needed to stop the test server");
        TScriptedMessages messages;
        useEngine(true);
        const int customer = addCustomer(QStringLiteral("Ali"));
        TProject project = designedProject();
        TOrderSave form;
        ShowSaveDialog(form, project);
        form.remaining = QStringLiteral("100");
        QVERIFY(SaveOrder(project, form));

        TSessionEvents events;
        OrderDatabase::announceChangesTo(events);
        QSignalSpy orders(&events, &TSessionEvents::ordersChanged);

        TServerStop stop;
        QVERIFY(stop.stopped());
        TProject next = designedProject();
        next.orderName = QStringLiteral("İkinci");
        form.remaining = QStringLiteral("250");
        QVERIFY(!RunGuarded([&] { SaveOrder(next, form); }));
        // The reopened first order cannot be saved either, and nothing can be read.
        project.kayitkontrol = QStringLiteral("eski");
        QVERIFY(!RunGuarded([&] { SaveOrder(project, form); }));
        QVERIFY(!RunGuarded([&] { CustomerStore::all(); }));
        QCOMPARE(messages.shown.size(), 3);
        const QString expected =
            OrderDatabaseTexts::unreachable.arg(m_database->settings.serverName(), QString()).trimmed();
        for (const QString& message : messages.shown)
            QVERIFY2(message.startsWith(expected), qPrintable(message));

        QVERIFY(stop.start());
        messages.shown.clear();
        QVERIFY(RunGuarded([&] { SaveOrder(next, form); }));
        QCOMPARE(next.sno, QStringLiteral("2"));
        QCOMPARE(OrderStore::orderNumbers(), QList<int>({2, 1}));
        QCOMPARE(OrderStore::readOrder(2)->siparisadi, QStringLiteral("İkinci"));
        QCOMPARE(brokenOrders(), 0);
        QCOMPARE(CustomerStore::find(customer)->bakiye, 350.0);
        QCOMPARE(messages.shown, QStringList());

        // A restart while the seat is idle: its next commands connect again without a word.
        {
            TServerStop restart;
            QVERIFY(restart.stopped());
            QVERIFY(restart.start());
        }
        QCOMPARE(CustomerStore::all().size(), 1);
        TProject third = designedProject();
        QVERIFY(RunGuarded([&] { SaveOrder(third, form); }));
        QCOMPARE(third.sno, QStringLiteral("3"));
        {
            TServerStop restart;
            QVERIFY(restart.stopped());
            QVERIFY(restart.start());
        }
        TProject fourth = designedProject();
        QVERIFY(RunGuarded([&] { SaveOrder(fourth, form); }));
        QCOMPARE(fourth.sno, QStringLiteral("4"));
        QCOMPARE(messages.shown, QStringList());
        QCOMPARE(balanceMismatches(), QStringList());

        // The new connection listens again for the other seats.
        orders.clear();
        saveOneOrderInAnotherSeat();
        QTRY_COMPARE_WITH_TIMEOUT(orders.count(), 1, 5000);
    }

    // A server that stops answering without closing anything (frozen, or a network lost without a
    // word): the window's thread waits no longer than the answer bound, the message is the usual one,
    // and once the server answers again the same command works.
    void frozenServerGivesTheMessageWithinTheBoundAndTheNextCommandWorks_data() {
        QTest::addColumn<bool>("save");
        QTest::newRow("reading customers") << false;
        QTest::newRow("saving an order") << true;
    }
    void frozenServerGivesTheMessageWithinTheBoundAndTheNextCommandWorks() {
        QFETCH(bool, save);
        DORAVEL_SKIP_WITHOUT_TEST_SERVER(true);
        if (!TestServerControl::available())
            QSKIP("DORAVEL_TEST_PG_BIN and DORAVEL_TEST_PG_DATA are needed to freeze the test server");
        TScriptedMessages messages;
        useEngine(true);
        addCustomer(QStringLiteral("Ali"));
        TProject project = designedProject();
        TOrderSave form;
        ShowSaveDialog(form, project);
        auto command = [&] {
            if (save) {
                project.kayitkontrol = QStringLiteral("yeni");
                SaveOrder(project, form);
            } else {
                QCOMPARE(CustomerStore::all().size(), 1);
            }
        };

        {
            TServerFreeze freeze;
            QVERIFY(freeze.frozen());
            QElapsedTimer waited;
            waited.start();
            QVERIFY(!RunGuarded(command));
            const qint64 elapsed = waited.elapsed();
            QVERIFY2(elapsed < SqlDialect::answerMilliseconds + 1500, qPrintable(QString::number(elapsed)));
            QCOMPARE(messages.shown.size(), 1);
            QVERIFY2(messages.shown.first().startsWith(
                         OrderDatabaseTexts::unreachable.arg(m_database->settings.serverName(), QString()).trimmed()),
                     qPrintable(messages.shown.first()));
        }
        messages.shown.clear();
        QVERIFY(RunGuarded(command));
        QCOMPARE(messages.shown, QStringList());
        QCOMPARE(OrderStore::orderNumbers().size(), save ? 1 : 0);
        QCOMPARE(brokenOrders(), 0);
        QCOMPARE(balanceMismatches(), QStringList());
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--seat") == 0)
        return seat(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc == 5 && qstrcmp(argv[1], "--touch-first") == 0)
        return touchFirstOrder(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                               QString::fromLocal8Bit(argv[4]));
    if (argc == 4 && qstrcmp(argv[1], "--save-one") == 0)
        return saveOne(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    TestSeats test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_seats.moc"
