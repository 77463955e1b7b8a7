# Shared by the desktop tests: a private X server with a window manager, the
# game started in it, and helpers to type, look and wait. Sourced, not run.
#
# Each test runs in its own Xvfb (a free display number is picked by the
# server itself), so tests can run side by side. Key repeat is off, so a
# key held a little too long by a busy machine never types twice.
set -euo pipefail

SKIP=77  # CTest's SKIP_RETURN_CODE for a machine without the X tools

WORK=$(mktemp -d "${TMPDIR:-/tmp}/zarvel-desktop.XXXXXX")
PIDS=()
cleanup() {
  local pid
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  if [ "${KEEP_WORK:-0}" = 1 ]; then echo "kept $WORK"; else rm -rf "$WORK"; fi
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  if [ -n "${GAME_WINDOW:-}" ]; then
    import -window "$GAME_WINDOW" "$WORK/at-failure.png" 2>/dev/null || true
  fi
  [ -f "$WORK/game.err" ] && sed 's/^/game stderr: /' "$WORK/game.err" >&2
  exit 1
}

require_tools() {
  local tool
  for tool in Xvfb openbox xdotool xset xmodmap wmctrl import convert "$@"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "SKIP: $tool is not installed"
      exit $SKIP
    fi
  done
}

# start_x WIDTH HEIGHT: an X server of that size with openbox on it.
start_x() {
  local fifo="$WORK/displayfd"
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${1}x${2}x24" -nolisten tcp -noreset \
    3>"$fifo" >"$WORK/xvfb.log" 2>&1 &
  PIDS+=($!)
  local number
  read -r -t 20 number <"$fifo" || fail "Xvfb did not start"
  export DISPLAY=":$number"
  openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
  PIDS+=($!)
  local i
  for i in $(seq 100); do
    wmctrl -m >/dev/null 2>&1 && break
    sleep 0.1
  done
  wmctrl -m >/dev/null 2>&1 || fail "openbox did not start"
  xset r off
  map_czech_letters
}

# The Czech letters typed by the tests, each given a keycode of its own as a
# Unicode keysym: xdotool then presses a real key instead of remapping one
# on the fly, which races with the game reading the keyboard map.
map_czech_letters() {
  local code=200 keysym
  for keysym in ecaron scaron ccaron rcaron zcaron yacute aacute iacute \
      eacute uring; do
    xmodmap -e "keycode $code = $keysym" 2>/dev/null
    code=$((code + 1))
  done
}

# start_game BINARY [ALSOFT_CONF]: the game in a fresh working directory.
# Without a sound configuration OpenAL gets the null output.
start_game() {
  local conf=${2:-}
  if [ -z "$conf" ]; then
    conf="$WORK/alsoft-null.conf"
    printf '[general]\ndrivers=null\n' >"$conf"
  fi
  mkdir -p "$WORK/run"
  (cd "$WORK/run" && exec env ALSOFT_CONF="$conf" LANG=C.UTF-8 "$1" \
    >"$WORK/game.out" 2>"$WORK/game.err") &
  GAME_PID=$!
  PIDS+=($GAME_PID)
  GAME_WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name '^Zarvel$' |
    head -1) || fail "the game window did not appear"
  [ -n "$GAME_WINDOW" ] || fail "the game window did not appear"
}

game_running() { kill -0 "$GAME_PID" 2>/dev/null; }

# Waits for the game to end and prints its exit status.
game_status() {
  local i
  for i in $(seq 100); do
    game_running || break
    sleep 0.1
  done
  game_running && fail "the game did not end"
  local status=0
  wait "$GAME_PID" || status=$?
  echo "$status"
}

focus_game() {
  xdotool windowactivate --sync "$GAME_WINDOW" 2>/dev/null ||
    xdotool windowfocus --sync "$GAME_WINDOW"
}

# press KEY...: keys by their X names (Escape, Return, s).
press() {
  xdotool key --clearmodifiers --delay 80 "$@"
}

# type_line TEXT: types the text and Enter, then waits for the reply to
# finish printing (the game drops keys typed while it prints).
type_line() {
  xdotool type --clearmodifiers --delay 80 "$1"
  press Return
  sleep "${2:-2}"
}

shot() {
  import -window "$GAME_WINDOW" "$1" 2>/dev/null || fail "cannot take a screenshot"
}

# pixel FILE X Y: "r,g,b" of one pixel.
pixel() {
  convert "$1" -format '%[fx:int(255*p{'"$2"','"$3"'}.r)],%[fx:int(255*p{'"$2"','"$3"'}.g)],%[fx:int(255*p{'"$2"','"$3"'}.b)]' info:
}

expect_pixel() {
  local got
  got=$(pixel "$1" "$2" "$3")
  [ "$got" = "$4" ] || fail "pixel ($2, $3) of $(basename "$1") is $got, expected $4 ($5)"
}

# count_colour FILE X Y W H R,G,B: how many pixels of the area have exactly
# that colour.
count_colour() {
  convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -fill black +opaque "rgb($6)" \
    -fill white -opaque "rgb($6)" -format '%[fx:int(mean*w*h+0.5)]' info:
}

# await_pixel X Y R,G,B WHAT [SECONDS]: waits until the game window shows
# that colour there; a busy machine only makes it take longer.
await_pixel() {
  local i limit=$(( ${5:-20} * 4 ))
  for i in $(seq "$limit"); do
    import -window "$GAME_WINDOW" "$WORK/await.png" 2>/dev/null &&
      [ "$(pixel "$WORK/await.png" "$1" "$2")" = "$3" ] && return 0
    sleep 0.25
  done
  fail "no $4 on the screen (pixel ($1, $2) is not $3)"
}

# Skips the intro with Escape (taken as soon as the 3-second hint ends) and
# waits for the title menu's blue box.
skip_intro() {
  sleep 0.5
  focus_game
  press Escape
  await_pixel 400 72 "48,48,128" "title menu"
  sleep 0.5
}

# "S" in the title menu, then the game screen once the music has faded.
start_playing() {
  press s
  await_pixel 10 300 "48,48,128" "game screen"
  sleep 0.5
}
