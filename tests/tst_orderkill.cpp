#include "model/Errors.h"
#include "model/ProgramFolder.h"
#include "session/OrderSave.h"
#include "records/OrderStore.h"
#include "support/EngineSupport.h"
#include "support/RecordsSupport.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>

#include <cstdio>

using namespace RecordsSupport;

namespace {

// The child: saves new orders and re-saves stored ones for random customers until it is killed.
// `database` names the test server's database, or is empty for the folder's local file.
int saveLoop(const QString& folder, const QString& database) {
    if (database.isEmpty())
        RegisterOrderDatabase(TProgramFolder(folder));
    else
        RegisterOrderDatabase(TProgramFolder(folder), TTestDatabase::serverSettings(database));
    QRandomGenerator random(quint32(QCoreApplication::applicationPid()));
    TProject project = designedProject();
    TOrderSave form;
    for (int step = 0;; ++step) {
        try {
            form.customers = CustomerStore::all();
            ChooseCustomer(form, int(random.bounded(form.customers.size())));
            form.orderAmount = form.grandTotal = QString::number(random.bounded(5000));
            form.received = QString::number(random.bounded(6000));
            form.remaining = QString::number(form.grandTotal.toInt() - form.received.toInt());
            const QList<int> numbers = OrderStore::orderNumbers();
            const quint32 kind = random.bounded(10);
            if (kind < 3 && !numbers.isEmpty()) {
                project.kayitkontrol = QStringLiteral("eski");
                project.sno = QString::number(numbers[int(random.bounded(numbers.size()))]);
            } else if (kind == 3 && !numbers.isEmpty()) {
                OrderStore::deleteOrder(numbers[int(random.bounded(numbers.size()))]);
                continue;
            } else {
                project.kayitkontrol = QStringLiteral("yeni");
            }
            project.orderName = QStringLiteral("Sipariş %1").arg(step);
            SaveOrder(project, form);
        } catch (const DoravelError& error) {
            std::fprintf(stderr, "%s\n", error.what());
            return 1;
        }
        std::printf("%d\n", step);
        std::fflush(stdout);
    }
}

} // namespace

// A process killed in the middle of saving leaves every order whole and every balance right.
class TestOrderKill : public QObject {
    Q_OBJECT

private slots:
    void killedWhileSavingLeavesEveryOrderWhole() {
        DORAVEL_SKIP_WITHOUT_TEST_SERVER(TTestDatabase::onServer());
        TScriptedMessages messages;
        TTestDatabase database;
        TTestFolder folder;
        RegisterOrderDatabase(TProgramFolder(folder.path()), database.settings);
        for (const char* name : {"Ali", "Veli", "Ayşe"})
            addCustomer(QString::fromUtf8(name));
        int kills = 0;
        while (kills < 60) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--save-loop"), folder.path(), database.settings.database});
            QVERIFY(child.waitForStarted());
            QVERIFY2(child.waitForReadyRead(20000), child.readAllStandardError().constData());
            QThread::usleep(QRandomGenerator::global()->bounded(30000));
            child.kill();
            child.waitForFinished();
            QVERIFY2(child.exitStatus() == QProcess::CrashExit, child.readAllStandardError().constData());
            ++kills;
            QCOMPARE(brokenOrders(), 0);
            QCOMPARE(balanceMismatches(), QStringList());
        }
        QVERIFY(OrderStore::orderNumbers().size() > 20);
        OrderDatabase::close();
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--save-loop") == 0)
        return saveLoop(QString::fromLocal8Bit(argv[2]),
                        TTestDatabase::onServer() ? QString::fromLocal8Bit(argv[3]) : QString());
    TestOrderKill test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_orderkill.moc"
