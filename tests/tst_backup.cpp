#include "model/Errors.h"
#include "records/Backup.h"
#include "session/BackupCommands.h"
#include "support/RecordsFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

using namespace RecordsSupport;

// The daily copies of the local order database and their restoring.
class TestBackup : public QObject, private TRecordsFixture {
    Q_OBJECT

    std::unique_ptr<TScriptedMessages> m_messages;

    QString databaseFile() const { return m_folder->dbFile(OrderDatabase::fileName); }
    QString copyOf(const QDate& day) const {
        return QDir(Backup::folder(m_session->folder)).filePath(Backup::copyName(day));
    }
    QString dailyCopy() { return Backup::makeDailyCopy(m_session->folder, m_database->settings); }

    // Orders of the database file at `path`, read on a connection of its own.
    static int ordersIn(const QString& path) {
        int orders = -1;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("look"));
            db.setDatabaseName(path);
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
            if (db.open()) {
                QSqlQuery query(db);
                if (query.exec(QStringLiteral("SELECT COUNT(*) FROM siparis")) && query.next())
                    orders = query.value(0).toInt();
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("look"));
        return orders;
    }

    QStringList folderEntries() const {
        return QDir(Backup::folder(m_session->folder)).entryList(QDir::Files, QDir::Name);
    }

private slots:
    void init() {
        DORAVEL_SKIP_WITHOUT_TEST_SERVER(TTestDatabase::onServer());
        m_messages = std::make_unique<TScriptedMessages>();
        openRecords();
    }
    void cleanup() {
        closeRecords();
        m_messages.reset();
    }

    // The first start of a day copies the database whole, with what its log holds; later starts that
    // day copy nothing; the next day gets its own copy.
    void firstStartOfEachDayMakesOneWholeCopy() {
        if (TTestDatabase::onServer()) {
            const int customer = addCustomer(QStringLiteral("Örnek"));
            storeOrder(customer, QStringLiteral("Örnek"), QDate(2026, 12, 1));
            QCOMPARE(dailyCopy(), QString());
            QVERIFY(!QFileInfo::exists(Backup::folder(m_session->folder)));
            return;
        }
        QCOMPARE(dailyCopy(), QString()); // no database yet
        const int customer = addCustomer(QStringLiteral("Örnek"));
        for (int i = 0; i < 3; ++i)
            storeOrder(customer, QStringLiteral("Örnek"), QDate(2026, 12, 1 + i));
        // The program keeps its connection open: the copy must hold the committed orders all the same.
        QCOMPARE(dailyCopy(), copyOf(QDate(2026, 12, 10)));
        QCOMPARE(ordersIn(copyOf(QDate(2026, 12, 10))), 3);
        storeOrder(customer, QStringLiteral("Örnek"), QDate(2026, 12, 4));
        QCOMPARE(dailyCopy(), QString());
        QCOMPARE(ordersIn(copyOf(QDate(2026, 12, 10))), 3);
        Clock::setFixedToday(QDate(2026, 12, 11));
        QCOMPARE(dailyCopy(), copyOf(QDate(2026, 12, 11)));
        QCOMPARE(ordersIn(copyOf(QDate(2026, 12, 11))), 4);
        QCOMPARE(folderEntries(),
                 QStringList({Backup::copyName(QDate(2026, 12, 10)), Backup::copyName(QDate(2026, 12, 11))}));
        QCOMPARE(Backup::copies(m_session->folder).first().day, QDate(2026, 12, 11));
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM siparis")), 4);
    }

    // Copies are kept thirty days; other files of the folder are never removed.
    void copiesOlderThanThirtyDaysAreRemoved() {
        if (TTestDatabase::onServer()) QSKIP("copies are made of the local file only");
        addCustomer(QStringLiteral("Örnek"));
        QDir().mkpath(Backup::folder(m_session->folder));
        const QDate today(2026, 12, 10);
        for (int age : {45, 30, 29, 1}) {
            QFile file(copyOf(today.addDays(-age)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const QString kept = QStringLiteral("dora-oncesi-2026-10-01-120000.sqlite");
        QFile other(QDir(Backup::folder(m_session->folder)).filePath(kept));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.close();
        dailyCopy();
        QCOMPARE(folderEntries(), QStringList({Backup::copyName(today.addDays(-29)),
                                               Backup::copyName(today.addDays(-1)), Backup::copyName(today), kept}));
    }

    // Restoring asks first (Enter answers No), keeps the current file aside and brings back the copy's
    // records; No changes nothing.
    void restoreReplacesTheDatabaseAfterYesKeepingTheCurrentAside() {
        if (TTestDatabase::onServer()) {
            QCOMPARE(RunGuarded([&] { RestoreBackup(m_session->folder, m_database->settings, QStringLiteral("x")); }),
                     false);
            QCOMPARE(m_messages->shown, QStringList({BackupTexts::onServer}));
            return;
        }
        const int customer = addCustomer(QStringLiteral("Örnek"));
        storeOrder(customer, QStringLiteral("Örnek"), QDate(2026, 12, 1), 100);
        const QString copy = dailyCopy();
        storeOrder(customer, QStringLiteral("Örnek"), QDate(2026, 12, 2), 50);

        m_messages->answers = {false};
        QVERIFY(!RestoreBackup(m_session->folder, m_database->settings, copy));
        QCOMPARE(m_messages->asked.size(), 1);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM siparis")), 2);

        m_messages->answers = {true};
        QVERIFY(RestoreBackup(m_session->folder, m_database->settings, copy));
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM siparis")), 1);
        QCOMPARE(balanceMismatches(), QStringList());
        QCOMPARE(CustomerStore::find(customer)->bakiye, 100.0);
        QCOMPARE(m_messages->shown.last(), BackupTexts::restored.arg(QFileInfo(copy).fileName()));
        // The database as it was before, with both orders, waits in the backup folder.
        QStringList aside =
            QDir(Backup::folder(m_session->folder)).entryList({QStringLiteral("dora-oncesi-*.sqlite")}, QDir::Files);
        QCOMPARE(aside.size(), 1);
        OrderDatabase::close();
        QCOMPARE(ordersIn(QDir(Backup::folder(m_session->folder)).filePath(aside.first())), 2);
        QCOMPARE(ordersIn(copy), 1);
    }

    // A file that is not a sound order database is refused before the question; nothing changes.
    void unsoundCopyIsRefusedAndNothingChanges_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("not a database") << QByteArray(8192, 'x');
        QTest::newRow("empty file") << QByteArray();
    }
    void unsoundCopyIsRefusedAndNothingChanges() {
        if (TTestDatabase::onServer()) QSKIP("copies are made of the local file only");
        QFETCH(QByteArray, content);
        const int customer = addCustomer(QStringLiteral("Örnek"));
        storeOrder(customer, QStringLiteral("Örnek"), QDate(2026, 12, 1));
        QDir().mkpath(Backup::folder(m_session->folder));
        const QString bad = copyOf(QDate(2026, 12, 9));
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        QVERIFY(!RunGuarded([&] { RestoreBackup(m_session->folder, m_database->settings, bad); }));
        QCOMPARE(m_messages->asked, QStringList());
        QCOMPARE(m_messages->shown.size(), 1);
        QVERIFY2(
            m_messages->shown.first().startsWith(BackupTexts::notADatabase.arg(QDir::toNativeSeparators(bad)).left(20)),
            qPrintable(m_messages->shown.first()));
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM siparis")), 1);
        QCOMPARE(folderEntries(), QStringList({Backup::copyName(QDate(2026, 12, 9))}));
    }
};

QTEST_GUILESS_MAIN(TestBackup)
#include "tst_backup.moc"
