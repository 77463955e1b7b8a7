#!/bin/bash
# Checks a walkthrough transcript against stated expectations instead of an
# exact copy, so that a reworded sentence elsewhere does not fail the case.
#   check-expectations.sh TRANSCRIPT EXPECTATIONS
#
# The expectations file, one statement a line:
#   # comment                  ignored, as are empty lines
#   > command                  the next echo of exactly this typed command
#                              (">command" in the transcript) after the one
#                              named before; the lines below it check the
#                              reply: everything up to the next echo
#   text                       the reply contains text
#   /regex                     the reply matches the extended regular
#                              expression
#   !text   !/regex            negation: must not contain, must not match
#   \text                      text taken literally (to begin with > # / ! \)
# Lines before the first "> command" check the text printed before the
# first command (the opening description).
#
# Before matching, every run of spaces, no-break spaces and line breaks in
# the reply (and in the expected text) becomes one space, so the checks do
# not depend on where the console wrapped a line.
# Prints every failed statement with its line number; exit status 1 if any
# failed, 2 on a usage or file error.
set -u
if [ $# -ne 2 ] || [ ! -r "$1" ] || [ ! -r "$2" ]; then
  echo "usage: $0 TRANSCRIPT EXPECTATIONS (both readable files)" >&2
  exit 2
fi
transcript=$1
expectations=$2
nbsp=$'\u00a0'
export LC_ALL=C.UTF-8

squeeze() {
  local s=${1//$nbsp/ }
  s=${s//$'\r'/}
  s=${s//$'\n'/ }
  # collapse runs of spaces
  while [[ $s == *'  '* ]]; do s=${s//  / }; done
  printf '%s' "$s"
}

mapfile -t lines <"$transcript"
# Indices of the echo lines, and the start of the opening text.
echoes=()
for i in "${!lines[@]}"; do
  [[ ${lines[i]} == '>'* ]] && echoes+=("$i")
done

# The reply that follows echo line $1 (or the opening text for -1).
reply_after() {
  local from=$(($1 + 1)) to=${#lines[@]} e
  for e in "${echoes[@]}"; do
    if ((e >= from)); then to=$e; break; fi
  done
  local text="" i
  for ((i = from; i < to; i++)); do text+="${lines[i]}"$'\n'; done
  squeeze "$text"
}

failures=0
fail() {
  echo "$expectations:$1: after ${2}: $3" >&2
  failures=$((failures + 1))
}

position=-1      # echo line of the current command, -1 for the opening
label="the opening text"
reply=$(reply_after -1)
number=0
while IFS= read -r statement || [ -n "$statement" ]; do
  number=$((number + 1))
  statement=${statement%$'\r'}
  [[ -z $statement || $statement == '#'* ]] && continue
  if [[ $statement == '> '* || $statement == '>' ]]; then
    command=${statement#>}
    command=${command# }
    found=-1
    for e in "${echoes[@]}"; do
      if ((e > position)) && [[ ${lines[e]} == ">$command" ]]; then
        found=$e
        break
      fi
    done
    if ((found < 0)); then
      fail "$number" "$label" "the command \"$command\" never comes (again) in the transcript"
      echo "$failures statement(s) failed; later statements not checked" >&2
      exit 1
    fi
    position=$found
    label="\">$command\" (transcript line $((found + 1)))"
    reply=$(reply_after "$found")
    continue
  fi
  negate=0
  if [[ $statement == '!'* ]]; then negate=1; statement=${statement#!}; fi
  if [[ $statement == '/'* ]]; then
    pattern=$(squeeze "${statement#/}")
    if [[ $reply =~ $pattern ]]; then held=1; else held=0; fi
    what="match /$pattern/"
  else
    [[ $statement == '\'* ]] && statement=${statement#\\}
    text=$(squeeze "$statement")
    if [[ $reply == *"$text"* ]]; then held=1; else held=0; fi
    what="contain \"$text\""
  fi
  if ((negate == held)); then
    if ((negate)); then
      fail "$number" "$label" "the reply must not $what; it was: $reply"
    else
      fail "$number" "$label" "the reply does not $what; it was: $reply"
    fi
  fi
done <"$expectations"

if ((failures > 0)); then
  echo "$failures statement(s) failed" >&2
  exit 1
fi
exit 0
