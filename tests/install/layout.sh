#!/usr/bin/env bash
# `cmake --install` into a scratch prefix: the installed files must be the
# expected list, the installed programs answer --help and --version and
# refuse other options, and the installed menu launcher runs the game in the
# user's data folder.
#
# Usage: layout.sh BUILD_DIR EXPECTED_LIST
set -euo pipefail
build=$1
expected=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/zarvel-install.XXXXXX")
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" ||
  { cat "$work/install.log" >&2; exit 1; }
(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort) >"$work/files"
LC_ALL=C sort "$expected" | diff -u - "$work/files" >&2 ||
  fail "the installed files differ from $expected (- expected, + installed)"

# No display: an option that is not understood must be refused before the
# game looks for one (status 2, not the no-display status 1).
unset DISPLAY WAYLAND_DISPLAY
games=$prefix/games
bin=$prefix/bin
revision='\(git ([0-9a-f]{7,}(-dirty)?|unknown)\)'
# program ; arguments ; status ; standard output (extended regex, whole
# output on one line) ; standard error (likewise; empty: nothing)
cases=(
  "$games/zarvel;--version;0;^zarvel 0\.99 $revision$;"
  "$games/zarvel;--help;0;^usage: zarvel .*--version;"
  "$games/zarvel;--bogus;2;;^zarvel: unknown option '--bogus'.*$"
  "$games/zarvel;--help extra;2;;^zarvel: unknown option 'extra'.*$"
  "$games/zarvel;-v;2;;^zarvel: unknown option '-v'.*$"
  "$games/zarvel-tty;--version;0;^zarvel-tty, zarvel 0\.99 $revision$;"
  "$games/zarvel-tty;--help;0;^usage: zarvel-tty .*--screenshot FILE .*--version;"
  "$games/zarvel-tty;--bogus;2;;^zarvel-tty: unknown option: --bogus.*$"
  "$bin/zarvel-lint;--version;0;^zarvel-lint, zarvel 0\.99 $revision$;"
  "$bin/zarvel-lint;--help;0;^usage: zarvel-lint .*--version;"
  "$bin/zarvel-lint;--bogus;2;;^usage: zarvel-lint"
)
for entry in "${cases[@]}"; do
  IFS=';' read -r program args want_status want_out want_err <<<"$entry"
  got_status=0
  # shellcheck disable=SC2086
  "$program" $args >"$work/out" 2>"$work/err" </dev/null || got_status=$?
  what="$(basename "$program") $args"
  [ "$got_status" = "$want_status" ] ||
    fail "$what: status $got_status, expected $want_status"
  for stream in out err; do
    want=$([ $stream = out ] && echo "$want_out" || echo "$want_err")
    text=$(tr '\n' ' ' <"$work/$stream" | sed 's/ $//')
    if [ -z "$want" ]; then
      [ -z "$text" ] || fail "$what: unexpected std$stream: $text"
    else
      grep -Eq "$want" <<<"$text" || fail "$what: std$stream \"$text\" does not match $want"
    fi
  done
  # A usage error is one line.
  if [ "$want_status" = 2 ] && [ "$(basename "$program")" = zarvel ]; then
    [ "$(wc -l <"$work/err")" = 1 ] || fail "$what: more than one line on stderr"
  fi
done
# All three report the same revision.
revisions=$(for p in "$games/zarvel" "$games/zarvel-tty" "$bin/zarvel-lint"; do
  "$p" --version | sed 's/.*(git //'; done | sort -u | wc -l)
[ "$revisions" = 1 ] || fail "the programs report different revisions"

# The launcher: the folder it creates for each environment (the game's own
# --version shows that it was reached). A relative XDG_DATA_HOME is invalid
# and falls back to the default, as the XDG Base Directory rules say.
launcher=$games/zarvel-launcher
# XDG_DATA_HOME ('-' for unset) | the folder expected below $work
for entry in "$work/xdg|xdg/zarvel" "-|home/.local/share/zarvel" \
    "relative/dir|home/.local/share/zarvel"; do
  IFS='|' read -r xdg folder <<<"$entry"
  rm -rf "$work/xdg" "$work/home"
  mkdir -p "$work/home" "$work/start"
  if [ "$xdg" = - ]; then
    out=$(cd "$work/start" && env -u XDG_DATA_HOME HOME="$work/home" "$launcher" --version) ||
      fail "launcher with XDG_DATA_HOME unset failed"
  else
    out=$(cd "$work/start" && HOME="$work/home" XDG_DATA_HOME=$xdg "$launcher" --version) ||
      fail "launcher with XDG_DATA_HOME=$xdg failed"
  fi
  grep -Eq "^zarvel 0\.99 " <<<"$out" || fail "launcher (XDG_DATA_HOME=$xdg) did not run the game: $out"
  [ -d "$work/$folder" ] || fail "launcher (XDG_DATA_HOME=$xdg) did not create $folder"
done
# A folder that cannot be made is named on stderr, and the game not started.
: >"$work/blocked"
got_status=0
HOME="$work/home" XDG_DATA_HOME="$work/blocked" "$launcher" --version \
  >"$work/out" 2>"$work/err" || got_status=$?
[ "$got_status" = 1 ] || fail "launcher with an unusable folder: status $got_status"
grep -q "$work/blocked/zarvel" "$work/err" || fail "launcher did not name the folder: $(cat "$work/err")"
[ ! -s "$work/out" ] || fail "launcher started the game without its folder"

[ $status -eq 0 ] && echo "install layout, options and launcher: ok"
exit $status
