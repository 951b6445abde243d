#include "model/Errors.h"
#include "model/Messages.h"
#include "records/SchemaSteps.h"
#include "support/RawDatabase.h"
#include "support/RecordsFixture.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace RecordsSupport;

// The order database brought up to this program's schema: a version-1 database written by the first
// program with versions (the local file and the same records on the server), one without a version
// row, and a newer one refused.
class TestSchemaUpgrade : public QObject, private TRecordsFixture {
    Q_OBJECT

    std::unique_ptr<TScriptedMessages> m_messages;

    QString dbFile() const { return m_folder->dbFile(OrderDatabase::fileName); }

    // The version-1 records in the test's database, not yet opened by the program.
    void storeVersion1() {
        OrderDatabase::close();
        if (TTestDatabase::onServer()) {
            TRawDatabase raw(m_database->settings, QString());
            QVERIFY(raw.execScript(QStringLiteral(DORAVEL_TEST_DATA "/records/dora-v1.sql")));
            return;
        }
        QDir().mkpath(QFileInfo(dbFile()).absolutePath());
        QVERIFY(QFile::copy(QStringLiteral(DORAVEL_TEST_DATA "/records/dora-v1.sqlite"), dbFile()));
        QFile(dbFile()).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }

    QStringList backups() const {
        return QDir(QFileInfo(dbFile()).absolutePath() + QStringLiteral("/yedek"))
            .entryList({QStringLiteral("*.sqlite")}, QDir::Files);
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

    void stepsRiseByOneUpToTheProgramsVersion() {
        const std::vector<TSchemaStep>& steps = SchemaSteps::all();
        for (size_t i = 0; i < steps.size(); ++i) {
            QCOMPARE(steps[i].version, int(i) + 1);
            QVERIFY(steps[i].apply);
        }
        QCOMPARE(steps.back().version, OrderDatabase::schemaVersion);
    }

    // The first use brings the database up to date without a word; every stored value stays, the
    // balances still equal the sums, and a local file is copied aside before anything changes.
    void version1DatabaseIsUpgradedWithItsRecordsUnchanged_data() {
        QTest::addColumn<bool>("withoutVersionRow");
        QTest::newRow("as written") << false;
        QTest::newRow("without version row") << true;
    }
    void version1DatabaseIsUpgradedWithItsRecordsUnchanged() {
        QFETCH(bool, withoutVersionRow);
        storeVersion1();
        QStringList before;
        {
            TRawDatabase raw(m_database->settings, dbFile());
            if (withoutVersionRow) QVERIFY(raw.exec(QStringLiteral("DROP TABLE dora_schema")));
            before = raw.contents();
        }
        QCOMPARE(before.filter(QStringLiteral(":sno=")).size(), 8);

        const bool upgrades = withoutVersionRow || OrderDatabase::schemaVersion > 1;
        QCOMPARE(OrderStore::orderNumbers(), QList<int>({8, 7, 6, 5, 4, 3, 2, 1}));
        QVERIFY(m_messages->shown.isEmpty());
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM dora_schema")), 1);
        QCOMPARE(count(QStringLiteral("SELECT version FROM dora_schema")), OrderDatabase::schemaVersion);
        QCOMPARE(balanceMismatches(), QStringList());
        QCOMPARE(OrderStore::readOrder(8)->note, QStringLiteral("Kapı kolu ayrı; 'özel' renk"));
        QCOMPARE(CustomerStore::find(3)->bakiye, 2750.0);
        // Every stored order counts as saved once.
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM siparis WHERE surum = 1")), 8);
        QCOMPARE(OrderStore::readOrder(8)->surum, 1);
        OrderDatabase::close();

        TRawDatabase raw(m_database->settings, dbFile());
        const QStringList after = raw.contents();
        for (const QString& line : before)
            QVERIFY2(after.contains(line), qPrintable(line));
        if (!TTestDatabase::onServer()) QCOMPARE(backups().size(), upgrades ? 1 : 0);
    }

    // The copy aside holds the records as they were before the upgrade.
    void localFileIsCopiedAsideBeforeItsUpgrade() {
        if (TTestDatabase::onServer()) QSKIP("a server database is the server's to back up");
        storeVersion1();
        {
            TRawDatabase raw(m_database->settings, dbFile());
            QVERIFY(raw.exec(QStringLiteral("DELETE FROM dora_schema")));
        }
        OrderDatabase::open();
        OrderDatabase::close();
        QCOMPARE(backups().size(), 1);
        const QString copy = QFileInfo(dbFile()).absolutePath() + QStringLiteral("/yedek/") + backups().first();
        QVERIFY2(copy.contains(QStringLiteral("dora-surum1-")), qPrintable(copy));
        TRawDatabase raw(m_database->settings, copy);
        QCOMPARE(raw.count(QStringLiteral("SELECT COUNT(*) FROM dora_schema")), 0);
        QCOMPARE(raw.count(QStringLiteral("SELECT COUNT(*) FROM siparis")), 8);
    }

    // A database a newer program wrote is refused on every use and left as it was, byte for byte.
    void newerDatabaseIsRefusedAndLeftAsItWas() {
        storeVersion1();
        QStringList before;
        {
            TRawDatabase raw(m_database->settings, dbFile());
            QVERIFY(
                raw.exec(QStringLiteral("UPDATE dora_schema SET version = %1").arg(OrderDatabase::schemaVersion + 1)));
            before = raw.contents();
        }
        auto bytes = [&] {
            QFile file(dbFile());
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        const QByteArray fileBefore = bytes();
        for (int use = 0; use < 2; ++use)
            QVERIFY(!RunGuarded([] { OrderStore::orderNumbers(); }));
        QCOMPARE(m_messages->shown, QStringList(2, OrderDatabaseTexts::newerSchema.arg(OrderDatabase::schemaVersion + 1)
                                                       .arg(OrderDatabase::schemaVersion)));
        OrderDatabase::close();
        QCOMPARE(bytes(), fileBefore);
        QVERIFY(backups().isEmpty());
        TRawDatabase raw(m_database->settings, dbFile());
        QCOMPARE(raw.contents(), before);
    }
};

QTEST_MAIN(TestSchemaUpgrade)
#include "tst_schemaupgrade.moc"
