#!/usr/bin/env bash
# Draws every cave of the built-in pack with `gravik-pack shot` and checks that each
# picture is a PNG of exactly the cave's size in tiles and not one flat colour.
set -euo pipefail
tool=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
tile=8
count=0
while read -r code width height; do
    png="$out/$code.png"
    "$tool" shot @standard "$code-1" --out "$png" --tile "$tile"
    # IHDR: width and height as big-endian 32-bit numbers at bytes 16 to 23.
    read -r w h < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{ print ($1*16777216 + $2*65536 + $3*256 + $4), ($5*16777216 + $6*65536 + $7*256 + $8) }')
    if [ "$w" -ne $((width * tile)) ] || [ "$h" -ne $((height * tile)) ]; then
        echo "cave $code: picture is ${w}x${h}, expected $((width * tile))x$((height * tile))" >&2
        exit 1
    fi
    # A picture of one flat colour compresses to almost nothing.
    if [ "$(stat -c %s "$png")" -lt 2000 ]; then
        echo "cave $code: picture is nearly empty ($(stat -c %s "$png") bytes)" >&2
        exit 1
    fi
    count=$((count + 1))
done < <("$tool" info @standard | sed -n 's/^cave \([A-Z]*\) ".*": size \([0-9]*\)x\([0-9]*\),.*/\1 \2 \3/p')
if [ "$count" -ne 24 ]; then
    echo "expected 24 caves, drew $count" >&2
    exit 1
fi
echo "drew $count caves"
