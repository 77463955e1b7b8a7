#!/usr/bin/env bash
# The desktop entry, the AppStream metadata and the manual pages through the
# validators Debian uses: desktop-file-validate, appstreamcli (offline) and
# groff with every warning on, which must print nothing.
#
# Usage: validate.sh SOURCE_DIR
set -euo pipefail
dist=$1/dist
for tool in desktop-file-validate appstreamcli groff; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

out=$(desktop-file-validate "$dist/zarvel.desktop" 2>&1) ||
  fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate: $out"
out=$(appstreamcli validate --no-net --pedantic "$dist"/*.metainfo.xml 2>&1) ||
  fail "appstreamcli validate: $out"
# Each page in the formatter's default device and in the UTF-8 terminal
# device man uses (the Czech command names must exist in both).
# A page that only sources another (".so man6/zarvel.6") must find it.
for page in "$dist"/man/*.[16]; do
  if target=$(sed -n 's|^\.so man[0-9]/||p' "$page") && [ -n "$target" ]; then
    [ -f "$dist/man/$target" ] || fail "$(basename "$page") sources a missing $target"
    continue
  fi
  for device in ps utf8; do
    out=$(groff -man -ww -z -T"$device" "$page" 2>&1)
    [ -z "$out" ] || fail "groff -T$device $(basename "$page"): $out"
  done
done
# The entry's window class is the one the game gives its window.
grep -qx 'StartupWMClass=zarvel' "$dist/zarvel.desktop" ||
  fail "the desktop entry does not name the window class zarvel"
[ $status -eq 0 ] && echo "validate: ok"
exit $status
