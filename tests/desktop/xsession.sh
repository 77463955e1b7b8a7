# Shared by the desktop tests: a private X server with a window manager, the
# game started in it, and helpers to type, look and wait. Sourced, not run.
#
# Each test runs in its own Xvfb (a free display number is picked by the
# server itself), so tests can run side by side. Key repeat is off, so a
# key held a little too long by a busy machine never types twice.
#
# Nothing here waits for a fixed time and hopes: every wait is for a
# condition (a line in the game's input trace, a colour on the screen, a
# window), polls it, gives up after a bound that only a stuck game reaches,
# and then says what it waited for. The game throws away keys typed while
# it prints, so keys are typed only once its input trace (ZARVEL_INPUT_TRACE,
# see InputTrace.h) says that it reads again. Every X tool that can block
# runs under `timeout`. With pipefail, a reader that stops early (grep -q,
# head) can fail a pipeline by the writer's SIGPIPE: outputs are taken into
# a variable first and looked at there.
set -euo pipefail
export LC_ALL=C.UTF-8

SKIP=77  # CTest's SKIP_RETURN_CODE for a machine without the X tools
WAIT_LIMIT=${WAIT_LIMIT:-120}  # seconds any one condition may take

WORK=$(mktemp -d "${TMPDIR:-/tmp}/zarvel-desktop.XXXXXX")
PIDS=()
GAME_PID=""
cleanup() {
  local pid
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  if [ "${KEEP_WORK:-0}" = 1 ]; then echo "kept $WORK"; else rm -rf "$WORK"; fi
}
trap cleanup EXIT

# xt COMMAND...: an X tool call, bounded (a tool asking about a window that
# has just gone away may otherwise wait for ever).
xt() { timeout 20 "$@"; }

fail() {
  echo "FAIL: $*" >&2
  if [ -n "${GAME_WINDOW:-}" ] && game_running; then
    xt import -window "$GAME_WINDOW" "$WORK/at-failure.png" 2>/dev/null || true
  fi
  if [ -f "${INPUT_TRACE:-}" ]; then
    echo "the game took these keys: $(taken_text)" >&2
    echo "input trace (last lines): $(tail -n 8 "$INPUT_TRACE" | tr '\n' ' ')" >&2
  fi
  [ -f "$WORK/game.err" ] && sed 's/^/game stderr: /' "$WORK/game.err" >&2
  # The pictures and logs stay for a look at what went wrong.
  KEEP_WORK=1
  exit 1
}

# The characters the game took so far, as text ({13} for Enter and the like).
taken_text() {
  local code text=""
  while read -r code; do
    if [ "$code" -lt 32 ]; then text+="{$code}"; else text+=$(printf "\\u$(printf %04x "$code")"); fi
  done < <(awk '$1 == "char" { print $2 }' "$INPUT_TRACE")
  printf '%s' "$text"
}

# await WHAT COMMAND...: runs the command until it succeeds; fails the test,
# naming WHAT, when WAIT_LIMIT seconds pass first.
await() {
  local what=$1
  shift
  local deadline=$((SECONDS + WAIT_LIMIT))
  LAST_LOOK=""
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] ||
      fail "gave up after ${WAIT_LIMIT} s waiting for $what${LAST_LOOK:+ (last look: $LAST_LOOK)}"
    sleep 0.1
  done
}

require_tools() {
  local tool
  for tool in Xvfb openbox xdotool xset xmodmap wmctrl import convert compare timeout "$@"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "SKIP: $tool is not installed"
      exit $SKIP
    fi
  done
}

# start_x WIDTH HEIGHT: an X server of that size with openbox on it.
start_x() {
  local fifo="$WORK/displayfd.$1x$2"
  rm -f "$fifo"  # left by an earlier server of the same size
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${1}x${2}x24" -nolisten tcp -noreset \
    3>"$fifo" >"$WORK/xvfb.log" 2>&1 &
  PIDS+=($!)
  local number
  read -r -t "$WAIT_LIMIT" number <"$fifo" || fail "Xvfb did not say its display number"
  export DISPLAY=":$number"
  openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
  PIDS+=($!)
  await "openbox to manage the screen" eval 'xt wmctrl -m >/dev/null 2>&1'
  xt xset r off
  map_czech_letters
}

# Stops the X server, the window manager and the game, for a second start_x.
stop_x() {
  local pid
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  PIDS=()
  GAME_PID=""
  GAME_WINDOW=""
}

