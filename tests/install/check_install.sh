#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks the tree a Linux desktop
# needs, validating the desktop entry and the metainfo with the desktop's tools.
set -uo pipefail
build="$1"
id="$2"
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

if ! DESTDIR="$dest" cmake --install "$build" --prefix /usr/local >"$dest.log" 2>&1; then
    cat "$dest.log" >&2
    rm -f "$dest.log"
    echo "FAIL: cmake --install" >&2
    exit 1
fi
rm -f "$dest.log"
root="$dest/usr/local"

for file in bin/gravik bin/gravik-pack; do
    [ -x "$root/$file" ] || fail "$file missing or not executable"
done
for file in "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
    "share/mime/packages/$id.xml" share/man/man6/gravik.6 share/man/man6/gravik-pack.6; do
    [ -s "$root/$file" ] || fail "$file missing"
done
[ -d "$root/share/gravik/packs" ] || fail "share/gravik/packs/ missing"

# Icons: a PNG of the right size in every hicolor size from 16 to 256.
png_size() { # width and height from the PNG header
    od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8 }'
}
for size in 16 22 24 32 48 64 96 128 256; do
    icon="$root/share/icons/hicolor/${size}x${size}/apps/$id.png"
    if [ ! -s "$icon" ]; then
        fail "icon ${size}x${size} missing"
    elif [ "$(png_size "$icon")" != "${size}x${size}" ]; then
        fail "icon ${size}x${size} is $(png_size "$icon")"
    fi
done

desktop="$root/share/applications/$id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
grep -q "^Icon=$id$" "$desktop" || fail "desktop entry does not name the icon"
grep -q "^Categories=.*Game;" "$desktop" || fail "desktop entry not in the Game category"
grep -q "^MimeType=.*application/x-gravik-pack;" "$desktop" || fail "no pack type in the entry"
grep -q "^MimeType=.*text/x-bdcff;" "$desktop" || fail "no BDCFF type in the entry"
grep -q 'glob pattern="\*.grv"' "$root/share/mime/packages/$id.xml" || fail "no .grv glob"
grep -q 'glob pattern="\*.bd"' "$root/share/mime/packages/$id.xml" || fail "no .bd glob"
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" ||
    fail "appstreamcli validate"

# Manual pages that format without a warning.
for page in gravik gravik-pack; do
    warnings=$(groff -man -ww -z "$root/share/man/man6/$page.6" 2>&1)
    [ -z "$warnings" ] || fail "$page.6: $warnings"
done

# The installed program finds the packs installed beside it.
"$root/bin/gravik" --help | grep -qF "$root/share/gravik/packs/" ||
    fail "installed gravik does not read $root/share/gravik/packs/"
[ "$("$root/bin/gravik" --version)" = "Gravik 3.1.0" ] || fail "installed gravik --version"

[ "$failures" -eq 0 ] && echo "install tree: all checks passed"
exit $((failures > 0))
