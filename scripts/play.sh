#!/usr/bin/env bash
# Builds only the game (no tests, no benchmarks) in build-play/ and starts it; any
# arguments go to the game (see build-play/gravik --help).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --play
cmake -S . -B build-play -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_TESTING=OFF -DGRAVIK_BENCH=OFF
cmake --build build-play --target gravik
exec build-play/gravik "$@"
