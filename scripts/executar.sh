#!/usr/bin/env bash
# Builds the program and starts it on the embedded SQLite database, created
# with the sample office the first time. Extra arguments go to the program.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
build=${MVOX_BUILD:-$raiz/build}

"$raiz/scripts/instalar-dependencias.sh"
cmake -S "$raiz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target mVox mVoxPk mVoxPkPbCfg mVoxPkDevExpress

exec "$build/bin/mVox" --exemplo "$@"
