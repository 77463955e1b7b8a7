#!/bin/bash
# A program that drives zarvel-tty through pipes (an author's replay tool, a
# speech front end) reads the reply to one line before it sends the next.
# Each console line must therefore reach the pipe when it is added, not when
# the runner exits.
# Usage: RepliesBeforeTheNextLine.sh RUNNER DATA_DIR WORK_DIR
set -u
runner=$1 data=$2 work=$3
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1

fail() {
  echo "$1" >&2
  exit 1
}

coproc TTY { "$runner" --raw --data "$data"; }
# Bash unsets TTY and TTY_PID as soon as it reaps the coprocess, which may
# be before the last line below runs: keep copies now.
to_tty=${TTY[1]} from_tty=${TTY[0]} tty_pid=$TTY_PID

echo S >&"$to_tty"
# Starting the game prints an empty line, then the start location. The long
# time-out only catches a runner that holds its output back (and so waits for
# ever), never a slow machine.
IFS= read -r -t 300 first <&"$from_tty" || fail "no line arrived after S"
IFS= read -r -t 300 second <&"$from_tty" || fail "only one line arrived after S"
[[ -z $first ]] || fail "first line after S: [$first]"
[[ $second == "Sklep. Stojí tu stará *skříň." ]] ||
  fail "second line after S: [$second]"

exec {to_tty}>&-
wait "$tty_pid" || fail "zarvel-tty ended with status $?"
