#!/usr/bin/env bash
# A throwaway PostgreSQL server for the tests: its own cluster in a temporary folder, reached only
# through a Unix socket in that folder, run by an unprivileged user because the server refuses root.
#
#   source scripts/pg-test-server.sh
#   pg_test_server_start   # exports DORAVEL_TEST_PG_HOST, DORAVEL_TEST_PG_USER, DORAVEL_TEST_PG_PORT
#   pg_test_server_stop    # stops the server and removes the folder (safe to call twice)

pg_test_server_bin() {
    local dir
    dir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
    [ -n "$dir" ] || { echo "PostgreSQL server programs not found" >&2; return 1; }
    echo "$dir"
}

pg_test_server_as_owner() {
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u nobody -- "$@"
    else
        "$@"
    fi
}

pg_test_server_start() {
    local bin
    bin=$(pg_test_server_bin) || return 1
    PG_TEST_DIR=$(mktemp -d /tmp/doravel-pg.XXXXXX)
    chmod 755 "$PG_TEST_DIR"
    [ "$(id -u)" -eq 0 ] && chown nobody "$PG_TEST_DIR"
    pg_test_server_as_owner "$bin/initdb" -D "$PG_TEST_DIR/data" -U doravel -A trust --no-sync -E UTF8 \
        --locale=C.UTF-8 >"$PG_TEST_DIR/initdb.log" 2>&1 || {
        cat "$PG_TEST_DIR/initdb.log" >&2
        return 1
    }
    pg_test_server_as_owner "$bin/pg_ctl" -D "$PG_TEST_DIR/data" -l "$PG_TEST_DIR/server.log" -w \
        -o "-k $PG_TEST_DIR -c listen_addresses= -p 54329 -F" start >/dev/null || {
        cat "$PG_TEST_DIR/server.log" >&2
        return 1
    }
    export DORAVEL_TEST_PG_HOST="$PG_TEST_DIR" DORAVEL_TEST_PG_PORT=54329 DORAVEL_TEST_PG_USER=doravel
    export DORAVEL_TEST_PG_BIN="$bin" DORAVEL_TEST_PG_DATA="$PG_TEST_DIR/data"
    echo "PostgreSQL test server on socket $PG_TEST_DIR, port 54329"
}

pg_test_server_stop() {
    [ -n "${PG_TEST_DIR:-}" ] && [ -d "$PG_TEST_DIR" ] || return 0
    local bin
    bin=$(pg_test_server_bin) || return 0
    pg_test_server_as_owner "$bin/pg_ctl" -D "$PG_TEST_DIR/data" -m immediate -w stop >/dev/null 2>&1 || true
    rm -rf "$PG_TEST_DIR"
    PG_TEST_DIR=""
}
