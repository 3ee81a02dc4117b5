#!/usr/bin/env bash
# Builds everything and runs every test: once on the embedded SQLite database
# and once on a throwaway PostgreSQL server started for the run. Before the
# tests, the fuzz targets run for a bounded time each (scripts/fuzz.sh); after
# them, the GUI tests run once more in a sanitized build.
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

# The screens once more under AddressSanitizer and UndefinedBehaviorSanitizer
# (MVOX_SANITIZE=0 skips it): only the GUI test programs and what they load.
if [ "${MVOX_SANITIZE:-1}" != "0" ]; then
  san=${MVOX_BUILD_SAN:-$build-san}
  cmake -S "$raiz" -B "$san" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMVOX_SANITIZE=ON -DMVOX_BUILD_BENCH=OFF >/dev/null
  cmake --build "$san" -j"$(nproc)" --target nFrameworkUiTests mVoxShellTests
  cd "$san"
  ctest --output-on-failure -j"$(nproc)" -L sanitizer
fi
