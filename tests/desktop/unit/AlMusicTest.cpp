// The music as OpenAL-soft's wave writer records it: a track handed over in
// many small pieces must play whole, in order, with no seam between pieces,
// and loop with no seam either.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "media/OggDecoder.h"
#include "media/desktop/AlMusic.h"

namespace zarvel {
namespace {

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The 16-bit samples recorded so far (the header's sizes are written only
// when the device closes, so the data is found by its tag).
std::vector<int16_t> RecordedSamples(const std::string& path) {
  const std::string wav = ReadWhole(path);
  const size_t tag = wav.find("data");
  std::vector<int16_t> samples;
  if (tag == std::string::npos) return samples;
  const size_t begin = tag + 8;
  for (size_t at = begin; at + 1 < wav.size(); at += 2) {
    samples.push_back(int16_t(uint8_t(wav[at]) | (uint8_t(wav[at + 1]) << 8)));
  }
  return samples;
}

// Where the track starts in the recording: its first loud sample lined up
// with the recording's first loud one. -1 before the track is heard.
long TrackStart(const std::vector<int16_t>& recorded,
                const std::vector<int16_t>& track) {
  auto loud = [](const std::vector<int16_t>& s) -> long {
    for (size_t i = 0; i < s.size(); ++i)
      if (s[i] > 1000 || s[i] < -1000) return long(i);
    return -1;
  };
  const long inRecording = loud(recorded);
  const long inTrack = loud(track);
  return inRecording < inTrack ? -1 : inRecording - inTrack;
}

TEST(AlMusic, PlaysATrackInPiecesWithoutSeamsAndLoopsIt) {
  // Named for this process: a recording left by an earlier run must not
  // be taken for this one's.
  const std::string stem =
      ::testing::TempDir() + "almusic-test-" + std::to_string(getpid());
  const std::string wavPath = stem + ".wav";
  const std::string confPath = stem + ".conf";
  std::remove(wavPath.c_str());
  // Mono at the track's own rate, without dither: what the device writes
  // is then the track's samples themselves.
  std::ofstream(confPath) << "[general]\ndrivers=wave\nchannels=mono\n"
                             "frequency=44100\nsample-type=int16\n"
                             "dither=false\n[wave]\nfile="
                          << wavPath << "\n";
  ASSERT_EQ(setenv("ALSOFT_CONF", confPath.c_str(), 1), 0);

  const std::string ogg = ReadWhole(ZARVEL_TEST_FIXTURES "/sweep-mono.ogg");
  PcmSound track;
  ASSERT_TRUE(DecodeOggVorbis(ogg, track));
  ASSERT_EQ(track.channels, 1);
  const size_t length = track.samples.size();
  ASSERT_GT(length,
            10000u);  // some fifteen pieces of 1 000 frames (and a part)

  const int loops = 3;
  std::vector<int16_t> recorded;
  long start = -1;
  {
    AlMusic music(1000);
    music.Open();
    const SoundHandle sound = music.LoadSound(
        {reinterpret_cast<const unsigned char*>(ogg.data()), ogg.size()}, true);
    music.Play(sound);
    // The writer records in real time: a second or two of it.
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::seconds(60);
    for (;;) {
      music.Service();
      recorded = RecordedSamples(wavPath);
      start = TrackStart(recorded, track.samples);
      if (start >= 0 && recorded.size() >= size_t(start) + loops * length)
        break;
      ASSERT_LT(std::chrono::steady_clock::now(), deadline)
          << "gave up after 60 s waiting for " << loops
          << " loops of the track in the recording (" << recorded.size()
          << " samples so far, the track "
          << (start < 0 ? "not heard yet)" : "heard)");
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }
  std::remove(wavPath.c_str());
  std::remove(confPath.c_str());
  size_t wrong = 0;
  size_t firstWrong = 0;
  for (size_t i = 0; i < loops * length; ++i) {
    const int want = track.samples[i % length];
    const int got = recorded[size_t(start) + i];
    if (got - want > 1 || want - got > 1) {
      if (wrong++ == 0) firstWrong = i;
    }
  }
  EXPECT_EQ(wrong, 0u) << "first wrong sample " << firstWrong << " (piece "
                       << (firstWrong % length) / 1000 << ", loop "
                       << firstWrong / length + 1 << ")";
}

}  // namespace
}  // namespace zarvel
