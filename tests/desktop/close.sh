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
BOX=""
box_shown() {
  local game
  game=$(printf '0x%08x' "$GAME_WINDOW")
  local windows
  windows=$(xt wmctrl -l) || return 1
  BOX=$(awk -v game="$game" '$4 == "Zarvel" && $1 != game { print $1; exit }' <<<"$windows")
  [ -n "$BOX" ]
}
box_gone() { ! box_shown; }
box_active() { [ "$(xt xdotool getactivewindow 2>/dev/null)" = "$((BOX))" ]; }

# close_and_answer KEY: asks the window manager to close the game window,
# waits for the box, gives it the focus and answers it with the key.
close_and_answer() {
  xt wmctrl -i -c "$GAME_WINDOW"
  await "the message box after the close request" box_shown
  xt wmctrl -i -a "$BOX" || true
  await "the message box to have the focus" box_active
  press "$1"
}

# On a paged screen the game waits for a key without drawing anything; a
# close request answered Cancel there must leave the page on the screen as
# it was (the window's content is put back without a new frame).
skip_intro
press_and_await i 105 "the first information page"
settled_shot "$WORK/page.png"
close_and_answer Escape
await "the message box to go after Cancel" box_gone
await_shows "$WORK/page.png" "the paged screen to be shown again after the message box"

# Through the remaining pages (however many) back to the title menu, which
# ignores spaces.
focus_game
for _ in $(seq 12); do
  title_menu_shown && break
  shot "$WORK/previous-page.png"
  press_and_await space 32 "the next page"
  await_changed "$WORK/previous-page.png" "the next page or the title menu"
done
await "the title menu after the last page" title_menu_shown
start_playing

close_and_answer Escape
await "the message box to go after Cancel" box_gone
game_running || fail "Cancel ended the game"

# The game goes on: a command still gets its reply.
focus_game
settled_shot "$WORK/before.png"
type_line "sever"
await_changed "$WORK/before.png" "the reply to \"sever\" on the screen"

# A position saved from the keyboard lands in the working directory.
save_position ulož řeka
[ -f "$WORK/run/pozice_01.sav" ] || fail "no pozice_01.sav after saving"
start=$(head -c 12 "$WORK/run/pozice_01.sav" | od -An -tx1 | tr -d ' \n')
[[ $start == fffe590165006b006100* ]] ||
  fail "the position file does not begin with the name řeka in UTF-16"

close_and_answer Return
await_game_end
[ "$GAME_STATUS" = 0 ] || fail "OK ended the game with status $GAME_STATUS"
[ ! -s "$WORK/game.err" ] || fail "messages on stderr: $(cat "$WORK/game.err")"
echo "desktop close: ok"
