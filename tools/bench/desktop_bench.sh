#!/usr/bin/env bash
# Figures for the desktop program (printed, never pass/fail), each beside a
# bare SDL2 + OpenGL loop that presents 60 frames a second on the same
# display (zarvel-bare-loop):
#   - idle CPU at the command prompt (the game / the bare loop), and what
#     the X server spends showing each;
#   - CPU time per frame while every frame changes (keys typed and erased
#     at the frame rate), and per frame of the bare loop;
#   - CPU time per frame while the console scrolls (the command "r" typed
#     SCROLLS times, each reply scrolling in line by line; the frames are
#     counted by zarvel-tty on the same keys). Xvfb's Mesa keeps the back
#     buffer (GLX_MESA_copy_sub_buffer), so the rows that only moved are
#     copied there and only the new line is drawn, as on most X11 desktops;
#     ZARVEL_NO_ROW_COPY=1 in the environment measures drawing every
#     changed row instead;
#   - time from exec to the first presented frame (the window mapped,
#     black) and to the first frame the game draws (the intro's hint);
#   - peak memory (VmHWM) of the game and of the bare loop.
#
# Usage: tools/bench/desktop_bench.sh [BUILD_DIR]   (default: build)
#   needs the targets zarvel, zarvel-tty, zarvel-bare-loop and
#   zarvel-first-frame-probe
#   and the packages xvfb, openbox, xdotool, x11-xserver-utils.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=$(cd "${1:-$ROOT/build}" && pwd)
ZARVEL=$BUILD/zarvel
TTY=$BUILD/zarvel-tty
SCROLLS=20
BARE=$BUILD/tools/bench/zarvel-bare-loop
PROBE=$BUILD/tools/bench/zarvel-first-frame-probe
for f in "$ZARVEL" "$TTY" "$BARE" "$PROBE"; do
  [ -x "$f" ] || { echo "missing $f (build it first)"; exit 1; }
done

WORK=$(mktemp -d)
PIDS=()
trap 'for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$WORK"' EXIT

mkfifo "$WORK/fd"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/fd" >/dev/null 2>&1 &
XVFB=$!
PIDS+=($XVFB)
read -r number <"$WORK/fd"
export DISPLAY=":$number"
openbox --sm-disable >/dev/null 2>&1 &
PIDS+=($!)
for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
xset r off
printf '[general]\ndrivers=null\n' >"$WORK/alsoft.conf"
export ALSOFT_CONF=$WORK/alsoft.conf

TICKS=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
# cpu_percent PID SECONDS
cpu_percent() {
  local a b
  a=$(cpu_ticks "$1")
  sleep "$2"
  b=$(cpu_ticks "$1")
  awk -v d=$((b - a)) -v t="$TICKS" -v s="$2" 'BEGIN { printf "%.1f", 100 * d / t / s }'
}
# Both processes measured over the same seconds.
cpu_pair() {
  local a b x y
  a=$(cpu_ticks "$1")
  x=$(cpu_ticks "$XVFB")
  sleep "$2"
  b=$(cpu_ticks "$1")
  y=$(cpu_ticks "$XVFB")
  awk -v d=$((b - a)) -v e=$((y - x)) -v t="$TICKS" -v s="$2" \
    'BEGIN { printf "%.1f %.1f", 100 * d / t / s, 100 * e / t / s }'
}
peak_kb() { awk '/VmHWM/ { print $2 }' "/proc/$1/status"; }

echo "== exec to first frame (3 runs)"
for run in 1 2 3; do
  start=$(date +%s%N)
  (cd "$WORK" && exec "$ZARVEL" >/dev/null 2>&1) &
  game=$!
  # The hint "...stiskem ESC přeskočíte intro..." ends at x 780, top 570.
  "$PROBE" Zarvel "$start" 600 572 180 18 | tr '\n' ' ' | tee -a "$WORK/game.first"
  echo | tee -a "$WORK/game.first"
  kill "$game" 2>/dev/null || true
  wait "$game" 2>/dev/null || true
done

echo "== exec to first frame of the bare loop (3 runs)"
for run in 1 2 3; do
  start=$(date +%s%N)
  "$BARE" 1 >/dev/null 2>&1 &
  bare=$!
  "$PROBE" "bare loop" "$start" 100 100 10 10 | tr '\n' ' ' | tee -a "$WORK/bare.first"
  echo | tee -a "$WORK/bare.first"
  wait "$bare" 2>/dev/null || true
done

