#!/usr/bin/env bash
# Sets up, builds and runs every test. Windows are tested on Qt's offscreen platform; the records
# tests also run against a throwaway PostgreSQL server that lives only as long as this script.
set -euo pipefail
cd "$(dirname "$0")/.."
DORAVEL_TEST_SERVER=1 bash scripts/setup.sh
source scripts/pg-test-server.sh
trap pg_test_server_stop EXIT
pg_test_server_start
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure
