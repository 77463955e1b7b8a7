#!/usr/bin/env bash
# The tests of read-only files and unwritable folders cannot fail for root,
# which ignores file permissions, so they skip themselves there. When the
# suite runs as root (as in CI), run them once more as the unprivileged user
# "nobody", where they mean something.
set -euo pipefail
[ "$(id -u)" -eq 0 ] || exit 77
command -v setpriv >/dev/null || exit 77
binary=$1
filter=$2
as_nobody() { setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; }
# A checkout in a folder that "nobody" may not enter cannot be tested so.
as_nobody test -x "$binary" || exit 77
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 777 "$work"
cd "$work"
TMPDIR=$work as_nobody "$binary" --gtest_filter="$filter" 2>&1 |
  tee "$work/log"
# Something must have run, and nothing may have skipped again.
grep -q "^\[  PASSED  \] [1-9]" "$work/log"
! grep -q "SKIPPED \]" "$work/log"
