#include "BenchServer.h"

#include "records/OrderDatabase.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cstdio>

namespace {

TDatabaseSettings serverDatabase(const QString& database) {
    TDatabaseSettings settings;
    settings.engine = TDatabaseSettings::Engine::Server;
    settings.host = qEnvironmentVariable("DORAVEL_TEST_PG_HOST");
    settings.port = qEnvironmentVariableIntValue("DORAVEL_TEST_PG_PORT");
    settings.user = qEnvironmentVariable("DORAVEL_TEST_PG_USER");
    settings.database = database;
    return settings;
}

} // namespace

bool TBenchServer::configured() {
    return !qEnvironmentVariableIsEmpty("DORAVEL_TEST_PG_HOST");
}

TBenchServer::TBenchServer()
    : m_settings(serverDatabase(QStringLiteral("dora_bench_%1").arg(QCoreApplication::applicationPid()))) {
    m_created = command(QStringLiteral("CREATE DATABASE %1").arg(m_settings.database));
}

TBenchServer::~TBenchServer() {
    if (!m_created) return;
    OrderDatabase::close();
    command(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_settings.database));
}

// CREATE or DROP DATABASE, which cannot run inside a transaction, on the server's maintenance database.
bool TBenchServer::command(const QString& sql) {
    const QString connection = QStringLiteral("bench_admin");
    bool done = false;
    {
        const TDatabaseSettings server = serverDatabase(QStringLiteral("postgres"));
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
        db.setHostName(server.host);
        db.setPort(server.port);
        db.setUserName(server.user);
        db.setDatabaseName(server.database);
        if (!db.open()) {
            std::fprintf(stderr, "%s\n", qPrintable(db.lastError().text()));
        } else {
            QSqlQuery query(db);
            done = query.exec(sql);
            if (!done) std::fprintf(stderr, "%s\n", qPrintable(query.lastError().text()));
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return done;
}
