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
type_line "fullscreen"

# tty_screen NAME COMMAND...: zarvel-tty's screenshot after the same keys.
tty_screen() {
  local name=$1
  shift
  {
    printf '{esc}{noenter}\ns{noenter}\n'
    printf '%s\n' "$@"
  } >"$WORK/$name.keys"
  mkdir -p "$WORK/tty-$name"
  (cd "$WORK/tty-$name" && timeout "$WAIT_LIMIT" "$TTY" --keys "$WORK/$name.keys" \
    --screenshot "$WORK/$name.png" >"$WORK/$name.out" 2>&1) ||
    fail "zarvel-tty failed: $(cat "$WORK/$name.out")"
}

# The display may still be switching when the game has printed its reply:
# wait until the whole screen shows the game's picture.
tty_screen tty-full sever fullscreen
full_screen_shows_game() {
  xt import -window root "$WORK/full.png" &&
    bash "$(dirname "$0")/compare_screens.sh" "$WORK/full.png" "$WORK/tty-full.png"
}
await "the full screen to show the game's picture" full_screen_shows_game

type_line "window"
not_full_screen() {
  local state
  state=$(xt xprop -id "$GAME_WINDOW" _NET_WM_STATE) && [[ $state != *FULLSCREEN* ]]
}
await "the window to leave full screen after \"window\"" not_full_screen
window_size() {
  xt xwininfo -id "$GAME_WINDOW" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'
}
window_is_800x600() { [ "$(window_size)" = "800x600" ]; }
await "the window to be 800x600 after \"window\"" window_is_800x600

# The window's frame pushes part of it off this small screen; the visible
# part must show the game exactly as before, once the window manager has
# placed the window.
tty_screen tty-window sever fullscreen window
window_shows_game() {
  local info top left width height
  info=$(xt xwininfo -id "$GAME_WINDOW") || return 1
  top=$(awk '/Absolute upper-left Y:/ { print $4 }' <<<"$info")
  left=$(awk '/Absolute upper-left X:/ { print $4 }' <<<"$info")
  height=$((600 - top))
  width=$((800 - left))
  [ "$width" -gt 0 ] && [ "$height" -gt 0 ] || return 1
  xt import -window root -crop "${width}x${height}+${left}+${top}" +repage "$WORK/windowed-part.png" || return 1
  convert "$WORK/tty-window.png" -crop "${width}x${height}+0+0" +repage "$WORK/tty-part.png"
  convert "$WORK/windowed-part.png" -background black -extent 800x600 "$WORK/windowed.png"
  convert "$WORK/tty-part.png" -background black -extent 800x600 "$WORK/tty-top.png"
  bash "$(dirname "$0")/compare_screens.sh" "$WORK/windowed.png" "$WORK/tty-top.png" >/dev/null
}
await "the window to show the game after \"window\"" window_shows_game
game_running || fail "the game ended"

# A screen without an 800 x 600 mode: scaled by 800/600, centred.
stop_x
start_x 1280 800
start_game "$ZARVEL"
skip_intro
start_playing
type_line "fullscreen"
# 800 x 600 scaled to 1067 x 800 starts at x 106; the console band spans
# y 43 to 562, scaled 57 to 749.
scaled_screen_shown() {
  xt import -window root "$WORK/scaled.png" &&
    [ "$(pixel "$WORK/scaled.png" 112 400)" = "48,48,128" ] &&
    [ "$(pixel "$WORK/scaled.png" 1167 400)" = "48,48,128" ]
}
await "the scaled full screen" scaled_screen_shown
expect_pixel "$WORK/scaled.png" 100 400 "0,0,0" "the black bar on the left"
expect_pixel "$WORK/scaled.png" 112 400 "48,48,128" "the console's left edge"
expect_pixel "$WORK/scaled.png" 1167 400 "48,48,128" "the console's right edge"
expect_pixel "$WORK/scaled.png" 1180 400 "0,0,0" "the black bar on the right"
expect_pixel "$WORK/scaled.png" 640 770 "28,28,28" "the input bar at the bottom"
echo "desktop fullscreen: ok"
