#!/usr/bin/env bash
# All the speed and memory figures in one table: each figure beside a
# reference measured in the same run, and their ratio. A benchmark, not a
# test: nothing here fails on a slow or busy machine, so read the figures
# together with the load printed at the top.
#
#   winning walkthrough   zarvel-tty --no-pause --raw on the shipped data,
#                         against zarvel-walk-floor: the same engine and
#                         transcript on a platform that keeps no frames and
#                         decodes no music (median of RUNS runs each,
#                         alternating; CPU is user + system time)
#   instructions          with --callgrind: the same two runs counted by
#                         valgrind's callgrind, a figure that does not move
#                         with the machine's load
#   LoadWorld 100x        zarvel-bench: the World built from a data set 100
#                         times the shipped one, against reading the same
#                         files into lines (the least any loader pays)
#   desktop rows          from desktop_bench.sh (with --desktop; needs the
#                         desktop build and Xvfb): the game beside a bare
#                         SDL2 + OpenGL loop
#   suite rows            from suite_bench.sh (with --suite; a quarter of an
#                         hour): ./scripts/test on a fresh clone, then again
#                         with nothing changed
#
# usage: tools/bench/bench.sh [BUILD_DIR] [--callgrind] [--desktop] [--suite]
#                             [RUNS]
set -euo pipefail
shopt -s inherit_errexit

root=$(cd "$(dirname "$0")/../.." && pwd)
build=$root/build
desktop=0
suite=0
callgrind=0
runs=5
for arg in "$@"; do
  case $arg in
    --desktop) desktop=1 ;;
    --suite) suite=1 ;;
    --callgrind) callgrind=1 ;;
    [0-9]*) runs=$arg ;;
    *) build=$arg ;;
  esac
done
build=$(cd "$build" && pwd)
tty=$build/zarvel-tty
floor=$build/tools/bench/zarvel-walk-floor
measure=$build/tools/bench/zarvel-measure
for f in "$tty" "$floor" "$measure"; do
  [[ -x $f ]] || { echo "missing $f (build it first)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rows=$work/rows
: >"$rows"
# row NAME FIGURE REFERENCE GOAL (the goal names the ratio to reach)
row() { printf '%s\t%s\t%s\t%s\n' "$1" "$2" "$3" "$4" >>"$rows"; }
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

echo "load: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores; $(date -u '+%F %H:%M UTC')"

keys=$root/tests/walkthroughs/win/input.keys
: >"$work/tty.cost"
: >"$work/floor.cost"
for ((i = 0; i < runs; i++)); do
  (cd "$work" && "$measure" "$work/tty.txt" "$tty" --no-pause --raw \
    --keys "$keys") >>"$work/tty.cost"
  (cd "$work" && "$measure" "$work/floor.txt" "$floor" "$keys") \
    >>"$work/floor.cost"
done
if ! cmp -s "$work/tty.txt" "$work/floor.txt"; then
  echo "the floor's transcript differs from zarvel-tty's: no comparison" >&2
  exit 1
fi
lines=$(wc -l <"$work/tty.txt")
row "winning walkthrough ($lines lines), CPU s" \
  "$(awk '{ print $1 }' "$work/tty.cost" | median)" \
  "$(awk '{ print $1 }' "$work/floor.cost" | median)" "<= 1.5"
row "winning walkthrough, peak RSS MiB" \
  "$(awk '{ print $2 / 1024 }' "$work/tty.cost" | median)" \
  "$(awk '{ print $2 / 1024 }' "$work/floor.cost" | median)" "-"

# instructions PROGRAM [ARG...]: the instructions callgrind counts in a run.
instructions() {
  (cd "$work" && valgrind --tool=callgrind --callgrind-out-file="$work/cg.out" \
    "$@" >/dev/null 2>&1)
  awk '/^summary:/ { print $2 / 1e6 }' "$work/cg.out"
}
if ((callgrind)); then
  row "winning walkthrough, million instructions" \
    "$(instructions "$tty" --no-pause --raw --keys "$keys")" \
    "$(instructions "$floor" "$keys")" "<= 1.5"
fi

# LoadWorld on a data set 100 times the shipped one (zarvel-bench).
bench=$build/tools/bench/zarvel-bench
if [[ -x $bench ]]; then
  "$bench" | grep '^row	' | cut -f2- >>"$rows" || true
fi

if ((desktop)); then
  "$root/tools/bench/desktop_bench.sh" "$build" | tee "$work/desktop.out" |
    sed 's/^/  desktop: /' >&2
  grep '^row	' "$work/desktop.out" | cut -f2- >>"$rows" || true
fi

if ((suite)); then
  "$root/tools/bench/suite_bench.sh" | tee "$work/suite.out" |
    sed 's/^/  suite: /' >&2
  grep '^row	' "$work/suite.out" | cut -f2- >>"$rows" || true
fi

awk -F'\t' '
  BEGIN {
    printf "%-56s %10s %10s %7s  %s\n", "figure", "measured", "reference",
           "ratio", "goal (ratio)"
  }
  {
    ratio = ($3 > 0) ? sprintf("%.2f", $2 / $3) : "-"
    printf "%-56s %10.3f %10.3f %7s  %s\n", $1, $2, $3, ratio, $4
  }' "$rows"
