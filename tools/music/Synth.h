#pragma once
// A small offline synthesiser for looping music. Everything is rendered
// into one stereo buffer of the loop's exact length, and whatever sounds
// past the end (a note's release, a reverb tail) wraps round to the start,
// so the track joins itself without a click or a gap. Continuous sounds
// (drones, wind) use frequencies with a whole number of cycles per loop for
// the same reason.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace music {

constexpr int kRate = 44100;

struct Stereo {
  std::vector<float> left;
  std::vector<float> right;
  explicit Stereo(size_t frames) : left(frames, 0), right(frames, 0) {}
  size_t frames() const { return left.size(); }
  double seconds() const { return double(frames()) / kRate; }
  // Adds a sample at any frame, wrapping past the end.
  void Add(int64_t frame, float l, float r);
};

// A deterministic random source (the same seed gives the same piece).
class Random {
 public:
  explicit Random(uint32_t seed) : state_(seed) {}
  uint32_t Next();
  double Uniform();  // 0 .. 1
  double Between(double low, double high) {
    return low + (high - low) * Uniform();
  }

 private:
  uint32_t state_;
};

double NoteHz(int midi);
// The nearest frequency with a whole number of cycles in the loop.
double LoopHz(double hz, double loopSeconds);

struct Envelope {
  double attack = 0.01;  // seconds
  double release = 0.5;  // seconds after the note's end
};

// A soft pad: a few detuned, gently rolled-off harmonics.
void AddPad(Stereo& out, double start, double length, double hz, double gain,
            double pan, Envelope env);
// A struck bell with inharmonic partials, decaying by itself.
void AddBell(Stereo& out, double start, double hz, double gain, double pan,
             double decay);
// A plucked string: bright at first, dulling as it decays.
void AddPluck(Stereo& out, double start, double hz, double gain, double pan,
              double decay);
// A low sine that fades in and out around the note.
void AddBass(Stereo& out, double start, double length, double hz, double gain);
// A continuous tone over the whole loop whose loudness breathes slowly.
void AddDrone(Stereo& out, double hz, double gain, double pan,
              int breathsPerLoop, double breathDepth);
// Filtered noise over the whole loop, swelling a whole number of times.
void AddWind(Stereo& out, Random& random, double centreHz, double gain,
             int swellsPerLoop);
// A soft low thump, like a heart heard through a wall.
void AddThump(Stereo& out, double start, double gain);
// A plain stereo reverb, run round the loop twice so its tail wraps too.
void ApplyReverb(Stereo& out, double wet, double roomSize);
// Scales the whole piece so its loudest sample sits at the given level.
void Normalise(Stereo& out, double peakDbfs);
// Fades the last and the first few milliseconds of the loop to exactly
// zero, so the track starts on a zero sample (no click when it begins)
// and its end meets its start without a step, whatever the encoder does
// with the samples in between.
void FadeLoopEdges(Stereo& out, double seconds);
// Loudness of the whole loop in LUFS as ITU-R BS.1770 measures it (K
// weighting, the channels' mean squares summed), without its gate: the
// tracks have no silences for the gate to leave out.
double LoudnessLufs(const Stereo& out);
// Scales the piece to the given loudness, so that every track plays
// equally loud; returns the peak level that results, in dBFS.
double NormaliseLoudness(Stereo& out, double lufs);

}  // namespace music
