#!/usr/bin/env bash
# Builds the Debian package velmora_<version>_amd64.deb.
#   tools/paket.sh [--ohne-bauen] [BAUVERZEICHNIS [AUSGABEVERZEICHNIS]]
# Without arguments it sets up what is missing, builds the programs and the
# databases in build/ and puts the package there. --ohne-bauen packs what the
# build directory already holds.
set -euo pipefail
cd "$(dirname "$0")/.."
bauen=1
if [ "${1:-}" = "--ohne-bauen" ]; then
    bauen=0
    shift
fi
bau="${1:-build}"
ausgabe="${2:-$bau}"
if [ "$bauen" -eq 1 ]; then
    tools/install-deps.sh
    cmake -S . -B "$bau" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$bau" --target velmora velmora-druck velmora_data
fi
mkdir -p "$ausgabe"
cpack --config "$bau/CPackConfig.cmake" -G DEB -B "$ausgabe" >/dev/null
ls -1 "$ausgabe"/velmora_*_amd64.deb
