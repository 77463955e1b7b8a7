#!/usr/bin/env bash
# Prints the engine's speed figures (a benchmark, not a test: nothing here
# fails on a slow machine):
#   - LoadWorld time on the embedded data,
#   - the CPU time of one RedrawScreen plus command line on the software
#     renderer,
#   - commands per second of a long --no-pause walkthrough in zarvel-tty,
#     start-up (intro and title menu on the virtual clock) left out.
#
# usage: tools/bench/engine_bench.sh [BUILD_DIR] [COMMANDS]
#   BUILD_DIR defaults to build/ (configured if missing), COMMANDS to 3000.
set -euo pipefail
shopt -s inherit_errexit

root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
commands=${2:-3000}
world=$root/tests/transcripts/worlds/sklep

if [[ ! -f $build/CMakeCache.txt ]]; then
  cmake -S "$root" -B "$build" -DZARVEL_DESKTOP=OFF >/dev/null
fi
cmake --build "$build" --target zarvel-tty zarvel-bench -j2 >/dev/null
build=$(cd "$build" && pwd)

"$build/tools/bench/zarvel-bench"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A round of six commands on the fixture cellar: moves with descriptions,
# the inventory, taking and dropping, and a 25-line manual with a page pause.
rounds=$(( (commands + 5) / 6 ))
{
  echo S
  for ((i = 0; i < rounds; i++)); do
    printf 'seber klíč\ns\nj\ni\npolož klíč\nslovník\n'
  done
} >"$work/walk.keys"
echo S >"$work/start.keys"

run() {  # prints the wall-clock seconds of one run of the runner
  local keys=$1 start end
  start=$(date +%s%N)
  (cd "$work" && "$build/zarvel-tty" --raw --no-pause --data "$world" \
    --keys "$keys" >"$work/out.txt")
  end=$(date +%s%N)
  echo $(( end - start ))
}

startup_ns=$(run "$work/start.keys")
walk_ns=$(run "$work/walk.keys")
typed=$(( rounds * 6 ))
lines=$(wc -l <"$work/out.txt")
awk -v n="$typed" -v lines="$lines" -v walk="$walk_ns" -v start="$startup_ns" \
  'BEGIN {
     s = (walk - start) / 1e9
     if (s <= 0) s = 1e-9
     printf "zarvel-tty --no-pause walkthrough: %d commands, %d lines in %.2f s " \
            "after a %.2f s start-up: %.0f commands/s, %.0f lines/s\n",
            n, lines, s, start / 1e9, n / s, lines / s
   }'
