#!/usr/bin/env bash
# Without any display the game says so in one line on standard error and
# exits with status 1, instead of crashing or running unseen.
#
# Usage: nodisplay.sh ZARVEL
set -uo pipefail
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
game=$(realpath "$1")
cd "$dir"
env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER ALSOFT_DRIVERS=null \
  timeout 60 "$game" >"$dir/out" 2>"$dir/err"
status=$?
[ "$status" = 1 ] || { echo "FAIL: exit status $status, expected 1"; exit 1; }
lines=$(wc -l <"$dir/err")
[ "$lines" = 1 ] || { echo "FAIL: $lines lines on stderr:"; cat "$dir/err"; exit 1; }
grep -q "zarvel" "$dir/err" || { echo "FAIL: stderr does not name the program"; exit 1; }
[ ! -s "$dir/out" ] || { echo "FAIL: output on stdout"; exit 1; }
echo "no display: ok ($(cat "$dir/err"))"
