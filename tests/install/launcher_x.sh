#!/usr/bin/env bash
# The installed menu launcher starts the installed game in a real X server
# (its window of class "zarvel", with the game's icon), and a position saved
# there lands in $XDG_DATA_HOME/zarvel, not in the folder the launcher was
# started from.
#
# Usage: launcher_x.sh BUILD_DIR SOURCE_DIR
source "$2/tests/desktop/xsession.sh"
build=$1
require_tools
cmake --install "$build" --prefix "$WORK/prefix" >"$WORK/install.log" ||
  fail "cmake --install failed: $(cat "$WORK/install.log")"
export XDG_DATA_HOME=$WORK/data  # made by the launcher
start_x 1024 768
# start_game runs the program in $WORK/run; the launcher moves on from there.
start_game "$WORK/prefix/games/zarvel-launcher"
wm_class=$(xt xprop -id "$GAME_WINDOW" WM_CLASS)
grep -q '= "zarvel", "zarvel"$' <<<"$wm_class" ||
  fail "the window's class is not zarvel: $wm_class"
icon=$(xt xprop -id "$GAME_WINDOW" _NET_WM_ICON)
[[ $icon == *"Icon (64 x 64)"* ]] ||
  fail "the window has not the game's 64-pixel icon"
skip_intro
start_playing
save_position save menu
saved=$XDG_DATA_HOME/zarvel/pozice_01.sav
[ -s "$saved" ] || fail "no position in $saved (folder: $(ls -A "$XDG_DATA_HOME/zarvel" 2>&1))"
[ "$(head -c 4 "$saved")" = menu ] || fail "the saved position is not named menu"
[ -z "$(ls -A "$WORK/run")" ] || fail "files in the start folder: $(ls -A "$WORK/run")"
game_running || fail "the game ended"
echo "launcher in X: ok"
