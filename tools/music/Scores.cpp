#include "Scores.h"

namespace music {

Stereo WhiteMouseAteCat() {
  constexpr double kLoop = 48.0;
  Stereo out(size_t(kLoop * kRate));
  Random random(0x5eed0001u);

  // D and a fifth far below everything, breathing four times a loop.
  AddDrone(out, NoteHz(38), 0.20, -0.2, 4, 0.6);
  AddDrone(out, NoteHz(50), 0.06, 0.3, 3, 0.8);
  AddWind(out, random, 520, 0.9, 3);
  AddWind(out, random, 1900, 0.25, 2);

  // A heartbeat that comes and goes: two beats, a long silence.
  for (double beat : {6.0, 6.45, 20.0, 20.45, 21.3, 21.75, 36.5, 36.95})
    AddThump(out, beat, 0.5);

  // Lone bells: a minor second here, a tritone there, never a resolution.
  struct Strike {
    double at;
    int note;
    double pan;
  };
  const Strike strikes[] = {
      {1.5, 74, -0.4},  {5.0, 75, 0.5},   {9.8, 68, 0.0},   {13.0, 69, -0.6},
      {13.4, 80, 0.6},  {18.5, 74, 0.2},  {24.0, 63, -0.3}, {27.5, 62, 0.4},
      {31.0, 78, -0.5}, {31.35, 77, 0.5}, {35.0, 68, 0.1},  {40.5, 74, -0.2},
      {44.0, 75, 0.4},
  };
  for (const Strike& s : strikes) {
    double gain = random.Between(0.10, 0.16);
    AddBell(out, s.at, NoteHz(s.note), gain, s.pan, random.Between(1.4, 2.2));
  }
  // A very quiet, wrong-sounding pad chord in the middle.
  AddPad(out, 16.0, 8.0, NoteHz(50), 0.05, -0.3, {3.0, 4.0});
  AddPad(out, 16.0, 8.0, NoteHz(56), 0.04, 0.3, {3.5, 4.0});
  AddPad(out, 38.0, 6.0, NoteHz(51), 0.045, 0.0, {3.0, 3.5});

  ApplyReverb(out, 0.45, 0.86);

  return out;
}

Stereo BrighterSides() {
  constexpr double kBeat = 1.0;  // 60 beats a minute
  constexpr int kBars = 16;
  constexpr double kLoop = kBars * 4 * kBeat;
  Stereo out(size_t(kLoop * kRate));
  Random random(0x5eed0002u);

  // Two bars per chord: Am9, Fmaj7, Cmaj7, G6, Am7, Dm9, Fmaj7, Esus4.
  struct Chord {
    int bass;
    int notes[4];
  };
  const Chord chords[] = {
      {45, {57, 60, 64, 71}}, {41, {57, 60, 64, 65}}, {48, {55, 59, 64, 67}},
      {43, {55, 59, 62, 64}}, {45, {55, 60, 64, 69}}, {38, {57, 60, 62, 65}},
      {41, {57, 60, 64, 69}}, {40, {57, 59, 64, 68}},
  };
  const double chordLength = 8 * kBeat;
  for (int c = 0; c < 8; ++c) {
    const Chord& chord = chords[c];
    double start = c * chordLength;
    for (int v = 0; v < 4; ++v) {
      double pan = -0.5 + v / 3.0;
      AddPad(out, start, chordLength, NoteHz(chord.notes[v]), 0.055, pan,
             {1.8, 2.5});
    }
    AddBass(out, start, chordLength + 0.5, NoteHz(chord.bass), 0.16);

    // The plucked figure walks the chord's notes an octave up, leaving
    // some eighths out so that it never becomes a ticking clock.
    for (int eighth = 0; eighth < 16; ++eighth) {
      bool keep = eighth % 4 == 0 || random.Uniform() < 0.35;
      if (!keep) continue;
      int note = chord.notes[(eighth * 3 + c) % 4] + 12;
      double gain = eighth % 4 == 0 ? 0.12 : random.Between(0.06, 0.09);
      AddPluck(out, start + eighth * kBeat / 2, NoteHz(note), gain,
               random.Between(-0.4, 0.4), 0.9);
    }
  }
  // A far bell at the turn of each half.
  AddBell(out, 0.0, NoteHz(88), 0.05, 0.5, 2.5);
  AddBell(out, 32.0, NoteHz(84), 0.05, -0.5, 2.5);
  AddWind(out, random, 700, 0.18, 2);

  ApplyReverb(out, 0.35, 0.82);

  return out;
}

}  // namespace music
