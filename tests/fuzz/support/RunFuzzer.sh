#!/usr/bin/env bash
# Runs one fuzz target for SECONDS from a copy of its seed corpus (the
# committed corpus is never changed) and prints its figures. A crash, leak,
# sanitizer report or time-out of one input fails the run; the reproducer
# stays in WORK_DIR/artifacts/ and the log in WORK_DIR/fuzz.log.
# Usage: RunFuzzer.sh TARGET SEED_DIR WORK_DIR SECONDS [extra libFuzzer options]
set -euo pipefail
target=$1 seeds=$2 work=$3 seconds=$4
shift 4
rm -rf "$work/corpus" "$work/run"
mkdir -p "$work/corpus" "$work/artifacts" "$work/run"
cp -R "$seeds"/. "$work/corpus/"
# Targets that need a working folder make it inside the run folder.
cd "$work/run"
status=0
"$target" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=2560 \
  -print_final_stats=1 -artifact_prefix="$work/artifacts/" "$@" \
  "$work/corpus" >"$work/fuzz.log" 2>&1 || status=$?
name=$(basename "$target")
executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/fuzz.log" | tail -1)
coverage=$(grep -o 'cov: [0-9]*' "$work/fuzz.log" | tail -1 | cut -d' ' -f2)
features=$(grep -o 'ft: [0-9]*' "$work/fuzz.log" | tail -1 | cut -d' ' -f2)
corpus=$(find "$work/corpus" -type f | wc -l)
echo "$name: ${executions:-?} executions in ${seconds} s, coverage ${coverage:-?} edges, ${features:-?} features, corpus $corpus inputs"
if [ "$status" -ne 0 ]; then
  tail -n 60 "$work/fuzz.log"
  echo "FAIL: $name ended with status $status; reproducer(s):"
  ls -l "$work/artifacts/"
  exit 1
fi
