#!/usr/bin/env bash
# The game in a real X server: the intro skipped with Escape, the title
# menu's picture, the game screen after "S", and commands typed on the
# keyboard, Czech letters included. With a second argument (zarvel-tty),
# the final game screen is compared with the terminal runner's screenshot
# after the same keys.
#
# Usage: play.sh ZARVEL [ZARVEL_TTY]
source "$(dirname "$0")/xsession.sh"
ZARVEL=$1
TTY=${2:-}
require_tools
start_x 1024 768
start_game "$ZARVEL"

# title_menu_picture FILE: black around the menu, the boxes, the logo.
title_menu_picture() {
  has_pixel "$1" 5 5 "0,0,0" "black around the menu" &&
    has_pixel "$1" 400 72 "48,48,128" "the blue box's top rows" &&
    has_pixel "$1" 400 270 "0,0,0" "black between the boxes" || return 1
  # The logo is drawn at y 10, 27 pixels high, ending five character widths
  # before the right edge: its letters are white there, and nothing is above.
  local logo above
  logo=$(count_colour "$1" 200 10 600 27 "255,255,255")
  [ "$logo" -gt 150 ] || { LAST_LOOK="no logo at the top right of the menu ($logo white pixels)"; return 1; }
  above=$(count_colour "$1" 0 0 800 9 "0,0,0")
  [ "$above" -eq 7200 ] || { LAST_LOOK="something drawn above the logo"; return 1; }
}

# game_screen_picture FILE: the header, the console, the input bar, the logo.
game_screen_picture() {
  has_pixel "$1" 400 20 "0,0,0" "the black header" &&
    has_pixel "$1" 10 4 "255,255,255" "the header's upper line" &&
    has_pixel "$1" 10 37 "255,255,255" "the header's lower line" &&
    has_pixel "$1" 10 300 "48,48,128" "the console" &&
    has_pixel "$1" 790 580 "28,28,28" "the input bar" &&
    has_pixel "$1" 10 567 "255,255,255" "the input bar's upper line" &&
    has_pixel "$1" 10 595 "255,255,255" "the input bar's lower line" || return 1
  local logo
  logo=$(count_colour "$1" 200 8 600 28 "255,255,255")
  [ "$logo" -gt 150 ] || { LAST_LOOK="no logo in the header ($logo white pixels)"; return 1; }
}

skip_intro
await_picture "$WORK/title.png" "the title menu's picture" title_menu_picture
start_playing
await_picture "$WORK/game-start.png" "the game screen's picture" game_screen_picture

type_line "sever"
type_line "seber klíč ěščřžýáíéů"
game_running || fail "the game ended"

if [ -n "$TTY" ]; then
  printf '{esc}{noenter}\ns{noenter}\nsever\nseber klíč ěščřžýáíéů\n' >"$WORK/keys.txt"
  mkdir -p "$WORK/tty"
  (cd "$WORK/tty" && timeout "$WAIT_LIMIT" "$TTY" --keys "$WORK/keys.txt" --screenshot "$WORK/tty.png" \
    >"$WORK/tty.out" 2>&1) || fail "zarvel-tty failed: $(cat "$WORK/tty.out")"
  # The same screen as the terminal runner's, once the window shows the
  # game's last frame.
  same_as_tty() {
    bash "$(dirname "$0")/compare_screens.sh" "$1" "$WORK/tty.png" >"$WORK/compare.out" ||
      { LAST_LOOK=$(cat "$WORK/compare.out"); return 1; }
  }
  await_picture "$WORK/game.png" "the game screen to be zarvel-tty's" same_as_tty
fi
echo "desktop play: ok"
