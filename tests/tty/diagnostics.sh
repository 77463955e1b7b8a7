#!/bin/bash
# In the player's view the engine's diagnostic "dropall activated" goes to
# standard error, out of the story; the raw transcript keeps it in line.
# Usage: diagnostics.sh RUNNER KEYS WORK_DIR (KEYS reaches a dropall effect)
set -u
runner=$1 keys=$2 work=$3
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
fail() {
  echo "FAIL: $1" >&2
  exit 1
}

"$runner" --no-pause --keys "$keys" >view.txt 2>view.err ||
  fail "the player's view ended with status $?"
grep -qxF "dropall activated" view.err || fail "not on standard error"
! grep -qF "dropall activated" view.txt || fail "in the story"
rm -f pozice_0*.sav
"$runner" --no-pause --raw --keys "$keys" >raw.txt 2>raw.err ||
  fail "the raw view ended with status $?"
grep -qxF "dropall activated" raw.txt || fail "not in the raw transcript"
[[ ! -s raw.err ]] || fail "the raw view wrote to standard error"
exit 0
