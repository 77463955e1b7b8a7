#!/usr/bin/env bash
# How long ./scripts/test takes: on a fresh clone of this repository's HEAD
# (every build made from nothing), then once more with nothing changed.
# Each pass's end is read from the command's own "… N s so far." lines:
# the normal pass, the sanitizer pass, the fuzzing pass, the web pass.
# Prints the lines of each run, then rows for bench.sh (figure and goal; a
# suite has no reference of its own, so the ratio column stays empty).
# Takes a quarter of an hour or more; read it with the load printed first.
#
# usage: tools/bench/suite_bench.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo "load: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
git clone --quiet "$root" "$work/zarvel"

# run NAME: runs the suite, keeps its output, prints the pass ends.
run() {
  local status=0
  (cd "$work/zarvel" && ./scripts/test) >"$work/$1.log" 2>&1 || status=$?
  grep -E '^… [0-9]+ s (so far|in all)\.' "$work/$1.log" | sed "s/^/$1: /"
  if ((status != 0)); then
    tail -n 20 "$work/$1.log"
    echo "$1: ./scripts/test failed (status $status); no figures" >&2
    exit 1
  fi
}
# ends NAME: the seconds at the end of each pass.
ends() { grep -oE '^… [0-9]+ s (so far|in all)\.' "$work/$1.log" | awk '{ print $2 }'; }

run fresh
run unchanged
mapfile -t fresh < <(ends fresh)
mapfile -t unchanged < <(ends unchanged)
printf 'row\t%s\t%s\t0\t%s\n' \
  "suite, fresh clone: normal + sanitizer passes, s" "${fresh[1]}" "<= 360 s" \
  "suite, fresh clone: all four passes, s" "${fresh[-1]}" "-" \
  "suite, nothing changed: normal + sanitizer passes, s" "$((unchanged[1]))" "<= 90 s" \
  "suite, nothing changed: all four passes, s" "${unchanged[-1]}" "-"
