#!/usr/bin/env bash
# A window-close request in the real window system: the game asks
# "Ukončit hru?" in a message box captioned "Zarvel"; Cancel (here Escape)
# goes on with the game, OK (here Enter) ends it with exit status 0.
#
# The game runs without a sound device here (OpenAL is pointed at one that
# does not exist): it must play on silently, without a word on stderr. On
# the way a position is saved, its name typed with a Czech letter.
#
# Usage: close.sh ZARVEL
source "$(dirname "$0")/xsession.sh"
require_tools
start_x 1024 768
printf '[general]\ndrivers=oss\n[oss]\ndevice=/nonexistent/dsp\n' >"$WORK/alsoft-none.conf"
start_game "$1" "$WORK/alsoft-none.conf"
# The box is a second managed window with the game's caption (wmctrl sees
# it through the window manager; xdotool's name search does not).
message_box() {
  local game id
  game=$(printf '0x%08x' "$GAME_WINDOW")
  id=$(wmctrl -l | awk -v game="$game" '$4 == "Zarvel" && $1 != game { print $1; exit }')
  [ -n "$id" ] && echo "$id"
}
await_box() {
  local i
  for i in $(seq 50); do
    message_box >/dev/null && { message_box; return 0; }
    sleep 0.1
  done
  return 1
}

# On a paged screen the game waits for a key without drawing anything; a
# close request answered Cancel there must leave the page on the screen as
# it was (the window's content is put back without a new frame).
skip_intro
press i
sleep 1.5
shot "$WORK/page.png"
wmctrl -i -c "$GAME_WINDOW"
box=$(await_box) || fail "no message box over the paged screen"
sleep 0.5
wmctrl -i -a "$box" 2>/dev/null || true
press Escape
sleep 1
message_box >/dev/null && fail "the message box stayed after Cancel"
shot "$WORK/page-after.png"
[ "$(compare -metric AE "$WORK/page.png" "$WORK/page-after.png" null: 2>&1 || true)" = 0 ] ||
  fail "the paged screen was not shown again after the message box"
# Through the remaining pages (however many) back to the title menu, which
# ignores spaces.
for _ in 1 2 3 4 5 6; do
  press space
  sleep 0.5
done
start_playing

wmctrl -i -c "$GAME_WINDOW"
box=$(await_box) || fail "no message box after the close request"
import -window root "$WORK/asking.png"
sleep 0.5
wmctrl -i -a "$box" 2>/dev/null || true
press Escape
sleep 1
message_box >/dev/null && fail "the message box stayed after Cancel"
game_running || fail "Cancel ended the game"

# The game goes on: a command still gets its reply.
focus_game
shot "$WORK/before.png"
type_line "sever"
shot "$WORK/after.png"
[ "$(compare -metric AE "$WORK/before.png" "$WORK/after.png" null: 2>&1 || true)" != 0 ] ||
  fail "the game did not answer a command after Cancel"

# A position saved from the keyboard lands in the working directory.
type_line "ulož"
press 1
sleep 0.5
xdotool type --delay 80 "řeka"
press Return
sleep 2
[ -f "$WORK/run/pozice_01.sav" ] || fail "no pozice_01.sav after saving"
head -c 12 "$WORK/run/pozice_01.sav" | od -An -tx1 | tr -d ' \n' | grep -q "^fffe590165006b006100" ||
  fail "the position file does not begin with the name řeka in UTF-16"

wmctrl -i -c "$GAME_WINDOW"
box=$(await_box) || fail "no message box after the second close request"
sleep 0.5
wmctrl -i -a "$box" 2>/dev/null || true
press Return
status=$(game_status)
[ "$status" = 0 ] || fail "OK ended the game with status $status"
[ ! -s "$WORK/game.err" ] || fail "messages on stderr: $(cat "$WORK/game.err")"
echo "desktop close: ok"
