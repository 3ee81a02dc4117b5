#!/usr/bin/env bash
# Builds everything and runs every test: once on the embedded SQLite database
# and once on a throwaway PostgreSQL server started for the run. Before the
# tests, the fuzz targets run for a bounded time each (scripts/fuzz.sh).
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
build=${MVOX_BUILD:-$raiz/build}

"$raiz/scripts/instalar-dependencias.sh"
cmake -S "$raiz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"

"$raiz/scripts/fuzz.sh"

pg=$(mktemp -d /tmp/mvox-pg.XXXXXX)
trap '"$raiz/scripts/pg-teste.sh" stop "$pg"' EXIT
MVOX_TEST_PG=$("$raiz/scripts/pg-teste.sh" start "$pg" | tail -n 1)
export MVOX_TEST_PG

cd "$build"
ctest --output-on-failure -j"$(nproc)"
