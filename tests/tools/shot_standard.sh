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

# The contact sheet: six columns of four rows, each cell as large as the largest cave
# (80 x 40), one tile of grey around every cell.
sheet="$out/sheet.png"
"$tool" shot @standard --sheet --out "$sheet" --tile "$tile"
read -r w h < <(od -An -tu1 -j16 -N8 "$sheet" |
    awk '{ print ($1*16777216 + $2*65536 + $3*256 + $4), ($5*16777216 + $6*65536 + $7*256 + $8) }')
if [ "$w" -ne $((6 * (80 + 1) * tile + tile)) ] || [ "$h" -ne $((4 * (40 + 1) * tile + tile)) ]; then
    echo "sheet: picture is ${w}x${h}" >&2
    exit 1
fi
# Every cave drawn into it adds detail that a bare grey sheet would not have.
if [ "$(stat -c %s "$sheet")" -lt $((count * 2000)) ]; then
    echo "sheet: picture is nearly empty ($(stat -c %s "$sheet") bytes)" >&2
    exit 1
fi
echo "drew $count caves and the sheet"