# The Czech letters typed by the tests, each given a keycode of its own as a
# Unicode keysym: xdotool then presses a real key instead of remapping one
# on the fly, which races with the game reading the keyboard map.
map_czech_letters() {
  local code=200 keysym
  for keysym in ecaron scaron ccaron rcaron zcaron yacute aacute iacute \
      eacute uring; do
    xt xmodmap -e "keycode $code = $keysym" 2>/dev/null
    code=$((code + 1))
  done
}

# start_game BINARY [ALSOFT_CONF]: the game in a fresh working directory,
# with its input trace in $INPUT_TRACE. Without a sound configuration
# OpenAL gets the null output.
start_game() {
  local conf=${2:-}
  if [ -z "$conf" ]; then
    conf="$WORK/alsoft-null.conf"
    printf '[general]\ndrivers=null\n' >"$conf"
  fi
  mkdir -p "$WORK/run"
  INPUT_TRACE="$WORK/input-trace.$((${#PIDS[@]}))"
  : >"$INPUT_TRACE"
  (cd "$WORK/run" && exec env ALSOFT_CONF="$conf" ZARVEL_INPUT_TRACE="$INPUT_TRACE" \
    "$1" >"$WORK/game.out" 2>"$WORK/game.err") &
  GAME_PID=$!
  PIDS+=($GAME_PID)
  # The window may be made more than once while the game opens its screen;
  # once the intro reads keys, the one that stays is there.
  await_reading
  await "the game window" find_game_window
}

find_game_window() {
  local found
  found=$(xt xdotool search --onlyvisible --name '^Zarvel$' 2>/dev/null) || return 1
  GAME_WINDOW=${found%%$'\n'*}
  [ -n "$GAME_WINDOW" ]
}

game_running() { [ -n "$GAME_PID" ] && kill -0 "$GAME_PID" 2>/dev/null; }

# await_game_end: waits, in the shell that started the game (only its
# parent can collect its status), until the game ends, and puts its exit
# status into GAME_STATUS. A watchdog ends a game that does not end within
# the limit, and the test fails saying so.
await_game_end() {
  local limit_file="$WORK/game-end-limit"
  rm -f "$limit_file"
  (sleep "$WAIT_LIMIT"; touch "$limit_file"; kill -KILL "$GAME_PID" 2>/dev/null) &
  local watchdog=$!
  GAME_STATUS=0
  wait "$GAME_PID" || GAME_STATUS=$?
  kill "$watchdog" 2>/dev/null || true
  wait "$watchdog" 2>/dev/null || true
  GAME_PID=""
  [ ! -e "$limit_file" ] || fail "the game did not end within ${WAIT_LIMIT} s"
}

focus_game() {
  xt xdotool windowactivate --sync "$GAME_WINDOW" 2>/dev/null ||
    xt xdotool windowfocus --sync "$GAME_WINDOW" ||
    fail "cannot give the game window the focus"
}

# The input trace: trace_mark prints how many lines it has; has_ready_after
# MARK CODE succeeds once, after that mark, the game took the character
# CODE and then started reading keys again (its reply or the next screen is
# complete).
trace_mark() { wc -l <"$INPUT_TRACE"; }
has_ready_after() {
  tail -n +"$(($1 + 1))" "$INPUT_TRACE" |
    awk -v key="char $2" '$0 == key { taken = 1 } taken && $0 == "ready" { found = 1 } END { exit !found }'
}
# await_ready_after MARK CODE WHAT
await_ready_after() {
  await "$3 (the game to take key $2 and read keys again)" has_ready_after "$1" "$2"
}
# await_reading: the game reads keys (for the first keys after a start).
await_reading() {
  game_running || fail "the game ended before it read any key"
  await "the game to read keys" grep -qx ready "$INPUT_TRACE"
}

# press KEY...: keys by their X names (Escape, Return, s).
press() {
  xt xdotool key --clearmodifiers --delay 80 "$@"
}

# press_and_await KEY CODE WHAT: one key, and the game's answer to it.
press_and_await() {
  local mark
  mark=$(trace_mark)
  press "$1"
  await_ready_after "$mark" "$2" "$3"
}

# type_line TEXT: types the text and Enter, then waits until the game has
# printed its whole reply and reads keys again.
type_line() {
  local mark
  mark=$(trace_mark)
  xt xdotool type --clearmodifiers --delay 80 "$1"
  press Return
  await_ready_after "$mark" 13 "the reply to \"$1\""
}

