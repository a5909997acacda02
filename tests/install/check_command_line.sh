#!/usr/bin/env bash
# The game's command line: what it prints and how it ends, without a display so
# that any attempt to open a window would show as a failure.
set -uo pipefail
gravik="$1"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
run() { # run NAME ARGS...: stdout, stderr and exit code into $out/NAME.*
    local name="$1"
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY XDG_DATA_HOME="$out/data" XDG_CONFIG_HOME="$out/config" \
        "$gravik" "$@" >"$out/$name.out" 2>"$out/$name.err"
    echo $? >"$out/$name.rc"
}
expect_rc() { [ "$(cat "$out/$1.rc")" = "$2" ] || fail "$1: exit $(cat "$out/$1.rc"), expected $2"; }

run version --version
expect_rc version 0
[ "$(cat "$out/version.out")" = "Gravik 3.1.0" ] || fail "version: '$(cat "$out/version.out")'"

run help --help
expect_rc help 0
grep -q "^Usage: gravik" "$out/help.out" || fail "help: no usage"
grep -qF "Put your own packs in $out/data/Deepdelve/Gravik/Packs/" "$out/help.out" ||
    fail "help: not the player's pack folder"
grep -qF "share/gravik/packs/" "$out/help.out" || fail "help: not the installed pack folder"
grep -qF "$out/config/Deepdelve/Gravik/settings" "$out/help.out" || fail "help: no settings file"
grep -qF "$out/data/Deepdelve/Gravik/Statistics/" "$out/help.out" || fail "help: no statistics"

for args in "--bogus" "-h" "one.grv two.grv" "--fullscreen --windowed"; do
    # shellcheck disable=SC2086
    run bad $args
    expect_rc bad 2
    [ -s "$out/bad.out" ] && fail "'$args': wrote to the standard output"
    head -n 1 "$out/bad.err" | grep -q "^gravik: " || fail "'$args': no one-line error first"
    sed -n 2p "$out/bad.err" | grep -q "^Usage: gravik" || fail "'$args': no usage after the error"
done

[ "$failures" -eq 0 ] && echo "command line: all checks passed"
exit $((failures > 0))
