#!/usr/bin/env bash
# The music as heard: OpenAL-soft's wave writer records everything the game
# plays into a file as it happens. The intro track sounds at the title
# menu, the game track after "S"; "ticho" silences it and "hudba" brings it
# back.
#
# The file grows in real time, so its size at a moment marks that moment in
# the recording: each check takes the stretch written between two moments.
#
# Usage: music.sh ZARVEL
source "$(dirname "$0")/xsession.sh"
require_tools od awk
start_x 1024 768
WAV="$WORK/music.wav"
cat >"$WORK/alsoft-wave.conf" <<CONF
[general]
drivers=wave
channels=stereo
sample-type=int16
frequency=44100
[wave]
file=$WAV
CONF
start_game "$1" "$WORK/alsoft-wave.conf"

wav_size() { local s; s=$(stat -c %s "$WAV" 2>/dev/null || echo 0); echo $((s - s % 4)); }

# level FROM TO: "peak rms" of the 16-bit samples between two byte offsets.
level() {
  od -An -v -t d2 -j "$1" -N $(($2 - $1)) "$WAV" | awk '
    { for (i = 1; i <= NF; ++i) { v = $i < 0 ? -$i : $i; if (v > peak) peak = v; sum += $i * $i; n++ } }
    END { printf "%d %d\n", peak, n ? sqrt(sum / n) : 0 }'
}

# 44100 stereo frames of 16 bits: the bytes of one second of recording.
SECOND=176400

# recorded_at_least BYTES: the recording has grown to that size.
recorded_at_least() { [ "$(wav_size)" -ge "$1" ]; }

# stretch NAME: the level of two seconds of the recording, starting half a
# second after now, so that what the mixer had already mixed before the
# last command took effect is left out.
stretch() {
  local from to
  from=$(( $(wav_size) + SECOND / 2 ))
  to=$((from + 2 * SECOND))
  await "two more seconds of recording ($1)" recorded_at_least "$to"
  level "$from" "$to"
}

expect_sound() {
  local peak rms
  read -r peak rms <<<"$(stretch "$1")"
  echo "$1: peak $peak, rms $rms"
  [ "$rms" -ge 100 ] || fail "silent while $1"
}

expect_silence() {
  local peak rms
  read -r peak rms <<<"$(stretch "$1")"
  echo "$1: peak $peak, rms $rms"
  [ "$peak" -le 16 ] || fail "not silent while $1"
}

skip_intro
expect_sound "the title menu plays the intro track"
start_playing
expect_sound "the game track plays"
type_line "ticho"
expect_silence "the music is off after \"ticho\""
type_line "hudba"
expect_sound "the music is back after \"hudba\""
echo "desktop music: ok"
