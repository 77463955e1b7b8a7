#pragma once
// Music through OpenAL-soft: each track decoded whole, piece by piece
// straight into OpenAL's buffers, and each channel one source with the
// track's buffers queued in order. OpenAL-soft plays a queue without a seam
// between buffers and loops a looping source's whole queue, so a track
// still loops gaplessly; and no decoded track is ever held twice (ours and
// OpenAL's copy), which would raise the game's peak memory by a track.
// Without a sound device every call still succeeds and hands out handles,
// and nothing is heard.
//
// Decoding both tracks takes a noticeable fraction of a second, so it runs
// on worker threads started by LoadSound, one track after the other, and
// Play never waits for it: a
// channel whose sound is still decoding starts as soon as the decode is
// done (Service, called from the game's frequent platform calls), with the
// pause and volume it was given meanwhile. The start-up is then not held
// back by the music, which begins a few hundredths of a second late.
//
// Pausing and resuming never cut the wave mid-cycle: a pause first takes
// the gain to zero (OpenAL-soft smooths a gain change over the samples it
// mixes next) and pauses the source only after that glide; a resume starts
// the source at zero gain and raises it once the source plays again. To the
// listener the music still stops at once.

#include <AL/al.h>
#include <AL/alc.h>

#include <chrono>
#include <future>
#include <span>
#include <string>
#include <vector>

#include "media/OggDecoder.h"
#include "media/Platform.h"

namespace zarvel {

class AlMusic {
 public:
  // A track is handed to OpenAL in pieces of `pieceFrames` frames.
  explicit AlMusic(size_t pieceFrames = kPieceFrames)
      : pieceFrames_(pieceFrames) {}
  ~AlMusic();
  AlMusic(const AlMusic&) = delete;
  AlMusic& operator=(const AlMusic&) = delete;

  // Starts opening the default device on a worker thread: the search for
  // a device takes a good part of the start-up, and the game loads and
  // draws its first frames meanwhile. Without a device, silence from then on.
  // Channels start once the device is open and their sound decoded (Service).
  void Open();
  // Waits until the device is open or known to be missing (standard error
  // is quiet while it is searched for).
  void AwaitDevice();
  void Close();

  // Decodes an Ogg Vorbis file's bytes; empty or broken bytes give a
  // sound that plays silence.
  SoundHandle LoadSound(std::span<const unsigned char> oggBytes, bool loop);
  ChannelHandle Play(SoundHandle sound);
  void SetPaused(ChannelHandle channel, bool paused);
  void SetVolume(ChannelHandle channel, float volume);
  // Starts the channels whose sounds have finished decoding since Play, and
  // completes the pauses and resumes whose gain glide has had its time.
  void Service();

  // How long a gain glide is given before a pause or after a resume: longer
  // than OpenAL-soft's mix period, short enough to go unnoticed.
  static constexpr std::chrono::milliseconds kGlide{25};

 private:
  struct Sound {
    // The track's buffers in playing order; none when it cannot be heard.
    std::shared_future<std::vector<ALuint>> decoding;
    bool loop = false;
    bool decoded = false;
    std::vector<ALuint> buffers;
  };
  // A piece is a buffer of its own: about 1.5 s of stereo, so a few dozen
  // buffers a track, and the one piece in hand is small beside the track.
  static constexpr size_t kPieceFrames = size_t(1) << 16;
  struct Channel {
    SoundHandle sound = 0;
    bool waiting = false;  // for its sound's decode
    bool paused = false;
    float gain = 1.0f;
    ALuint source = 0;  // 0 when there is no device
    // A glide under way: a pause that waits for the gain to reach zero, or
    // a resume that waits to raise it; done at `glideEnds`.
    enum class Glide { kNone, kToPause, kToResume } glide = Glide::kNone;
    std::chrono::steady_clock::time_point glideEnds;
  };
  struct Device {
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
  };
  static Device OpenDevice();
  // A worker's whole job: waits for the device, decodes the track into
  // buffers of that device, and hands them over (none without a device or
  // a readable track).
  static std::vector<ALuint> DecodeIntoBuffers(
      const std::string& oggBytes, size_t pieceFrames,
      const std::shared_future<Device>& device);
  static void DeleteBuffers(std::vector<ALuint>& buffers);
  // Whether the device's opening has ended, without waiting.
  bool DeviceSettled();
  bool FinishDecoding(Sound& sound);
  void Start(Channel& channel);
  void FinishGlide(Channel& channel);

  size_t pieceFrames_;
  std::shared_future<Device> opening_;
  bool deviceKnown_ = false;  // opening_ has ended and is taken
  ALCdevice* device_ = nullptr;
  ALCcontext* context_ = nullptr;
  std::vector<Sound> sounds_;      // handle - 1
  std::vector<Channel> channels_;  // handle - 1
  int waitingChannels_ = 0;
  int glidingChannels_ = 0;
};

}  // namespace zarvel
