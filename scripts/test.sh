#!/usr/bin/env bash
# Builds Gravik and runs every test. With --sanitize the tests are built with
# AddressSanitizer and UndefinedBehaviorSanitizer in a build folder of their own.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

build=build
args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
    build=build-sanitize
    args=(-DCMAKE_BUILD_TYPE=Debug -DGRAVIK_SANITIZE=ON -DGRAVIK_BENCH=OFF)
fi

cmake -S . -B "$build" -G Ninja "${args[@]}"
cmake --build "$build"
# Window and pixel tests need a display: a virtual one with Mesa's software renderer.
root=$PWD
cd "$build"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp"
export LIBGL_ALWAYS_SOFTWARE=1
export ASAN_OPTIONS=detect_leaks=1
# With the virtual display promised, window and GL tests fail instead of skipping
# when it cannot be had.
export GRAVIK_DISPLAY_REQUIRED=1
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j"$(nproc)"
