#!/usr/bin/env bash
# Builds Gravik and starts it with the built-in standard pack.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target gravik
exec build/gravik
