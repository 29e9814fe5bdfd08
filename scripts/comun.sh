#!/usr/bin/env bash
# Shared steps of the two commands of the README: install what the program needs from
# Debian's repositories, then configure and build it with CMake and Ninja.
set -euo pipefail
RAIZ="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${REFA_BUILD:-$RAIZ/build}"

PAQUETES=(build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-translations-l10n
  libgl-dev libsqlite3-dev libssl-dev
  fonts-dejavu-core)

instalar() {
  local faltan=()
  for p in "${PAQUETES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltan+=("$p")
  done
  if [ "${#faltan[@]}" -gt 0 ]; then
    local SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${faltan[@]}"
  fi
}

compilar() {
  cmake -S "$RAIZ" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build "$BUILD" -j "$(nproc)"
}
