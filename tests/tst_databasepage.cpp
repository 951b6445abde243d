#include "records/CustomerStore.h"
#include "records/OrderDatabase.h"
#include "settings/DatabaseSettings.h"
#include "support/EngineSupport.h"
#include "support/WindowTestSupport.h"
#include "ui/Unit1.h"
#include "ui/Unit11.h"
#include "ui/Unit7.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

using Operator::find;
using Operator::typeOver;

// The settings window's "Veritabanı" page and a start on a server that cannot be reached.
class TestDatabasePage : public QObject {
    Q_OBJECT

    std::unique_ptr<TRunningProgram> program;
    QString m_passFile;

    TForm7* settings() { return program->windows->settingsWindow(); }

    // The program (re)started with the settings window open on the database page.
    void openPage() {
        program->start();
        find<QAction>(program->form, "actionSettings")->trigger();
        auto* tabs = find<QTabWidget>(settings(), "PageControl1");
        tabs->setCurrentIndex(tabs->count() - 1);
        QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("Veritabanı"));
    }

    void enterServer(const QString& host, const QString& port, const QString& database, const QString& user,
                     const QString& password = QString()) {
        find<QRadioButton>(settings(), "RadioButton2")->click();
        typeOver(find<QLineEdit>(settings(), "DbHost"), host);
        typeOver(find<QLineEdit>(settings(), "DbPort"), port);
        typeOver(find<QLineEdit>(settings(), "DbName"), database);
        typeOver(find<QLineEdit>(settings(), "DbUser"), user);
        if (!password.isEmpty()) typeOver(find<QLineEdit>(settings(), "DbPassword"), password);
    }

    static QByteArray readAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init() {
        program = std::make_unique<TRunningProgram>();
        // The client library's password file of this test alone.
        m_passFile = program->folder.path() + QStringLiteral("/pgpass");
        qputenv("PGPASSFILE", m_passFile.toLocal8Bit());
    }
    void cleanup() {
        program.reset();
        OrderDatabase::close();
        qunsetenv("PGPASSFILE");
    }

    void localFileIsTheFirstChoiceAndDisablesTheServerEntries() {
        openPage();
        QVERIFY(find<QRadioButton>(settings(), "RadioButton1")->isChecked());
        QCOMPARE(find<QRadioButton>(settings(), "RadioButton1")->text(),
                 QStringLiteral("Bu bilgisayarda (yerel dosya)"));
        QCOMPARE(find<QRadioButton>(settings(), "RadioButton2")->text(), QStringLiteral("Sunucuda (PostgreSQL)"));
        QVERIFY(!find<QLineEdit>(settings(), "DbHost")->isEnabled());
        QVERIFY(!find<QPushButton>(settings(), "DbTest")->isEnabled());
        find<QRadioButton>(settings(), "RadioButton2")->click();
        QVERIFY(find<QLineEdit>(settings(), "DbHost")->isEnabled());
        QVERIFY(find<QPushButton>(settings(), "DbTest")->isEnabled());
        QCOMPARE(find<QLineEdit>(settings(), "DbPort")->text(), QStringLiteral("5432"));
    }

    void savedChoiceOutlivesARestartAndThePasswordStaysOutOfTheSettings() {
        openPage();
        enterServer(QStringLiteral("127.0.0.1"), QStringLiteral("1"), QStringLiteral("dora"), QStringLiteral("ofis"),
                    QStringLiteral("Gizli:Şifre"));
        find<QPushButton>(settings(), "DbSave")->click();
        QCOMPARE(program->messages.shown, QStringList({DatabaseSettingsTexts::restart}));
        QCOMPARE(find<QLineEdit>(settings(), "DbPassword")->text(), QString());
        QVERIFY(!readAll(program->folder.settingsFile()).contains("Gizli"));
        QCOMPARE(QString::fromUtf8(readAll(m_passFile)), QStringLiteral("127.0.0.1:1:dora:ofis:Gizli\\:Şifre\n"));
        QCOMPARE(QFile::permissions(m_passFile) & (QFileDevice::ReadGroup | QFileDevice::ReadOther),
                 QFileDevice::Permissions());

        // The next start connects to the chosen server: it cannot be reached, and says so once.
        program->messages.shown.clear();
        openPage();
        QCOMPARE(OrderDatabase::settings().host, QStringLiteral("127.0.0.1"));
        QCOMPARE(program->messages.shown.size(), 1);
        QVERIFY(find<QRadioButton>(settings(), "RadioButton2")->isChecked());
        QCOMPARE(find<QLineEdit>(settings(), "DbHost")->text(), QStringLiteral("127.0.0.1"));
        QCOMPARE(find<QLineEdit>(settings(), "DbPort")->text(), QStringLiteral("1"));
        QCOMPARE(find<QLineEdit>(settings(), "DbName")->text(), QStringLiteral("dora"));
        QCOMPARE(find<QLineEdit>(settings(), "DbUser")->text(), QStringLiteral("ofis"));
        QCOMPARE(find<QLineEdit>(settings(), "DbPassword")->text(), QString());

        // Back to the local file.
        find<QRadioButton>(settings(), "RadioButton1")->click();
        find<QPushButton>(settings(), "DbSave")->click();
        QCOMPARE(LoadDatabaseSettings(*program->session->store).onServer(), false);
    }

    void missingEntryIsRefusedAndNothingStored_data() {
        QTest::addColumn<QStringList>("entries"); // host, port, database, user
        QTest::addColumn<QString>("message");
        QTest::newRow("host") << QStringList{"", "5432", "dora", "ofis"} << DatabaseSettingsTexts::noHost;
        QTest::newRow("port not a number")
            << QStringList{"sunucu", "54a", "dora", "ofis"} << DatabaseSettingsTexts::badPort;
        QTest::newRow("port too large") << QStringList{"sunucu", "70000", "dora", "ofis"}
                                        << DatabaseSettingsTexts::badPort;
        QTest::newRow("database") << QStringList{"sunucu", "5432", " ", "ofis"} << DatabaseSettingsTexts::noDatabase;
        QTest::newRow("user") << QStringList{"sunucu", "5432", "dora", ""} << DatabaseSettingsTexts::noUser;
    }
    void missingEntryIsRefusedAndNothingStored() {
        QFETCH(QStringList, entries);
        QFETCH(QString, message);
        openPage();
        enterServer(entries[0], entries[1], entries[2], entries[3], QStringLiteral("parola"));
        find<QPushButton>(settings(), "DbSave")->click();
        find<QPushButton>(settings(), "DbTest")->click();
        QCOMPARE(program->messages.shown, QStringList({message, message}));
        QVERIFY(!LoadDatabaseSettings(*program->session->store).onServer());
        QVERIFY(!QFile::exists(m_passFile));
    }

    void testingTheConnectionReportsTheServersMessage() {
        openPage();
        const QString missing = program->folder.path() + QStringLiteral("/no-server");
        enterServer(missing, QStringLiteral("5432"), QStringLiteral("dora"), QStringLiteral("ofis"));
        find<QPushButton>(settings(), "DbTest")->click();
        QCOMPARE(program->messages.shown.size(), 1);
        QVERIFY2(program->messages.shown.first().contains(missing), qPrintable(program->messages.shown.first()));
        QVERIFY(!program->messages.shown.first().startsWith(QStringLiteral("Bağlantı başarılı")));
        // Testing stores nothing.
        QVERIFY(!LoadDatabaseSettings(*program->session->store).onServer());
    }

    void testingTheConnectionToARunningServerSucceeds() {
        DORAVEL_SKIP_WITHOUT_TEST_SERVER(true);
        const TDatabaseSettings server = TTestDatabase::serverSettings(QStringLiteral("postgres"));
        openPage();
        enterServer(server.host, QString::number(server.port), server.database, server.user);
        find<QPushButton>(settings(), "DbTest")->click();
        QCOMPARE(program->messages.shown.size(), 1);
        QVERIFY2(program->messages.shown.first().startsWith(
                     QStringLiteral("Bağlantı başarılı: %1").arg(server.serverName())),
                 qPrintable(program->messages.shown.first()));
        QVERIFY(program->messages.shown.first().contains(QStringLiteral("PostgreSQL")));
    }

    void unreachableServerAtStartIsReportedOnceAndByEveryRecordsCommand() {
        TTestDatabase database(false);
        database.settings.engine = TDatabaseSettings::Engine::Server;
        database.settings.host = program->folder.path() + QStringLiteral("/no-server");
        database.settings.database = QStringLiteral("dora");
        database.settings.user = QStringLiteral("ofis");
        database.storeIn(program->folder.settingsFile());
        program->start();
        QCOMPARE(program->messages.shown.size(), 1);
        const QString message = program->messages.shown.first();
        QVERIFY2(
            message.startsWith(QStringLiteral("Sipariş veritabanı sunucusuna ulaşılamıyor: %1:5432, veritabanı dora")
                                   .arg(database.settings.host)),
            qPrintable(message));
        QVERIFY(program->form->isVisible());
        find<QAction>(program->form, "actionCustomers")->trigger();
        QCOMPARE(program->messages.shown.size(), 2);
        QVERIFY(
            program->messages.shown.last().startsWith(QStringLiteral("Sipariş veritabanı sunucusuna ulaşılamıyor")));
        QVERIFY(!QFile::exists(program->folder.dbFile(OrderDatabase::fileName)));
    }
};

QTEST_MAIN(TestDatabasePage)
#include "tst_databasepage.moc"
