#pragma once
// Music through OpenAL-soft: each track decoded whole into one buffer, each
// channel one source. A looping source over a single complete buffer is
// gapless by construction. Without a sound device every call still succeeds
// and hands out handles, and nothing is heard.
//
// Decoding both tracks takes a noticeable fraction of a second, so it runs
// on worker threads started by LoadSound; a sound's buffer is made the first
// time it is played, waiting for its decode only then.

#include <AL/al.h>
#include <AL/alc.h>

#include <future>
#include <string>
#include <vector>

#include "media/OggDecoder.h"
#include "media/Platform.h"

namespace zarvel {

class AlMusic {
 public:
  AlMusic() = default;
  ~AlMusic();
  AlMusic(const AlMusic&) = delete;
  AlMusic& operator=(const AlMusic&) = delete;

  // Opens the default device; false (and silence from then on) without one.
  bool Open();
  void Close();

  SoundHandle LoadSound(const std::string& name, bool loop);
  ChannelHandle Play(SoundHandle sound);
  void SetPaused(ChannelHandle channel, bool paused);
  void SetVolume(ChannelHandle channel, float volume);

 private:
  struct Sound {
    std::future<PcmSound> decoding;
    bool loop = false;
    bool decoded = false;
    bool usable = false;
    ALuint buffer = 0;
  };
  struct Channel {
    ALuint source = 0;  // 0 when there is no device
  };
  bool FinishDecoding(Sound& sound);

  ALCdevice* device_ = nullptr;
  ALCcontext* context_ = nullptr;
  std::vector<Sound> sounds_;      // handle - 1
  std::vector<Channel> channels_;  // handle - 1
};

}  // namespace zarvel
