#!/bin/bash
# Prints, for each music track, what makes a loop click or jump in level:
# the first and last samples (a track must start at zero and end where it
# starts), the step across the loop point beside the largest step between
# neighbouring samples near it, the peak, and the loudness. Needs sox.
#   tools/music/measure-loops.sh [FILE.ogg ...]   (default: assets/msx/*.ogg)
# Loudness is approximated with sox: the K weighting of ITU-R BS.1770 as
# two of sox's filters (high-pass 38 Hz, +4 dB shelf above 1.7 kHz), then
# LUFS ~= overall RMS in dB + 3.01 (two channels summed) - 0.691, without
# the standard's gate (the tracks have no silences).
set -eu
cd "$(dirname "$0")/../.."
files=("$@")
[ ${#files[@]} -gt 0 ] || files=(assets/msx/*.ogg)
samples() {  # file first-frame count -> one "left right" line per frame
  sox "$1" -t f32 - trim "$2"s "$3"s 2>/dev/null | od -An -v -w8 -f
}
for f in "${files[@]}"; do
  n=$(soxi -s "$f")
  head=$(samples "$f" 0 64)
  tail=$(samples "$f" $((n - 64)) 64)
  printf '%s (%s frames)\n' "$f" "$n"
  printf '%s\n%s\n' "$tail" "$head" | awk '
    { l[NR] = $1; r[NR] = $2 }
    END {
      printf "  first sample   L %+.6f  R %+.6f\n", l[65], r[65]
      printf "  last sample    L %+.6f  R %+.6f\n", l[64], r[64]
      for (i = 2; i <= NR; i++) {
        if (i == 65) continue
        d = l[i] - l[i-1]; if (d < 0) d = -d; if (d > m) m = d
        d = r[i] - r[i-1]; if (d < 0) d = -d; if (d > m) m = d
      }
      sl = l[65] - l[64]; if (sl < 0) sl = -sl
      sr = r[65] - r[64]; if (sr < 0) sr = -sr
      printf "  loop step      L %.6f  R %.6f  (largest neighbour step within 64 frames of it: %.6f)\n", sl, sr, m
    }'
  sox "$f" -n stats 2>&1 | awk '/Pk lev dB|RMS lev dB/ { printf "  %-12s %s %s %s (overall, L, R)\n", $1 " " $2, $4, $5, $6 }'
  rms=$(sox "$f" -n highpass 38.1 0.5q treble 4 1682 0.707q stats 2>&1 | awk '/RMS lev dB/ { print $4 }')
  awk -v r="$rms" 'BEGIN { printf "  loudness       %.2f LUFS (K-weighted RMS %.2f dB)\n", r + 3.01 - 0.691, r }'
done
