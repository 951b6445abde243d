#pragma once

#include "settings/DatabaseSettings.h"

#include <QString>

// A database of its own on the PostgreSQL server the tests use (scripts/pg-test-server.sh starts one
// and exports DORAVEL_TEST_PG_HOST, _PORT and _USER), created for one benchmark run and dropped after.
class TBenchServer {
public:
    static bool configured();

    TBenchServer();
    ~TBenchServer();
    TBenchServer(const TBenchServer&) = delete;
    TBenchServer& operator=(const TBenchServer&) = delete;

    bool created() const { return m_created; }
    const TDatabaseSettings& settings() const { return m_settings; }

private:
    static bool command(const QString& sql);

    TDatabaseSettings m_settings;
    bool m_created = false;
};
