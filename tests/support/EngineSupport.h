#pragma once

#include "support/TestServerDatabase.h"

#include <QTest>

// In init(): the server rows skip, with a note, when no test server was started.
#define DORAVEL_SKIP_WITHOUT_TEST_SERVER(server)                                                                       \
    do {                                                                                                               \
        if ((server) && !TTestDatabase::serverAvailable())                                                             \
            QSKIP("no PostgreSQL test server: DORAVEL_TEST_PG_HOST is not set (scripts/test.sh starts one)");          \
    } while (0)
