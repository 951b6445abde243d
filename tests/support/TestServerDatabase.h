#pragma once

#include "records/OrderDatabase.h"
#include "settings/DatabaseSettings.h"
#include "settings/ProfileStore.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

// The engine a records test runs on. A test program registered a second time with
// DORAVEL_TEST_ENGINE=postgresql runs every case on a fresh database of the test server that
// scripts/test.sh starts (DORAVEL_TEST_PG_HOST, _PORT, _USER); without that server those cases skip.
// The records benchmark uses the same server the same way.
class TTestDatabase {
public:
    static bool onServer() { return qEnvironmentVariable("DORAVEL_TEST_ENGINE") == QLatin1String("postgresql"); }
    static bool serverAvailable() { return !qEnvironmentVariableIsEmpty("DORAVEL_TEST_PG_HOST"); }

    // The test server with the named database.
    static TDatabaseSettings serverSettings(const QString& database) {
        TDatabaseSettings settings;
        settings.engine = TDatabaseSettings::Engine::Server;
        settings.host = qEnvironmentVariable("DORAVEL_TEST_PG_HOST");
        settings.port = qEnvironmentVariableIntValue("DORAVEL_TEST_PG_PORT");
        settings.user = qEnvironmentVariable("DORAVEL_TEST_PG_USER");
        settings.database = database;
        return settings;
    }

    // The local file (nothing to do), or a new empty database on the test server.
    explicit TTestDatabase(bool server = onServer()) {
        if (!server) return;
        static int counter = 0;
        m_name = QStringLiteral("dora_t%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
        admin(QStringLiteral("CREATE DATABASE %1").arg(m_name));
        settings = serverSettings(m_name);
    }
    ~TTestDatabase() {
        if (m_name.isEmpty()) return;
        OrderDatabase::close();
        admin(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_name));
    }
    TTestDatabase(const TTestDatabase&) = delete;
    TTestDatabase& operator=(const TTestDatabase&) = delete;

    // The choice stored in a settings file, as the program reads it at start.
    void storeIn(const QString& settingsFile) const {
        auto store = TProfileStore::openFile(settingsFile);
        SaveDatabaseSettings(*store, settings, QString(), QString());
    }

    TDatabaseSettings settings;

private:
    static void admin(const QString& sql) {
        const QString name = QStringLiteral("dora_test_admin");
        QSqlDatabase db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                                       : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        const TDatabaseSettings server = serverSettings(QStringLiteral("postgres"));
        db.setHostName(server.host);
        db.setPort(server.port);
        db.setUserName(server.user);
        db.setDatabaseName(server.database);
        // Once more on a new connection when a restart of the server dropped the old one.
        for (int attempt = 1;; ++attempt) {
            if (!db.isOpen() && !db.open()) qFatal("test server: %s", qPrintable(db.lastError().text()));
            QSqlQuery query(db);
            if (query.exec(sql)) return;
            if (attempt == 2) qFatal("test server: %s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
            db.close();
        }
    }

    QString m_name;
};
