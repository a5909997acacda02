#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/ and runs each for a bounded time: the
# level-pack readers for the given seconds (first argument; default 45), the
# statistics and input-recording readers for a third of that. Any crash, leak or
# failed check makes the script fail and leaves the input in build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-45}"

if ! command -v clang++ >/dev/null; then
    echo "fuzz.sh: clang++ is not installed; see scripts/deps.sh" >&2
    exit 1
fi

build=build-fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DGRAVIK_SANITIZE=ON -DGRAVIK_BENCH=OFF -DGRAVIK_FUZZ=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" >/dev/null
cmake --build "$build" --target fuzz_levelpack fuzz_statistics -j2

artifacts="$build/artifacts"
mkdir -p "$build/corpus" "$build/corpus-statistics" "$artifacts"
export ASAN_OPTIONS=detect_leaks=1
"$build/tools/fuzz/fuzz_levelpack" -max_total_time="$seconds" -max_len=8192 \
    -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
    -dict=tools/fuzz/grv.dict -artifact_prefix="$artifacts/" \
    "$build/corpus" tools/fuzz/corpus $( [ -d tests/data/fuzz-seeds ] && echo tests/data/fuzz-seeds )
"$build/tools/fuzz/fuzz_statistics" -max_total_time="$(( (seconds + 2) / 3 ))" -max_len=4096 \
    -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$artifacts/" \
    "$build/corpus-statistics" tools/fuzz/corpus-statistics
