#!/usr/bin/env bash
# A throwaway PostgreSQL server for the tests: its own data folder, run as the
# unprivileged user "postgres", listening on a Unix socket and 127.0.0.1 only.
#   pg-teste.sh start DIR   prints the MVOX_TEST_PG value on its last line
#   pg-teste.sh stop DIR
set -euo pipefail
acao=${1:?start|stop}
pasta=${2:?pasta}
porta=${MVOX_PG_PORTA:-54329}
bin=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n 1)

como_postgres() {
  if [ "$(id -u)" = "0" ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

case "$acao" in
  start)
    mkdir -p "$pasta"
    [ "$(id -u)" = "0" ] && chown postgres:postgres "$pasta"
    como_postgres "$bin/initdb" -D "$pasta/dados" -U postgres -A trust -E UTF8 --locale=C.UTF-8 >"$pasta/initdb.log" 2>&1
    como_postgres "$bin/pg_ctl" -D "$pasta/dados" -l "$pasta/servidor.log" -w \
      -o "-k $pasta -p $porta -c listen_addresses=127.0.0.1 -c fsync=off -c synchronous_commit=off -c full_page_writes=off" \
      start >/dev/null
    echo "host=$pasta port=$porta user=postgres"
    ;;
  stop)
    if [ -d "$pasta/dados" ]; then
      como_postgres "$bin/pg_ctl" -D "$pasta/dados" -m fast -w stop >/dev/null 2>&1 || true
    fi
    rm -rf "$pasta"
    ;;
  *)
    echo "uso: $0 start|stop PASTA" >&2
    exit 2
    ;;
esac
