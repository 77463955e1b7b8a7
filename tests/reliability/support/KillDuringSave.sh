#!/usr/bin/env bash
# Kills zarvel-tty with SIGKILL at random moments while it saves into slot 1
# over and over, the names switching the file between one byte per
# character ("Pozice a N") and UTF-16LE ("Pozice ř N"). After every kill
# the slot must hold one complete position, as some save wrote it whole;
# after the last, a save that is let finish must leave no temporary file.
# The moments come from the seed, printed on failure; the count of kills
# that found a temporary file (a write under way) is printed at the end.
# The SlowWrites shim makes the disk slow, so that many kills land while
# the new position is being written.
# Usage: KillDuringSave.sh RUNNER SLOW_WRITES_SHIM DATA_DIR WORK_DIR KILLS [SEED]
set -euo pipefail
runner=$1 shim=$2 data=$3 work=$4 kills=$5 seed=${6:-14}
RANDOM=$seed
rm -rf "$work"
mkdir -p "$work"
cd "$work"

# One key script of many saves, so a run is still saving when it is killed.
{
  echo S
  for ((i = 1; i <= 400; i++)); do
    echo "ulož"
    echo 1
    # Clear the old name (at most 12 characters), then type the new one.
    printf '{bs}%.0s' {1..12}
    if ((i % 2)); then echo "Pozice ř $i"; else echo "Pozice a $i"; fi
  done
} >saves.keys
printf 'S\nulož\n1\n%sPozice a 0\n' "$(printf '{bs}%.0s' {1..12})" >one-save.keys
export LD_PRELOAD=$shim ZARVEL_SLOW_WRITE_SUFFIX=.tmp

fail() {
  echo "FAIL (seed $seed, kill $kill): $*"
  exit 1
}

# The text of a position file as UTF-8 lines, or nothing when its first
# line is not a name this test writes in that name's encoding.
decode() {
  local file=$1 mark
  mark=$(head -c 2 "$file" | od -An -tx1 | tr -d ' ')
  if [ "$mark" = fffe ]; then
    tail -c +3 "$file" | iconv -f UTF-16LE -t UTF-8 | tr '\r' '\n' |
      awk 'NR == 1 && !/^Pozice ř [0-9]+$/ { exit 1 } { print }'
  else
    iconv -f ISO-8859-1 -t UTF-8 <"$file" | tr '\r' '\n' |
      awk 'NR == 1 && !/^Pozice a [0-9]+$/ { exit 1 } { print }'
  fi
}

# Everything but the name and the command count, which change per save.
body() { sed -e 1d -e 's/^prikaz=[0-9][0-9]*$/prikaz=N/'; }

complete_position() {
  local file=$1 text
  [ -f "$file" ] || { echo "no position file"; return 1; }
  # The last line must be ended by its carriage return.
  [ "$(tail -c 1 "$file" | od -An -tx1 | tr -d ' ')" = 0d ] ||
    [ "$(tail -c 2 "$file" | od -An -tx1 | tr -d ' ')" = 0d00 ] ||
    { echo "the file does not end with a carriage return"; return 1; }
  text=$(decode "$file") || { echo "foreign or damaged name line"; return 1; }
  [ "$(body <<<"$text")" = "$reference" ] ||
    { echo "the lines differ from a complete position:"; diff <(echo "$reference") <(body <<<"$text") | head -5; return 1; }
}

kill=0
timeout 600 "$runner" --data "$data" --keys one-save.keys >/dev/null
reference=$(decode pozice_01.sav | body)
grep -qx 'prikaz=N' <<<"$reference" || fail "the first save wrote no command count"

mid_write=0
for ((kill = 1; kill <= kills; kill++)); do
  # The last run's output goes first, so that its prompt is not taken for
  # this run's before the new runner has truncated the file.
  rm -f run.out run.err
  "$runner" --data "$data" --keys saves.keys >run.out 2>run.err &
  pid=$!
  # The start-up takes longer than a save: wait until the saving has
  # begun, then kill at a random moment of the next 0.2 s.
  for ((polls = 0; ; polls++)); do
    grep -q 'Vlož jméno pozice' run.out 2>/dev/null && break
    if ! kill -0 "$pid" 2>/dev/null; then break; fi
    if ((polls >= 60000)); then
      kill -KILL "$pid"
      wait "$pid" 2>/dev/null || true
      fail "waited 600 s for the runner to reach its first save"
    fi
    sleep 0.01
  done
  sleep "0.$(printf '%03d' $((RANDOM % 200)))"
  kill -KILL "$pid" 2>/dev/null || true
  status=0
  # This shell started the runner, so it collects the status (the job
  # notice that bash prints for a killed job is not wanted).
  wait "$pid" 2>/dev/null || status=$?
  # 137: killed; 0: the script ran out first (the slot is checked as well).
  if [ "$status" -ne 137 ] && [ "$status" -ne 0 ]; then
    cat run.err
    fail "the runner ended with status $status before it was killed"
  fi
  if compgen -G '.*.tmp' >/dev/null || compgen -G '*.tmp' >/dev/null; then
    mid_write=$((mid_write + 1))
  fi
  why=$(complete_position pozice_01.sav) || fail "$why"
done

kill="none (the save after the last kill)"
timeout 600 "$runner" --data "$data" --keys one-save.keys >/dev/null
why=$(complete_position pozice_01.sav) || fail "after the last save: $why"
leftovers=$(find . -mindepth 1 -maxdepth 1 ! -name saves.keys \
  ! -name one-save.keys ! -name pozice_01.sav ! -name run.err ! -name run.out)
[ -z "$leftovers" ] || fail "left behind after a finished save: $leftovers"
echo "kill during save: $kills kills, $mid_write landed while a temporary file existed, slot always complete"
