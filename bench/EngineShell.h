#pragma once

#include "settings/DatabaseSettings.h"

#include <QString>

#include <functional>

// The database engine's own command-line shell on the benchmark's database: sqlite3 on the local
// file, psql on the server. What it takes to run a statement there is the floor the program's own
// figures are compared with.
class TEngineShell {
public:
    TEngineShell(const TDatabaseSettings& settings, const QString& file);

    // "sqlite3" or "psql".
    QString name() const;
    // Milliseconds per statement of the shell running `statement(i)` for many i, less the time of the
    // shell itself: the median over several runs. The counter i goes on from call to call.
    double perStatementMs(const std::function<QString(int)>& statement);

private:
    double runScript(const QString& script) const;

    TDatabaseSettings m_settings;
    QString m_file;
    int m_next = 0;
};

// A literal for the shells' scripts: the benchmark's own values only, never the operator's.
QString shellText(const QString& value);
