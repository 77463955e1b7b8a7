#!/usr/bin/env bash
# The console scrolling in a real X server: where the window keeps its back
# buffer, rows that only moved up are copied there instead of drawn again.
# The picture must be exactly the one the game gives when it draws every
# changed row (ZARVEL_NO_ROW_COPY=1), after the same commands, each of whose
# replies scrolls the console line by line.
#
# Usage: scroll.sh ZARVEL
source "$(dirname "$0")/xsession.sh"
ZARVEL=$1
require_tools

# play_to_the_end: the same commands in a fresh X server and game.
play_to_the_end() {
  start_x 1024 768
  start_game "$ZARVEL"
  skip_intro
  start_playing
  type_line "sever"
  type_line "seber klíč ěščřžýáíéů"
  type_line "r"
  type_line "jih"
  game_running || fail "the game ended"
}

play_to_the_end
settled_shot "$WORK/copied.png"
stop_x

# same_as_copied FILE: FILE is copied.png exactly, leaving out the input
# bar's text and blinking cursor; if not, LAST_LOOK says how much differs.
same_as_copied() {
  same_picture "$WORK/copied.png" "$1" && return 0
  LAST_LOOK="$(compare -metric AE "$WORK/same-a.png" "$WORK/same-b.png" null: 2>&1 || true) pixels differ"
  return 1
}
export ZARVEL_NO_ROW_COPY=1
play_to_the_end
await_picture "$WORK/drawn.png" "the screen drawn row by row to be the one with copied rows" same_as_copied
echo "desktop scroll: ok"
