#!/usr/bin/env bash
# Compares two 800 x 600 screenshots of the game: the OpenGL window and the
# software renderer of zarvel-tty.
#
# Layout must be identical; only the shading of glyph edges may differ,
# because OpenGL rounds its blending a little differently. The tolerance:
#   - a pixel whose channels all lie within 24 of the other picture's
#     (about 10 %) is the same pixel;
#   - at most 0.2 % of the pixels (960) may differ by more, which is a few
#     glyph edges' worth but far less than one misplaced word;
#   - the blinking cursor of the command line (x 22 to 60 on the input
#     bar) is left out, as the two programs need not catch it in the same
#     phase.
#
# Usage: compare_screens.sh A.png B.png
set -euo pipefail
a=$1
b=$2
size_a=$(identify -format '%wx%h' "$a")
size_b=$(identify -format '%wx%h' "$b")
[ "$size_a" = "800x600" ] || { echo "$a is $size_a, not 800x600"; exit 1; }
[ "$size_b" = "800x600" ] || { echo "$b is $size_b, not 800x600"; exit 1; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mask() {
  convert "$1" -alpha off -fill black -draw "rectangle 22,568 ${CURSOR_RIGHT:-799},594" "$2"
}
mask "$a" "$dir/a.png"
mask "$b" "$dir/b.png"
# AE with a fuzz counts the pixels that differ by more than the fuzz.
differing=$(compare -metric AE -fuzz 9.5% "$dir/a.png" "$dir/b.png" \
  "$dir/diff.png" 2>&1 >/dev/null || true)
differing=${differing%% *}
echo "pixels differing beyond the shading tolerance: $differing (allowed 960)"
[ "${differing%.*}" -le 960 ]
