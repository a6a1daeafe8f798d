#!/usr/bin/env bash
# Sets up what is missing, builds everything and runs the whole test suite:
# the Qt tests (GUI tests offscreen), then a short run of every fuzzer in a
# clang build with sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh "$@"
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
(cd build && ctest --output-on-failure -j2)

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DVELMORA_FUZZ=ON -DVELMORA_BENCH=OFF >/dev/null
cmake --build build-fuzz --target velmora_fuzzers
(cd build-fuzz && ctest --output-on-failure -L fuzz)
