#!/usr/bin/env bash
# Installs the Debian packages Gravik needs: with --play only what building and
# playing the game takes; without it also what the tests, benchmarks and tools use.
# Packages already present are skipped, so a prepared machine pays nothing. Run as
# root it installs directly, otherwise through sudo; without either it prints the
# command to run and fails.
set -euo pipefail

play_packages=(
    build-essential cmake ninja-build pkg-config
    zlib1g-dev libsdl2-dev libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri
)
test_packages=(
    git libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth clang libclang-rt-14-dev clang-tidy clang-tools
    desktop-file-utils appstream groff-base
)

case "${1:-}" in
--play) packages=("${play_packages[@]}") ;;
"") packages=("${play_packages[@]}" "${test_packages[@]}") ;;
*)
    echo "usage: scripts/deps.sh [--play]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "deps.sh: missing packages, and installing them needs root. As root, run:" >&2
    echo "apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
