#!/usr/bin/env bash
# A position that is listed in the load menu but then fails to read (an I/O
# error injected by the FailingOpen shim into the second reading open of
# the file; the menu's survey is the first) must give the error message and
# leave the game in progress as it was: the inventory and the room after the
# failed load must read exactly as in a run without the load.
# Usage: FailedReadKeepsWorld.sh RUNNER SHIM WORLD POSITION WORK_DIR
set -euo pipefail
runner=$1 shim=$2 world=$3 position=$4 work=$5
rm -rf "$work"
mkdir -p "$work"
cd "$work"
cp "$position" pozice_01.sav

printf 'S\nseber klíč\nnač\n1\ni\nr\n' >with-load.keys
printf 'S\nseber klíč\ni\nr\n' >without-load.keys

# A sanitizer runtime linked into the runner must not insist on coming
# first: the shim is preloaded before it.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
status=0
LD_PRELOAD=$shim ZARVEL_FAIL_OPEN_PATH=pozice_01.sav ZARVEL_FAIL_OPEN_NTH=2 \
  timeout 600 "$runner" --data "$world" --keys with-load.keys \
  >with-load.txt 2>with-load.err || status=$?
[ "$status" -eq 0 ] || { echo "runner with the failing read: exit $status"; cat with-load.err; exit 1; }
timeout 600 "$runner" --data "$world" --keys without-load.keys \
  >without-load.txt 2>without-load.err || status=$?
[ "$status" -eq 0 ] || { echo "runner without the load: exit $status"; cat without-load.err; exit 1; }

fail() { echo "FAIL: $*"; echo "--- output with the failing read:"; cat with-load.txt; exit 1; }
grep -q 'fault shim: failed reading open #2 of pozice_01.sav' with-load.err ||
  fail "the shim injected no fault (is the file still read through fopen/open?)"
grep -qx 'Error Terror! Chyba při načítání pozice, je zjevně něco špatně.' with-load.txt ||
  fail "no error message for the position that could not be read"
if grep -q 'Pozice byla úspěšně natažena do paměti.' with-load.txt; then
  fail "the failed read was reported as a successful load"
fi
# Everything from the inventory command on must match the run without load.
sed -n '/^>i$/,$p' with-load.txt >with-load.after
sed -n '/^>i$/,$p' without-load.txt >without-load.after
[ -s without-load.after ] || fail "the run without load printed no inventory"
diff -u without-load.after with-load.after ||
  fail "the world changed although the position could not be read"
cmp -s "$position" pozice_01.sav || fail "the position file was changed"
echo "failed read: error message shown, world and file unchanged"
