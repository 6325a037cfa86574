#!/usr/bin/env bash
# Runs a throw-away PostgreSQL 15 server for the tests, listening only on a Unix socket in a
# fresh folder under /tmp (so several can run at once, all on "port" 5432).
#   pgserver.sh start STATEFILE    make, start and fill a server; print its folder
#   pgserver.sh stop STATEFILE     stop it at once and remove everything
#   pgserver.sh pause STATEFILE    stop it, keeping its data
#   pgserver.sh resume STATEFILE   start it again
# The folder holds data/ (the cluster), log (the server log) and the socket .s.PGSQL.5432.
set -euo pipefail

bin=/usr/lib/postgresql/15/bin
usage() { echo "usage: $0 start|stop|pause|resume STATEFILE" >&2; exit 2; }
[ $# -eq 2 ] || usage
action="$1"
state="$(realpath -m -- "$2")"
# Nothing of the caller's PG* settings may leak in; / is a folder every user can enter.
unset PGHOST PGHOSTADDR PGPORT PGDATABASE PGUSER PGPASSWORD PGPASSFILE PGSERVICE PGDATA \
    PGOPTIONS PGSSLMODE PGCONNECT_TIMEOUT
cd /

# PostgreSQL refuses to run as root: then use the postgres user, or a system user made for this.
if [ "$(id -u)" -eq 0 ]; then
    pguser=postgres
    if ! id -u "$pguser" >/dev/null 2>&1; then
        pguser=ferrolyn-pg
        id -u "$pguser" >/dev/null 2>&1 ||
            useradd --system --no-create-home --shell /usr/sbin/nologin "$pguser"
    fi
    as_pg() { runuser -u "$pguser" -- env -i PATH=/usr/bin:/bin LC_ALL=C.UTF-8 "$@"; }
else
    pguser=""
    as_pg() { env -i PATH=/usr/bin:/bin LC_ALL=C.UTF-8 "$@"; }
fi

# Runs SQL as the superuser over the socket, stopping at the first error.
admin_sql() {
    as_pg PGPASSWORD=admin-secret "$bin/psql" -X -q -v ON_ERROR_STOP=1 -h "$dir" -p 5432 \
        -U ferrolyn_admin -d "$1" -c "$2"
}
pg_start() { as_pg "$bin/pg_ctl" -D "$dir/data" -l "$dir/log" -w -t 60 start >/dev/null; }

# Reads the folder back from the state file; refuses anything this script would not have made.
read_state() {
    dir="$(head -n 1 -- "$state")"
    if ! [[ "$dir" =~ ^/tmp/ferrolyn-pg\.[A-Za-z0-9]{6}$ ]] || [ -L "$dir" ]; then
        echo "pgserver.sh: $state does not name a server folder: [$dir]" >&2
        exit 1
    fi
}

do_stop() {
    if [ -d "$dir/data" ]; then
        as_pg "$bin/pg_ctl" -D "$dir/data" -m immediate -w -t 60 stop >/dev/null 2>&1 || true
    fi
    rm -rf -- "$dir"
    rm -f -- "$state"
}

on_start_exit() {
    [ "$1" -ne 0 ] || return 0
    echo "pgserver.sh: start failed; server log follows" >&2
    cat -- "$dir/log" >&2 2>/dev/null || true
    do_stop
}

do_start() {
    if [ ! -x "$bin/initdb" ]; then
        echo "pgserver.sh: $bin/initdb is missing; install postgresql-15 (scripts/deps.sh)" >&2
        exit 1
    fi
    dir="$(mktemp -d /tmp/ferrolyn-pg.XXXXXX)"
    printf '%s\n' "$dir" >"$state"
    # From here on, any failure shows the server log and removes the half-made server.
    trap 'on_start_exit $?' EXIT
    [ -z "$pguser" ] || chown "$pguser:" "$dir"
    printf 'admin-secret\n' >"$dir/pw"
    [ -z "$pguser" ] || chown "$pguser:" "$dir/pw"
    as_pg "$bin/initdb" -D "$dir/data" -U ferrolyn_admin --pwfile="$dir/pw" \
        --auth=scram-sha-256 --encoding=UTF8 --locale=C.UTF-8 >"$dir/initdb.log" 2>&1 ||
        { cat -- "$dir/initdb.log" >&2; exit 1; }
    rm -f -- "$dir/pw"
    # The server options live in the cluster's own settings, so resume starts it the same way.
    cat >>"$dir/data/postgresql.conf" <<EOF
listen_addresses = ''
unix_socket_directories = '$dir'
port = 5432
max_connections = 50
fsync = off
EOF
    pg_start
    admin_sql postgres "CREATE DATABASE quotes_test OWNER ferrolyn_admin"
    # The engineer may only connect: no temporary tables, no objects, nothing granted.
    admin_sql postgres "CREATE ROLE engineer LOGIN PASSWORD 'engineer-secret'"
    admin_sql postgres "REVOKE ALL ON DATABASE quotes_test FROM PUBLIC"
    admin_sql postgres "GRANT CONNECT ON DATABASE quotes_test TO engineer"
    echo "$dir"
}

case "$action" in
start)
    # A server a run that was cut short left behind goes first.
    if [ -f "$state" ]; then read_state; do_stop; fi
    do_start
    ;;
stop)
    [ -f "$state" ] || exit 0
    read_state
    do_stop
    ;;
pause) read_state; as_pg "$bin/pg_ctl" -D "$dir/data" -m fast -w -t 60 stop >/dev/null ;;
resume) read_state; pg_start ;;
*) usage ;;
esac
