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

skip_intro
settled_shot "$WORK/title.png"
expect_pixel "$WORK/title.png" 5 5 "0,0,0" "black around the menu"
expect_pixel "$WORK/title.png" 400 72 "48,48,128" "the blue box's top rows"
expect_pixel "$WORK/title.png" 400 270 "0,0,0" "black between the boxes"
# The logo is drawn at y 10, 27 pixels high, ending five character widths
# before the right edge: its letters are white there, and nothing is above.
logo=$(count_colour "$WORK/title.png" 200 10 600 27 "255,255,255")
[ "$logo" -gt 150 ] || fail "no logo at the top right of the menu ($logo white pixels)"
above=$(count_colour "$WORK/title.png" 0 0 800 9 "0,0,0")
[ "$above" -eq 7200 ] || fail "something drawn above the logo"

start_playing
settled_shot "$WORK/game-start.png"
expect_pixel "$WORK/game-start.png" 400 20 "0,0,0" "the black header"
expect_pixel "$WORK/game-start.png" 10 4 "255,255,255" "the header's upper line"
expect_pixel "$WORK/game-start.png" 10 37 "255,255,255" "the header's lower line"
expect_pixel "$WORK/game-start.png" 10 300 "48,48,128" "the console"
expect_pixel "$WORK/game-start.png" 790 580 "28,28,28" "the input bar"
expect_pixel "$WORK/game-start.png" 10 567 "255,255,255" "the input bar's upper line"
expect_pixel "$WORK/game-start.png" 10 595 "255,255,255" "the input bar's lower line"
logo=$(count_colour "$WORK/game-start.png" 200 8 600 28 "255,255,255")
[ "$logo" -gt 150 ] || fail "no logo in the header ($logo white pixels)"

type_line "sever"
type_line "seber klíč ěščřžýáíéů"
settled_shot "$WORK/game.png"
game_running || fail "the game ended"

if [ -n "$TTY" ]; then
  printf '{esc}{noenter}\ns{noenter}\nsever\nseber klíč ěščřžýáíéů\n' >"$WORK/keys.txt"
  mkdir -p "$WORK/tty"
  (cd "$WORK/tty" && timeout "$WAIT_LIMIT" "$TTY" --keys "$WORK/keys.txt" --screenshot "$WORK/tty.png" \
    >"$WORK/tty.out" 2>&1) || fail "zarvel-tty failed: $(cat "$WORK/tty.out")"
  bash "$(dirname "$0")/compare_screens.sh" "$WORK/game.png" "$WORK/tty.png" ||
    fail "the game screen differs from zarvel-tty's"
fi
echo "desktop play: ok"
