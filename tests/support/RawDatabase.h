#pragma once

#include "records/OrderDatabase.h"
#include "records/OrderSchema.h"
#include "settings/DatabaseSettings.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QTest>

// A connection of the test's own to the order database, beside the program's: it reads and writes the
// tables as they are, without the program's checks and upgrades.
class TRawDatabase {
public:
    TRawDatabase(const TDatabaseSettings& settings, const QString& file) {
        QSqlDatabase db = QSqlDatabase::addDatabase(
            settings.onServer() ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"), k_name);
        if (settings.onServer()) {
            db.setHostName(settings.host);
            db.setPort(settings.port);
            db.setDatabaseName(settings.database);
            db.setUserName(settings.user);
        } else {
            db.setDatabaseName(file);
        }
        if (!db.open()) qFatal("raw database: %s", qPrintable(db.lastError().text()));
    }
    ~TRawDatabase() {
        QSqlDatabase::database(k_name, false).close();
        QSqlDatabase::removeDatabase(k_name);
    }
    TRawDatabase(const TRawDatabase&) = delete;
    TRawDatabase& operator=(const TRawDatabase&) = delete;

    bool exec(const QString& sql) {
        QSqlQuery query(QSqlDatabase::database(k_name, false));
        if (query.exec(sql)) return true;
        qWarning("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
        return false;
    }

    // Runs a script of statements each ending with ";" at a line's end.
    bool execScript(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return false;
        const QString script = QString::fromUtf8(file.readAll());
        for (const QString& statement : script.split(QStringLiteral(";\n"), Qt::SkipEmptyParts))
            if (!statement.trimmed().isEmpty() && !exec(statement)) return false;
        return true;
    }

    // Every stored value of every table, one line "table:key:field=value" each, in key order: what an
    // upgrade must keep (a later version may add fields and tables, never change these).
    QStringList contents() {
        QStringList lines;
        for (const QString& table : OrderSchema::tableNames()) {
            const QString key = table == QLatin1String("siparis")   ? QStringLiteral("sno")
                                : table == QLatin1String("musteri") ? QStringLiteral("Mno")
                                                                    : QStringLiteral("Siparisno");
            QSqlQuery query(QSqlDatabase::database(k_name, false));
            if (!query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY %2").arg(table, key))) return {};
            while (query.next()) {
                const QSqlRecord record = query.record();
                const QString row = table + QLatin1Char(':') + query.value(key).toString() + QLatin1Char(':');
                for (int i = 0; i < record.count(); ++i)
                    lines << row + record.fieldName(i).toLower() + QLatin1Char('=') + query.value(i).toString();
            }
        }
        return lines;
    }

    int count(const QString& sql) {
        QSqlQuery query(QSqlDatabase::database(k_name, false));
        return query.exec(sql) && query.next() ? query.value(0).toInt() : -1;
    }

private:
    inline static const QString k_name = QStringLiteral("dora_test_raw");
};
