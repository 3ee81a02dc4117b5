#!/usr/bin/env bash
# Installs, quietly and only when missing, what a fresh Debian 12 machine lacks
# to build, run and test the program. Run as root.
set -euo pipefail

pacotes=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  postgresql
  clang libclang-rt-dev
)
if [ "${MVOX_COM_TELA:-0}" = "1" ]; then
  pacotes+=(xvfb xauth)
fi

faltam=()
for p in "${pacotes[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    faltam+=("$p")
  fi
done

if [ "${#faltam[@]}" -gt 0 ]; then
  echo "Instalando: ${faltam[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq >/dev/null
  apt-get install -y -qq --no-install-recommends "${faltam[@]}" >/dev/null
fi
