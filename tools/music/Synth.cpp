#include "Synth.h"

#include <algorithm>
#include <cmath>

namespace music {

namespace {

constexpr double kTwoPi = 6.283185307179586;

void PanGains(double pan, float& l, float& r) {
  double angle = (pan + 1) * kTwoPi / 8;  // -1 left .. 1 right, equal power
  l = float(std::cos(angle));
  r = float(std::sin(angle));
}

int64_t Frame(double seconds) { return int64_t(std::llround(seconds * kRate)); }

// A smooth raised-cosine ramp from 0 to 1.
double Ramp(double x) {
  if (x <= 0) return 0;
  if (x >= 1) return 1;
  return 0.5 - 0.5 * std::cos(x * kTwoPi / 2);
}

}  // namespace

void Stereo::Add(int64_t frame, float l, float r) {
  int64_t n = int64_t(frames());
  int64_t at = ((frame % n) + n) % n;
  left[size_t(at)] += l;
  right[size_t(at)] += r;
}

uint32_t Random::Next() {
  // xorshift32: tiny and the same everywhere.
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

double Random::Uniform() { return Next() / 4294967296.0; }

double NoteHz(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

double LoopHz(double hz, double loopSeconds) {
  return std::max(1.0, std::round(hz * loopSeconds)) / loopSeconds;
}

void AddPad(Stereo& out, double start, double length, double hz, double gain,
            double pan, Envelope env) {
  float pl, pr;
  PanGains(pan, pl, pr);
  const double detune[] = {-0.0025, 0.0, 0.0031};
  int64_t first = Frame(start);
  int64_t count = Frame(length + env.release);
  for (int64_t i = 0; i < count; ++i) {
    double t = double(i) / kRate;
    double level = Ramp(t / env.attack);
    if (t > length) level *= 1 - Ramp((t - length) / env.release);
    double sample = 0;
    for (double d : detune) {
      double f = hz * (1 + d);
      for (int h = 1; h <= 6 && f * h < 9000; ++h)
        sample += std::sin(kTwoPi * f * h * t + h * 0.7 + d * 1000) /
                  (h * h * 0.8 + 0.2);
    }
    float s = float(sample * level * gain / 3);
    out.Add(first + i, s * pl, s * pr);
  }
}

void AddBell(Stereo& out, double start, double hz, double gain, double pan,
             double decay) {
  float pl, pr;
  PanGains(pan, pl, pr);
  const double ratio[] = {1.0, 2.76, 5.40, 8.93, 0.5};
  const double weight[] = {1.0, 0.55, 0.3, 0.15, 0.25};
  const double speed[] = {1.0, 1.8, 3.0, 4.5, 0.7};
  int64_t first = Frame(start);
  int64_t count = Frame(decay * 6);
  for (int64_t i = 0; i < count; ++i) {
    double t = double(i) / kRate;
    double sample = 0;
    for (int p = 0; p < 5; ++p) {
      if (hz * ratio[p] > 12000) continue;
      sample += weight[p] * std::exp(-t * speed[p] / decay) *
                std::sin(kTwoPi * hz * ratio[p] * t);
    }
    sample *= Ramp(t / 0.004);  // no click on the strike
    float s = float(sample * gain);
    out.Add(first + i, s * pl, s * pr);
  }
}

void AddPluck(Stereo& out, double start, double hz, double gain, double pan,
              double decay) {
  float pl, pr;
  PanGains(pan, pl, pr);
  int64_t first = Frame(start);
  int64_t count = Frame(decay * 6);
  for (int64_t i = 0; i < count; ++i) {
    double t = double(i) / kRate;
    double sample = 0;
    for (int h = 1; h <= 8 && hz * h < 10000; ++h)
      sample += std::exp(-t * (1 + 0.6 * h) / decay) *
                std::sin(kTwoPi * hz * h * t) / h;
    sample *= Ramp(t / 0.003);
    float s = float(sample * gain);
    out.Add(first + i, s * pl, s * pr);
  }
}

void AddBass(Stereo& out, double start, double length, double hz, double gain) {
  int64_t first = Frame(start);
  int64_t count = Frame(length);
  for (int64_t i = 0; i < count; ++i) {
    double t = double(i) / kRate;
    double level = Ramp(t / 0.4) * (1 - Ramp((t - length + 1.5) / 1.5));
    double sample =
        std::sin(kTwoPi * hz * t) + 0.25 * std::sin(kTwoPi * hz * 2 * t);
    float s = float(sample * level * gain);
    out.Add(first + i, s, s);
  }
}

void AddDrone(Stereo& out, double hz, double gain, double pan,
              int breathsPerLoop, double breathDepth) {
  float pl, pr;
  PanGains(pan, pl, pr);
  double loop = out.seconds();
  double f = LoopHz(hz, loop);
  double f2 = LoopHz(hz * 1.5, loop) + 1 / loop;  // a slowly beating fifth
  for (size_t i = 0; i < out.frames(); ++i) {
    double t = double(i) / kRate;
    double breath =
        1 - breathDepth *
                (0.5 + 0.5 * std::cos(kTwoPi * breathsPerLoop * t / loop));
    double sample = std::sin(kTwoPi * f * t) +
                    0.3 * std::sin(kTwoPi * 2 * f * t) +
                    0.35 * std::sin(kTwoPi * f2 * t);
    float s = float(sample * breath * gain);
    out.left[i] += s * pl;
    out.right[i] += s * pr;
  }
}

void AddWind(Stereo& out, Random& random, double centreHz, double gain,
             int swellsPerLoop) {
  size_t n = out.frames();
  std::vector<float> noise(n);
  for (float& v : noise) v = float(random.Uniform() * 2 - 1);
  // A two-pole resonant band-pass, run round the loop twice so the second
  // pass starts from the state the end leaves behind.
  double w = kTwoPi * centreHz / kRate;
  double r = 0.995;
  double a1 = 2 * r * std::cos(w), a2 = -r * r;
  double y1 = 0, y2 = 0;
  std::vector<float> band(n);
  for (int pass = 0; pass < 2; ++pass) {
    for (size_t i = 0; i < n; ++i) {
      double y = (1 - r) * noise[i] + a1 * y1 + a2 * y2;
      y2 = y1;
      y1 = y;
      band[i] = float(y);
    }
  }
  double loop = out.seconds();
  for (size_t i = 0; i < n; ++i) {
    double t = double(i) / kRate;
    double swell = 0.5 - 0.5 * std::cos(kTwoPi * swellsPerLoop * t / loop);
    double sway = 0.5 + 0.4 * std::sin(kTwoPi * t / loop * (swellsPerLoop + 1));
    float s = float(band[i] * gain * swell * swell);
    out.left[i] += s * float(sway);
    out.right[i] += s * float(1 - sway);
  }
}

void AddThump(Stereo& out, double start, double gain) {
  int64_t first = Frame(start);
  int64_t count = Frame(0.5);
  for (int64_t i = 0; i < count; ++i) {
    double t = double(i) / kRate;
    double hz = 48 + 30 * std::exp(-t * 30);
    double sample =
        std::sin(kTwoPi * hz * t) * std::exp(-t * 9) * Ramp(t / 0.005);
    float s = float(sample * gain);
    out.Add(first + i, s, s);
  }
}

void ApplyReverb(Stereo& out, double wet, double roomSize) {
  // Schroeder's reverberator: parallel combs, then allpasses in series;
  // slightly different lengths per side give width.
  const int combs[] = {1557, 1617, 1491, 1422, 1277, 1356};
  const int allpasses[] = {556, 441, 341};
  size_t n = out.frames();
  for (int side = 0; side < 2; ++side) {
    std::vector<float>& x = side == 0 ? out.left : out.right;
    int spread = side * 23;
    std::vector<std::vector<float>> combBuf, allBuf;
    for (int c : combs) combBuf.emplace_back(size_t(c + spread), 0.0f);
    for (int a : allpasses) allBuf.emplace_back(size_t(a + spread), 0.0f);
    std::vector<size_t> combAt(combBuf.size(), 0), allAt(allBuf.size(), 0);
    std::vector<float> damp(combBuf.size(), 0.0f);
    std::vector<float> wetOut(n);
    for (int pass = 0; pass < 2; ++pass) {
      for (size_t i = 0; i < n; ++i) {
        float in = x[i] * 0.015f;
        float sum = 0;
        for (size_t c = 0; c < combBuf.size(); ++c) {
          float delayed = combBuf[c][combAt[c]];
          damp[c] = delayed * 0.7f + damp[c] * 0.3f;
          combBuf[c][combAt[c]] = in + damp[c] * float(roomSize);
          combAt[c] = (combAt[c] + 1) % combBuf[c].size();
          sum += delayed;
        }
        for (size_t a = 0; a < allBuf.size(); ++a) {
          float delayed = allBuf[a][allAt[a]];
          float y = -sum + delayed;
          allBuf[a][allAt[a]] = sum + delayed * 0.5f;
          allAt[a] = (allAt[a] + 1) % allBuf[a].size();
          sum = y;
        }
        wetOut[i] = sum;
      }
    }
    for (size_t i = 0; i < n; ++i)
      x[i] = x[i] * float(1 - wet) + wetOut[i] * float(wet) * 3;
  }
}

void Normalise(Stereo& out, double peakDbfs) {
  float peak = 0;
  for (size_t i = 0; i < out.frames(); ++i)
    peak = std::max({peak, std::fabs(out.left[i]), std::fabs(out.right[i])});
  if (peak <= 0) return;
  float scale = float(std::pow(10.0, peakDbfs / 20) / peak);
  for (size_t i = 0; i < out.frames(); ++i) {
    out.left[i] *= scale;
    out.right[i] *= scale;
  }
}

namespace {

struct Biquad {
  double b0, b1, b2, a1, a2;  // normalised by a0
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  double Run(double x) {
    double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return y;
  }
};

// The two stages of the K weighting at the synthesiser's rate: a high
// shelf of +4 dB above about 1.7 kHz (the head), then a high-pass at about
// 38 Hz.
Biquad KShelf() {
  const double a = std::pow(10.0, 4.0 / 40),
               w = kTwoPi * 1681.974450955533 / kRate;
  const double alpha = std::sin(w) / (2 * 0.7071752369554196);
  const double c = std::cos(w), root = 2 * std::sqrt(a) * alpha;
  const double a0 = (a + 1) - (a - 1) * c + root;
  return {a * ((a + 1) + (a - 1) * c + root) / a0,
          -2 * a * ((a - 1) + (a + 1) * c) / a0,
          a * ((a + 1) + (a - 1) * c - root) / a0,
          2 * ((a - 1) - (a + 1) * c) / a0,
          ((a + 1) - (a - 1) * c - root) / a0};
}

Biquad KHighPass() {
  const double w = kTwoPi * 38.13547087602444 / kRate;
  const double alpha = std::sin(w) / (2 * 0.5003270373238773);
  const double c = std::cos(w), a0 = 1 + alpha;
  return {(1 + c) / 2 / a0, -(1 + c) / a0, (1 + c) / 2 / a0, -2 * c / a0,
          (1 - alpha) / a0};
}

}  // namespace

void FadeLoopEdges(Stereo& out, double seconds) {
  const size_t n = out.frames();
  const size_t edge = std::min(n / 2, size_t(Frame(seconds)));
  for (size_t i = 0; i < edge; ++i) {
    // 0 at the first frame and at one past the last, so the last frame is
    // one small step above zero, as the first is one below the next.
    const float in = float(Ramp(double(i) / double(edge)));
    const float outGain = float(Ramp(double(i + 1) / double(edge)));
    out.left[i] *= in;
    out.right[i] *= in;
    out.left[n - 1 - i] *= outGain;
    out.right[n - 1 - i] *= outGain;
  }
}

double LoudnessLufs(const Stereo& out) {
  double power = 0;
  for (const std::vector<float>* channel : {&out.left, &out.right}) {
    Biquad shelf = KShelf(), highPass = KHighPass();
    double sum = 0;
    // Round the loop twice: the second pass starts in the filters' state
    // that the end of the loop leaves, as when the track repeats.
    for (int pass = 0; pass < 2; ++pass) {
      sum = 0;
      for (float x : *channel) {
        const double y = highPass.Run(shelf.Run(x));
        sum += y * y;
      }
    }
    power += sum / double(channel->size());
  }
  return -0.691 + 10 * std::log10(power);
}

double NormaliseLoudness(Stereo& out, double lufs) {
  const float scale = float(std::pow(10.0, (lufs - LoudnessLufs(out)) / 20));
  float peak = 0;
  for (size_t i = 0; i < out.frames(); ++i) {
    out.left[i] *= scale;
    out.right[i] *= scale;
    peak = std::max({peak, std::fabs(out.left[i]), std::fabs(out.right[i])});
  }
  return 20 * std::log10(std::max(peak, 1e-9f));
}

}  // namespace music
