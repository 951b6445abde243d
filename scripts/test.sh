#!/usr/bin/env bash
# Sets up, builds and runs every test. Windows are tested on Qt's offscreen platform; the records
# tests also run against a throwaway PostgreSQL server that lives only as long as this script.
# Then the Debian package is made, installed, started and removed again (scripts/check-package.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
DORAVEL_TEST_SERVER=1 DORAVEL_PACKAGE_TOOLS=1 bash scripts/setup.sh
source scripts/pg-test-server.sh
trap pg_test_server_stop EXIT
pg_test_server_start
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure
bash scripts/check-package.sh
