#!/usr/bin/env bash
# The Debian package: `cpack -G DEB` makes zarvel_0.99-1_amd64.deb in the
# games section with dependencies found by dpkg-shlibdeps, holding the
# expected files under /usr, and lintian reports no error and no warning
# (the warnings kept on purpose are overridden, with reasons, in the
# package itself).
#
# Usage: package.sh BUILD_DIR EXPECTED_LIST
set -euo pipefail
build=$1
expected=$2
for tool in cpack dpkg-deb dpkg-shlibdeps lintian; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
work=$(mktemp -d "${TMPDIR:-/tmp}/zarvel-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; exit 1; }
deb=$work/zarvel_0.99-1_amd64.deb
[ -f "$deb" ] || { fail "no $(basename "$deb"): $(ls "$work")"; exit 1; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Section)" = games ] || fail "section is $(field Section), not games"
[ "$(field Version)" = 0.99-1 ] || fail "version is $(field Version)"
depends=$(field Depends)
for library in libsdl2 libopenal1 libfreetype6 libpng16 libvorbisfile3 libc6; do
  [[ $depends == *"$library"* ]] || fail "Depends lacks $library: $depends"
done
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/||' |
  LC_ALL=C sort >"$work/files"
LC_ALL=C sort "$expected" | diff -u - "$work/files" >&2 ||
  fail "the package's files differ from $expected (- expected, + packaged)"

lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 ||
  fail "lintian: $(grep -v 'root privileges' "$work/lintian.log")"
[ $status -eq 0 ] && echo "package: ok ($(field Depends))"
exit $status
