#!/bin/sh
# A throwaway PostgreSQL server for the viewer's tests: its own cluster in a
# temporary folder, on 127.0.0.1 only, on a free port, with the database
# "bolla" (owner and login "bolla") and the installation's date() function.
#   pg_fixture.sh start STATE DATE_SQL   STATE/port and STATE/password describe it
#   pg_fixture.sh stop STATE             stops it and removes the cluster
# PostgreSQL refuses to run as root: as root the cluster belongs to "postgres".
set -eu

action=$1
mkdir -p "$2"
state=$(cd "$2" && pwd)
bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
if [ ! -x "$bindir/initdb" ]; then
    echo "pg_fixture: no PostgreSQL server in /usr/lib/postgresql (see scripts/deps.sh)" >&2
    exit 1
fi

as_owner() {
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

stop() {
    [ -f "$state/dir" ] || return 0
    dir=$(cat "$state/dir")
    if [ -d "$dir/data" ]; then
        as_owner "$bindir/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 || true
    fi
    rm -rf "$dir"
    rm -f "$state/dir" "$state/port" "$state/password"
}

case $action in
start)
    stop # whatever an interrupted run left
    sql=$(cd "$(dirname "$3")" && pwd)/$(basename "$3")
    dir=$(mktemp -d "/tmp/bolla-pg.XXXXXX")
    echo "$dir" >"$state/dir"
    [ "$(id -u)" -ne 0 ] || chown postgres: "$dir"
    cd "$dir" # the server's user may not be able to enter the caller's folder
    password='Segreta;42 "x"'
    if ! as_owner "$bindir/initdb" -D "$dir/data" -U postgres --auth-local=trust \
        --auth-host=scram-sha-256 --no-locale -E UTF8 --no-sync >"$dir/initdb.log" 2>&1; then
        cat "$dir/initdb.log" >&2
        stop
        exit 1
    fi
    port=$((20000 + $$ % 20000))
    tries=0
    until as_owner "$bindir/pg_ctl" -D "$dir/data" -l "$dir/log" -w -t 30 -o \
        "-c listen_addresses=127.0.0.1 -c port=$port -c unix_socket_directories=$dir -c fsync=off -c shared_buffers=16MB -c max_connections=20" \
        start >/dev/null 2>&1; do
        tries=$((tries + 1))
        if [ "$tries" -ge 10 ]; then
            cat "$dir/log" >&2
            stop
            exit 1
        fi
        port=$((20000 + (port + 7919) % 20000)) # taken: try another
    done
    psql() {
        as_owner "$bindir/psql" -X -q -v ON_ERROR_STOP=1 -h "$dir" -p "$port" "$@"
    }
    psql -U postgres -d postgres -v pw="$password" <<'SQL'
CREATE ROLE bolla LOGIN PASSWORD :'pw';
CREATE DATABASE bolla OWNER bolla;
SQL
    psql -U bolla -d bolla <"$sql"
    printf '%s' "$password" >"$state/password"
    echo "$port" >"$state/port"
    echo "PostgreSQL on 127.0.0.1:$port, cluster in $dir"
    ;;
stop)
    stop
    ;;
*)
    echo "usage: $0 start|stop STATE [DATE_SQL]" >&2
    exit 2
    ;;
esac
