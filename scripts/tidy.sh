#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over the project's sources, in
# parallel, using build/compile_commands.json (configured here if missing). Any
# finding makes the script fail.
#
#   scripts/tidy.sh [--fix] [FOLDER...]
#
# FOLDER limits the run to those folders (default: src tools assets). With --fix
# the suggested fixes are applied, and the changed files are then formatted with
# clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

fix=()
if [ "${1:-}" = "--fix" ]; then
    fix=(-fix)
    shift
fi
folders=("$@")
[ ${#folders[@]} -eq 0 ] && folders=(src tools assets)

root=$PWD
build=build
if [ ! -f "$build/compile_commands.json" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi

# Only the named folders' own sources and headers, never generated ones.
pattern="^$root/($(IFS='|'; echo "${folders[*]}"))/"
status=0
run-clang-tidy -p "$build" -quiet -j"$(nproc)" -header-filter="$pattern" "${fix[@]}" \
    "$pattern" || status=$?

if [ ${#fix[@]} -gt 0 ]; then
    git diff --name-only -- "${folders[@]}" | { grep -E '\.(cpp|h)$' || true; } |
        xargs -r clang-format -i
fi
exit "$status"
