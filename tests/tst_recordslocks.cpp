#include "model/Errors.h"
#include "model/Messages.h"
#include "records/SqlDialect.h"
#include "support/RawDatabase.h"
#include "support/RecordsFixture.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include <stdexcept>

using namespace RecordsSupport;

// Another process holds a lock on the order database from before the program starts: a command says
// at once that the records are busy, stores nothing, and succeeds when repeated after the lock goes.
class TestRecordsLocks : public QObject, private TRecordsFixture {
    Q_OBJECT

    std::unique_ptr<TScriptedMessages> m_messages;
    QProcess m_holder;

    QString dbFile() const { return m_folder->dbFile(OrderDatabase::fileName); }

    // The engine's own shell, in a transaction that holds what `statements` lock until release().
    bool hold(const QString& statements) {
        if (TTestDatabase::onServer()) {
            const TDatabaseSettings& s = m_database->settings;
            m_holder.start(QStringLiteral("psql"), {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-h"),
                                                    s.host, QStringLiteral("-p"), QString::number(s.port),
                                                    QStringLiteral("-U"), s.user, QStringLiteral("-d"), s.database});
        } else {
            m_holder.start(QStringLiteral("sqlite3"), {dbFile()});
        }
        if (!m_holder.waitForStarted()) return false;
        m_holder.write((statements + QStringLiteral("\nSELECT 'held';\n")).toUtf8());
        QByteArray output;
        QElapsedTimer timer;
        timer.start();
        while (!output.contains("held") && timer.elapsed() < 10000)
            if (m_holder.waitForReadyRead(500)) output += m_holder.readAllStandardOutput();
        return output.contains("held");
    }
    void release() {
        m_holder.write("ROLLBACK;\n");
        m_holder.closeWriteChannel();
        QVERIFY(m_holder.waitForFinished(10000));
    }

    // The program as it starts: the database bound anew, nothing opened yet.
    void startProgram() {
        OrderDatabase::close();
        RegisterOrderDatabase(m_session->folder, m_database->settings);
    }

    // Runs `command` as an event would and returns how long it took to its message.
    qint64 refusedAfter(const std::function<void()>& command) {
        QElapsedTimer timer;
        timer.start();
        const bool ran = RunGuarded(command);
        const qint64 elapsed = timer.elapsed();
        if (ran) return -1;
        return elapsed;
    }

private slots:
    void init() {
        DORAVEL_SKIP_WITHOUT_TEST_SERVER(TTestDatabase::onServer());
        m_messages = std::make_unique<TScriptedMessages>();
        openRecords();
        addCustomer(QStringLiteral("Ayşe"));
        storeOrder(1, QStringLiteral("Ayşe"), QDate(2026, 12, 1), 100);
    }
    void cleanup() {
        if (m_holder.state() != QProcess::NotRunning) {
            m_holder.kill();
            m_holder.waitForFinished();
        }
        closeRecords();
        m_messages.reset();
    }

    // A write waits no longer than the bound, then says so; after the lock goes it is simply repeated.
    void heldWriteLockGivesTheBusyMessageAndTheRetrySucceeds() {
        startProgram();
        QVERIFY(hold(TTestDatabase::onServer() ? QStringLiteral("BEGIN; LOCK TABLE siparis, musteri IN EXCLUSIVE MODE;")
                                               : QStringLiteral("BEGIN IMMEDIATE;")));
        const qint64 elapsed = refusedAfter([] { addCustomer(QStringLiteral("Mehmet")); });
        QVERIFY2(elapsed >= 0, "the save went through the held lock");
        QVERIFY2(elapsed < SqlDialect::lockWaitMilliseconds + 2000, qPrintable(QString::number(elapsed)));
        QCOMPARE(m_messages->shown, QStringList(OrderDatabaseTexts::busy));
        // Reads go on while another seat writes.
        QCOMPARE(OrderStore::orderNumbers(), QList<int>({1}));
        release();
        QCOMPARE(CustomerStore::all().size(), 1);
        QCOMPARE(addCustomer(QStringLiteral("Mehmet")), 2);
        QCOMPARE(CustomerStore::all().size(), 2);
    }

    // On the server a table locked whole holds up even a read: it too ends with the message in time.
    void tableLockedWholeGivesTheBusyMessageToAReader() {
        if (!TTestDatabase::onServer()) QSKIP("on the local file a reader never waits for a writer");
        startProgram();
        OrderDatabase::open();
        QVERIFY(hold(QStringLiteral("BEGIN; LOCK TABLE siparis IN ACCESS EXCLUSIVE MODE;")));
        const qint64 elapsed = refusedAfter([] { OrderStore::orderNumbers(); });
        QVERIFY2(elapsed >= 0, "the read went through the held lock");
        QVERIFY2(elapsed < SqlDialect::lockWaitMilliseconds + 2000, qPrintable(QString::number(elapsed)));
        QCOMPARE(m_messages->shown, QStringList(OrderDatabaseTexts::busy));
        release();
        QCOMPARE(OrderStore::orderNumbers(), QList<int>({1}));
    }

    // An upgrade that cannot take the schema lock changes nothing and is tried again at the next use.
    void upgradeWithoutTheSchemaLockIsTriedAgainAtTheNextUse() {
        OrderDatabase::open();
        {
            TRawDatabase raw(m_database->settings, dbFile());
            QVERIFY(raw.exec(QStringLiteral("DELETE FROM dora_schema")));
        }
        startProgram();
        QVERIFY(hold(TTestDatabase::onServer() ? QStringLiteral("SELECT pg_advisory_lock(2026121115);")
                                               : QStringLiteral("BEGIN IMMEDIATE;")));
        const qint64 elapsed = refusedAfter([] { OrderStore::orderNumbers(); });
        QVERIFY2(elapsed >= 0, "the upgrade went through the held lock");
        QVERIFY2(elapsed < SqlDialect::lockWaitMilliseconds + 2000, qPrintable(QString::number(elapsed)));
        QCOMPARE(m_messages->shown, QStringList(OrderDatabaseTexts::busy));
        {
            TRawDatabase raw(m_database->settings, dbFile());
            QCOMPARE(raw.count(QStringLiteral("SELECT COUNT(*) FROM dora_schema")), 0);
        }
        release();
        QCOMPARE(OrderStore::orderNumbers(), QList<int>({1}));
        QCOMPARE(count(QStringLiteral("SELECT version FROM dora_schema")), OrderDatabase::schemaVersion);
    }

    void writeTransactionInsideAnotherIsAProgrammingError() {
        TWriteTransaction outer;
        QVERIFY_THROWS_EXCEPTION(std::logic_error, TWriteTransaction());
    }
};

QTEST_MAIN(TestRecordsLocks)
#include "tst_recordslocks.moc"
