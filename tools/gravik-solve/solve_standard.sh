#!/bin/sh
# Re-solves every level of the standard pack's source, rewrites solutions.txt,
# copies the first-variant solutions into the demo blocks and verifies the lot.
# usage: solve_standard.sh BUILD_DIR   (a build folder with gravik-solve and gravik-pack)
set -eu
build=${1:?usage: solve_standard.sh BUILD_DIR}
here=$(cd "$(dirname "$0")" && pwd)
assets=$here/../../assets/standard
solve=$build/tools/gravik-solve/gravik-solve
pack=$build/tools/gravik-pack/gravik-pack

"$pack" check "$assets/standard.grv"
tmp=$(mktemp)
{
    echo "; One completing input per level of standard.grv: LEVEL MOVES."
    echo "; Written by tools/gravik-solve/solve_standard.sh or by hand; checked by gravik-pack verify."
} > "$tmp"
"$solve" "$assets/standard.grv" --out "$tmp"
mv "$tmp" "$assets/solutions.txt"
python3 "$here/fill_demos.py" "$assets/standard.grv" "$assets/solutions.txt"
"$pack" verify "$assets/standard.grv" --solutions "$assets/solutions.txt" --strict | tail -3
