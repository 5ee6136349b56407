#!/usr/bin/env bash
# Installs what the build and the tests need (Debian 12 packages), then
# configures and builds a Release into build/. Sourced by run.sh and test.sh.
# Usage: scripts/setup.sh [runtime|test]
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
MODE="${1:-runtime}"

PACKAGES=(cmake g++ make pkgconf qt6-base-dev qt6-multimedia-dev libqt6svg6 libgl1-mesa-dev
          libbenchmark-dev fonts-liberation2 fonts-urw-base35 xvfb xauth)
if [ "$MODE" = test ]; then
  PACKAGES+=(xdotool imagemagick openbox poppler-utils clang libclang-rt-14-dev
             desktop-file-utils appstream)
fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S "$ROOT" -B "$ROOT/build" -DCMAKE_BUILD_TYPE=Release > "$ROOT/build-configure.log" 2>&1 \
  || { cat "$ROOT/build-configure.log"; exit 1; }
cmake --build "$ROOT/build" -j"$(nproc)"

# The fuzz targets: a separate clang build of the readers, for ./test.sh.
if [ "$MODE" = test ]; then
  CXX=clang++ cmake -S "$ROOT/fuzz" -B "$ROOT/build/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    > "$ROOT/build/fuzz-configure.log" 2>&1 || { cat "$ROOT/build/fuzz-configure.log"; exit 1; }
  cmake --build "$ROOT/build/fuzz" -j"$(nproc)"
fi
