#!/usr/bin/env bash
# The reliability checks at full length, beyond what ./scripts/test runs in
# CI: each fuzz target for longer (its corpus kept and grown between runs in
# build-fuzz/fuzz-corpus/), 100 000 keystrokes of keyboard soak, 1 000 kills
# during saving and 2 000 runs on damaged data. Builds what it needs first
# (the normal build in build/, the fuzzing build in build-fuzz/).
#
#   tools/reliability/run.sh [fuzz [SECONDS]|soak [KEYS]|kill [KILLS]|mutate [RUNS]|all]
#
# Without arguments it runs all of them. A failure stops it with the seed
# or the reproducer printed; fuzz reproducers stay in
# build-fuzz/tests/fuzz/<target>/artifacts/.
source "$(dirname "$0")/../../scripts/lib.sh"
jobs=$(nproc)
support=$ZARVEL_ROOT/tests/reliability/support
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

fuzz_build() {
  # shellcheck disable=SC2086
  zarvel_install_missing $ZARVEL_BUILD_PACKAGES $ZARVEL_FUZZ_PACKAGES
  if [ ! -f "$ZARVEL_ROOT/build-fuzz/CMakeCache.txt" ]; then
    CC=clang-14 CXX=clang++-14 cmake -S "$ZARVEL_ROOT" -B "$ZARVEL_ROOT/build-fuzz" \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZARVEL_FUZZ=ON -DZARVEL_DESKTOP=OFF
  fi
  cmake --build "$ZARVEL_ROOT/build-fuzz" -j"$jobs" --target fuzz_targets zarvel-tty
}

run_fuzz() {
  local seconds=${1:-600} name corpus
  fuzz_build
  for name in data_loader position_file conditions text key_script; do
    # The grown corpus of earlier runs, seeded from the committed one.
    corpus=$ZARVEL_ROOT/build-fuzz/fuzz-corpus/$name
    mkdir -p "$corpus"
    cp -n "$ZARVEL_ROOT/tests/fuzz/corpus/$name"/* "$corpus/"
    bash "$ZARVEL_ROOT/tests/fuzz/support/RunFuzzer.sh" \
      "$ZARVEL_ROOT/build-fuzz/tests/fuzz_$name" "$corpus" \
      "$ZARVEL_ROOT/build-fuzz/tests/fuzz/$name" -max_total_time="$seconds"
    # Keep what this run added for the next one.
    cp -n "$ZARVEL_ROOT/build-fuzz/tests/fuzz/$name/corpus"/* "$corpus/"
  done
}

run_soak() {
  fuzz_build
  bash "$support/KeyboardSoak.sh" "$ZARVEL_ROOT/build-fuzz/zarvel-tty" \
    "$ZARVEL_ROOT/build-fuzz/reliability/keyboard-soak" "${1:-100000}" "${SEED:-$RANDOM}"
}

run_kill() {
  # shellcheck disable=SC2086
  zarvel_install_missing $ZARVEL_BUILD_PACKAGES $ZARVEL_TEST_PACKAGES
  zarvel_build "$ZARVEL_ROOT/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
  bash "$support/KillDuringSave.sh" "$ZARVEL_ROOT/build/zarvel-tty" \
    "$ZARVEL_ROOT/build/tests/libzarvel_slow_writes.so" "$ZARVEL_ROOT/assets/dat" \
    "$ZARVEL_ROOT/build/reliability/kill-during-save" "${1:-1000}" "${SEED:-$RANDOM}"
}

run_mutate() {
  fuzz_build
  bash "$support/MutatedData.sh" "$ZARVEL_ROOT/build-fuzz/zarvel-tty" \
    "$ZARVEL_ROOT/assets/dat" "$ZARVEL_ROOT/build-fuzz/reliability/mutated-data" \
    "${1:-2000}" "${SEED:-$RANDOM}"
}

case ${1:-all} in
  fuzz) run_fuzz "${2:-}" ;;
  soak) run_soak "${2:-}" ;;
  kill) run_kill "${2:-}" ;;
  mutate) run_mutate "${2:-}" ;;
  all) run_fuzz && run_soak && run_kill && run_mutate ;;
  *) sed -n '2,13p' "$0"; exit 2 ;;
esac