# save_position COMMAND NAME: saves into slot 1 under that name (typed on
# an empty name line) and waits until the game has written it.
save_position() {
  type_line "$1"
  press_and_await 1 49 "the question for the position's name"
  local mark
  mark=$(trace_mark)
  xt xdotool type --delay 80 "$2"
  press Return
  await_ready_after "$mark" 13 "the game to save the position"
}

shot() {
  xt import -window "$GAME_WINDOW" "$1" 2>/dev/null || fail "cannot take a screenshot"
}

# same_picture A B: the two pictures are identical, leaving out the input
# bar's text and cursor (the cursor blinks).
same_picture() {
  convert "$1" -fill black -draw 'rectangle 22,568 799,594' "$WORK/same-a.png" &&
    convert "$2" -fill black -draw 'rectangle 22,568 799,594' "$WORK/same-b.png" &&
    [ "$(compare -metric AE "$WORK/same-a.png" "$WORK/same-b.png" null: 2>&1 || true)" = 0 ]
}

# settled_shot FILE: a screenshot of a screen that has stopped changing (two
# looks in a row agree), so it shows what the game last presented.
settled_shot() {
  shot "$1"
  _settled() {
    shot "$WORK/settle.png"
    same_picture "$1" "$WORK/settle.png" && return 0
    cp "$WORK/settle.png" "$1"
    return 1
  }
  await "the screen to settle" _settled "$1"
}

# await_shows FILE WHAT: the window shows the picture FILE again.
await_shows() {
  _shows() { shot "$WORK/look.png" && same_picture "$1" "$WORK/look.png"; }
  await "$2" _shows "$1"
}

# await_changed FILE WHAT: the window no longer shows the picture FILE.
await_changed() {
  _changed() { shot "$WORK/look.png" && ! same_picture "$1" "$WORK/look.png"; }
  await "$2" _changed "$1"
}

# pixel FILE X Y: "r,g,b" of one pixel.
pixel() {
  convert "$1" -format '%[fx:int(255*p{'"$2"','"$3"'}.r)],%[fx:int(255*p{'"$2"','"$3"'}.g)],%[fx:int(255*p{'"$2"','"$3"'}.b)]' info:
}

# has_pixel FILE X Y R,G,B WHAT: the picture has that colour there; if not,
# LAST_LOOK says what was seen.
has_pixel() {
  local got
  got=$(pixel "$1" "$2" "$3")
  [ "$got" = "$4" ] && return 0
  LAST_LOOK="pixel ($2, $3) of $(basename "$1") is $got, expected $4 ($5)"
  return 1
}

expect_pixel() { has_pixel "$@" || fail "$LAST_LOOK"; }

# await_picture FILE WHAT CHECK...: takes screenshots into FILE until the
# check (a command given FILE as its last argument) passes. The window may
# show a frame that is redrawn a moment later; a wrong picture that stays
# fails after the limit with what the last look found.
await_picture() {
  local file=$1 what=$2
  shift 2
  _picture_passes() { shot "$file" && "$@" "$file"; }
  await "$what" _picture_passes "$@"
}

# count_colour FILE X Y W H R,G,B: how many pixels of the area have exactly
# that colour.
count_colour() {
  convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -fill black +opaque "rgb($6)" \
    -fill white -opaque "rgb($6)" -format '%[fx:int(mean*w*h+0.5)]' info:
}

# shows_pixel X Y R,G,B: the game window shows that colour there now.
shows_pixel() {
  xt import -window "$GAME_WINDOW" "$WORK/await.png" 2>/dev/null &&
    [ "$(pixel "$WORK/await.png" "$1" "$2")" = "$3" ]
}

# await_pixel X Y R,G,B WHAT: waits until the game window shows that colour
# there; a busy machine only makes it take longer.
await_pixel() {
  await "$4 (pixel ($1, $2) to be $3)" shows_pixel "$1" "$2" "$3"
}

title_menu_shown() { shows_pixel 400 72 "48,48,128"; }

# Skips the intro with Escape and waits for the title menu's blue box. An
# Escape that reaches the game too late only lets the intro run its 20
# seconds, which the wait allows for.
skip_intro() {
  # start_game has waited until the intro reads keys: an Escape held while
  # the world is still loading would cut the loading short.
  focus_game
  press Escape
  await "the title menu" title_menu_shown
}

# "S" in the title menu; then the game screen, once the music has faded and
# the start location is printed.
start_playing() {
  press_and_await s 115 "the game screen after S"
  await_pixel 10 300 "48,48,128" "the game screen"
}
