#!/usr/bin/env bash
# Builds the fuzz targets in a sanitized build of their own (with clang and
# libFuzzer when clang is installed, else with the seeded random driver) and
# runs each for a bounded time, starting from its seed inputs. Prints one line
# per target; on a fault, the end of the target's log (the failing input is
# kept beside it in the build folder) and a non-zero exit.
#
#   MVOX_FUZZ_SEGUNDOS  seconds per target (20; 0 skips the fuzzing)
#   MVOX_BUILD_FUZZ     build folder (build-fuzz beside the sources)
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
build=${MVOX_BUILD_FUZZ:-$raiz/build-fuzz}
segundos=${MVOX_FUZZ_SEGUNDOS:-20}
[ "$segundos" -gt 0 ] || exit 0

compilador=()
if command -v clang++ >/dev/null 2>&1; then
  compilador=(-DCMAKE_CXX_COMPILER=clang++)
fi
mkdir -p "$build"
if ! { cmake -S "$raiz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMVOX_FUZZ=ON -DMVOX_BUILD_TESTS=OFF \
  -DMVOX_BUILD_BENCH=OFF "${compilador[@]}" && cmake --build "$build" -j"$(nproc)" --target mvox_fuzz; } \
  >"$build/fuzz-build.log" 2>&1; then
  echo "fuzz: a construção falhou"
  tail -n 60 "$build/fuzz-build.log"
  exit 1
fi

falhas=0
while read -r alvo sementes; do
  [ -n "$alvo" ] || continue
  corpus=$(mktemp -d)
  log="$build/fuzz-$alvo.log"
  if ASAN_OPTIONS=detect_leaks=1 "$build/bin/$alvo" -max_total_time="$segundos" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/fuzz-$alvo-" "$corpus" "$sementes" >"$log" 2>&1; then
    execucoes=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    echo "fuzz $alvo: ${execucoes:-?} entradas em ${segundos} s, nenhuma falha"
  else
    echo "fuzz $alvo: FALHOU (log: $log)"
    tail -n 60 "$log"
    falhas=$((falhas + 1))
  fi
  rm -rf "$corpus"
done <"$build/fuzz-alvos.txt"
[ "$falhas" -eq 0 ]