echo "== the game at the command prompt"
TRACE=$WORK/input.trace
: >"$TRACE"
(cd "$WORK" && ZARVEL_INPUT_TRACE="$TRACE" exec "$ZARVEL" >/dev/null 2>&1) &
GAME=$!
PIDS+=($GAME)
sleep 1
xdotool key Escape
sleep 4
xdotool key s
sleep 4
read -r game_cpu game_x <<<"$(cpu_pair "$GAME" 10)"
echo "idle CPU at the prompt: ${game_cpu} % (X server ${game_x} %)"

keys=()
for _ in $(seq 90); do keys+=(a BackSpace); done
a=$(cpu_ticks "$GAME")
t0=$(date +%s%N)
xdotool key --delay 17 "${keys[@]}"
t1=$(date +%s%N)
b=$(cpu_ticks "$GAME")
frames=${#keys[@]}
game_frame=$(awk -v d=$((b - a)) -v t="$TICKS" -v n="$frames" 'BEGIN { printf "%.3f", 1000 * d / t / n }')
echo "CPU per changed frame: $game_frame ms ($frames keys in $(((t1 - t0) / 1000000)) ms)"

# await_reply MARK: the game took Enter after line MARK of its input trace
# and reads keys again (its reply has scrolled in completely).
await_reply() {
  local deadline=$((SECONDS + 120))
  until tail -n +"$(($1 + 1))" "$TRACE" |
    awk '$0 == "char 13" { t = 1 } t && $0 == "ready" { f = 1 } END { exit !f }'; do
    [ "$SECONDS" -lt "$deadline" ] || { echo "gave up waiting for the reply to r"; exit 1; }
    sleep 0.05
  done
}
a=$(cpu_ticks "$GAME")
for _ in $(seq "$SCROLLS"); do
  mark=$(wc -l <"$TRACE")
  xdotool key r Return
  await_reply "$mark"
done
b=$(cpu_ticks "$GAME")
# One frame per console line printed, and one for the typed "r".
scroll_keys() {
  printf '{esc}{noenter}\ns{noenter}\n'
  for _ in $(seq "$1"); do echo r; done
}
scroll_keys 0 >"$WORK/keys0"
scroll_keys "$SCROLLS" >"$WORK/keysN"
lines0=$(cd "$WORK" && "$TTY" --raw --no-pause --keys "$WORK/keys0" | wc -l)
linesN=$(cd "$WORK" && "$TTY" --raw --no-pause --keys "$WORK/keysN" | wc -l)
scroll_frames=$((linesN - lines0 + SCROLLS))
scroll_frame=$(awk -v d=$((b - a)) -v t="$TICKS" -v n="$scroll_frames" 'BEGIN { printf "%.3f", 1000 * d / t / n }')
echo "CPU per scrolling frame: $scroll_frame ms ($scroll_frames frames)"
game_peak=$(peak_kb "$GAME")
kill "$GAME"
wait "$GAME" 2>/dev/null || true

echo "== the bare SDL2 + OpenGL loop, 60 frames a second"
"$BARE" 16 >"$WORK/bare.out" &
BARE_PID=$!
PIDS+=($BARE_PID)
sleep 3
read -r bare_cpu bare_x <<<"$(cpu_pair "$BARE_PID" 10)"
bare_peak=$(peak_kb "$BARE_PID")
wait "$BARE_PID" || true
echo "idle CPU: ${bare_cpu} % (X server ${bare_x} %); $(cat "$WORK/bare.out")"
bare_frame=$(awk -v c="$bare_cpu" 'BEGIN { printf "%.3f", c * 10 / 60 }')
echo "CPU per frame: $bare_frame ms"

echo "== summary"
awk -v g="$game_cpu" -v b="$bare_cpu" \
  'BEGIN { printf "idle CPU, game / bare loop: %s %% / %s %% = %.2f\n", g, b, (b > 0 ? g / b : 0) }'
echo "peak memory: game $((game_peak / 1024)) MiB, bare loop $((bare_peak / 1024)) MiB"

# Rows for tools/bench/bench.sh: name, figure, reference, goal.
first_drawn() { awk '{ for (i = 1; i < NF; i++) if ($i == "drawn") print $(i + 1) }' "$1" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
printf 'row\t%s\t%s\t%s\t%s\n' \
  "desktop typing frame, CPU ms (bare loop frame)" "$game_frame" "$bare_frame" "<= 2" \
  "desktop scrolling frame, CPU ms (bare loop frame)" "$scroll_frame" "$bare_frame" "<= 5" \
  "desktop idle at the prompt, CPU %" "$game_cpu" "$bare_cpu" "-" \
  "desktop exec to first drawn frame, ms (median)" "$(first_drawn "$WORK/game.first")" "$(first_drawn "$WORK/bare.first")" "<= 1.3" \
  "desktop peak RSS MiB (bare loop)" "$((game_peak / 1024))" "$((bare_peak / 1024))" "<= bare + 39 MiB"
