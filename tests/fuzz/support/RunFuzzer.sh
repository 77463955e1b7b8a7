#!/usr/bin/env bash
# Runs one fuzz target from a copy of its seed corpus (the committed corpus
# is never changed) and prints its figures. The budget is given as libFuzzer
# options: the tests run a fixed number of inputs from a fixed seed, so that
# the same code always meets the same inputs and a failure is the code's,
# not the luck of the run; longer explorations run for a time with a fresh
# seed. A crash, leak, sanitizer report or time-out of one input fails the
# run; the reproducer stays in WORK_DIR/artifacts/ and the log in
# WORK_DIR/fuzz.log.
# Usage: RunFuzzer.sh TARGET SEED_DIR WORK_DIR libFuzzer-option...
#   e.g. RunFuzzer.sh fuzz_text corpus/text work/text -seed=1 -runs=100000
#        RunFuzzer.sh fuzz_text corpus/text work/text -max_total_time=3600
set -euo pipefail
target=$1 seeds=$2 work=$3
shift 3
rm -rf "$work/corpus" "$work/run" "$work/artifacts"
mkdir -p "$work/corpus" "$work/artifacts" "$work/run"
cp -R "$seeds"/. "$work/corpus/"
# Targets that need a working folder make it inside the run folder.
cd "$work/run"
status=0
started=$(date +%s)
"$target" -timeout=60 -rss_limit_mb=2560 -print_final_stats=1 \
  -artifact_prefix="$work/artifacts/" "$@" "$work/corpus" >"$work/fuzz.log" 2>&1 || status=$?
seconds=$(($(date +%s) - started))
name=$(basename "$target")
executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/fuzz.log" | tail -1)
coverage=$(grep -o 'cov: [0-9]*' "$work/fuzz.log" | tail -1 | cut -d' ' -f2)
features=$(grep -o 'ft: [0-9]*' "$work/fuzz.log" | tail -1 | cut -d' ' -f2)
seed=$(sed -n 's/^INFO: Seed: *//p' "$work/fuzz.log" | head -1)
corpus=$(find "$work/corpus" -type f | wc -l)
echo "$name: ${executions:-?} executions in ${seconds} s from seed ${seed:-?}, coverage ${coverage:-?} edges, ${features:-?} features, corpus $corpus inputs"
if [ "$status" -ne 0 ]; then
  tail -n 60 "$work/fuzz.log"
  echo "FAIL: $name ended with status $status; reproducer(s):"
  ls -l "$work/artifacts/"
  echo "Replay one with: $target FILE"
  exit 1
fi
