#!/usr/bin/env bash
# Makes the screenshots of the AppStream metadata with the terminal runner,
# which draws exactly what the game window shows. Run by hand after a
# change of the screen or the adventure; the PNGs are committed.
#
# Usage: dist/screenshots/make_screenshots.sh build/zarvel-tty
set -euo pipefail
tty=$(realpath "$1")
out=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
# shot NAME KEYS: the screen after the intro is skipped, the title menu's
# "S" and the given commands.
shot() {
  printf '{esc}{noenter}\ns{noenter}\n%s' "$2" >"$1.keys"
  "$tty" --keys "$1.keys" --screenshot "$out/$1.png" >/dev/null
}
shot first-room 'prozkoumej auto
seber zápalky
'
shot conversation 's
v
mluv hostinského
'
