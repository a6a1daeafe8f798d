#!/usr/bin/env bash
# Sets up what is missing, builds Velmora and starts it on its default data.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target velmora velmora_data
exec build/bin/velmora "$@"
