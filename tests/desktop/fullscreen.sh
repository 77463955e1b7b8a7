#!/usr/bin/env bash
# "fullscreen" and "window" in a real X server.
#
# On an 800 x 600 screen the game fills the display exactly: the whole
# screen must equal zarvel-tty's picture after the same keys (not cropped,
# not shifted, the text still in the game font). "window" brings back the
# 800 x 600 window, still showing the game.
#
# On a wider screen without an 800 x 600 mode (1280 x 800) the picture is
# scaled to the screen's height and centred between black bars.
#
# Usage: fullscreen.sh ZARVEL ZARVEL_TTY
source "$(dirname "$0")/xsession.sh"
ZARVEL=$1
TTY=$2
require_tools xwininfo xprop
start_x 800 600
start_game "$ZARVEL"
skip_intro
start_playing
type_line "sever"
type_line "fullscreen" 3

# tty_screen NAME COMMAND...: zarvel-tty's screenshot after the same keys.
tty_screen() {
  local name=$1
  shift
  {
    printf '{esc}{noenter}\ns{noenter}\n'
    printf '%s\n' "$@"
  } >"$WORK/$name.keys"
  mkdir -p "$WORK/tty-$name"
  (cd "$WORK/tty-$name" && "$TTY" --keys "$WORK/$name.keys" \
    --screenshot "$WORK/$name.png" >"$WORK/$name.out" 2>&1) ||
    fail "zarvel-tty failed: $(cat "$WORK/$name.out")"
}

import -window root "$WORK/full.png"
tty_screen tty-full sever fullscreen
bash "$(dirname "$0")/compare_screens.sh" "$WORK/full.png" "$WORK/tty-full.png" ||
  fail "the full screen is not the game's picture"

type_line "window" 3
xprop -id "$GAME_WINDOW" _NET_WM_STATE | grep -q FULLSCREEN &&
  fail "still full screen after \"window\""
size=$(xwininfo -id "$GAME_WINDOW" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
[ "$size" = "800x600" ] || fail "the window is $size after \"window\", not 800x600"
# The window's frame pushes part of it off this small screen; the visible
# part must show the game exactly as before. The window manager may still
# be placing the window, so a few looks are allowed.
tty_screen tty-window sever fullscreen window
window_shows_game() {
  local top left width height
  top=$(xwininfo -id "$GAME_WINDOW" | awk '/Absolute upper-left Y:/ { print $4 }')
  left=$(xwininfo -id "$GAME_WINDOW" | awk '/Absolute upper-left X:/ { print $4 }')
  height=$((600 - top))
  width=$((800 - left))
  echo "window at $left, $top"
  import -window root -crop "${width}x${height}+${left}+${top}" +repage "$WORK/windowed-part.png"
  convert "$WORK/tty-window.png" -crop "${width}x${height}+0+0" +repage "$WORK/tty-part.png"
  convert "$WORK/windowed-part.png" -background black -extent 800x600 "$WORK/windowed.png"
  convert "$WORK/tty-part.png" -background black -extent 800x600 "$WORK/tty-top.png"
  bash "$(dirname "$0")/compare_screens.sh" "$WORK/windowed.png" "$WORK/tty-top.png"
}
shown=0
for attempt in 1 2 3 4 5 6; do
  if window_shows_game; then shown=1; break; fi
  sleep 0.5
done
[ "$shown" = 1 ] || fail "the window does not show the game after \"window\""
game_running || fail "the game ended"
kill "$GAME_PID"

# A screen without an 800 x 600 mode: scaled by 800/600, centred.
for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
for pid in "${PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
PIDS=()
rm -f "$WORK/displayfd"
start_x 1280 800
start_game "$ZARVEL"
skip_intro
start_playing
type_line "fullscreen" 3
import -window root "$WORK/scaled.png"
# 800 x 600 scaled to 1067 x 800 starts at x 106; the console band spans
# y 43 to 562, scaled 57 to 749.
expect_pixel "$WORK/scaled.png" 100 400 "0,0,0" "the black bar on the left"
expect_pixel "$WORK/scaled.png" 112 400 "48,48,128" "the console's left edge"
expect_pixel "$WORK/scaled.png" 1167 400 "48,48,128" "the console's right edge"
expect_pixel "$WORK/scaled.png" 1180 400 "0,0,0" "the black bar on the right"
expect_pixel "$WORK/scaled.png" 640 770 "28,28,28" "the input bar at the bottom"
echo "desktop fullscreen: ok"
