#include "media/desktop/AlMusic.h"

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

namespace zarvel {

AlMusic::~AlMusic() { Close(); }

namespace {

// OpenAL-soft tries its back ends in turn, and those that find no device
// (ALSA on a machine without a sound card, for one) complain on standard
// error. A game without sound is meant to run on silently, so the search
// for a device happens with standard error sent to /dev/null.
class QuietStandardError {
 public:
  QuietStandardError() {
    std::fflush(stderr);
    saved_ = dup(STDERR_FILENO);
    int null = open("/dev/null", O_WRONLY);
    if (saved_ >= 0 && null >= 0) dup2(null, STDERR_FILENO);
    if (null >= 0) close(null);
  }
  ~QuietStandardError() {
    std::fflush(stderr);
    if (saved_ >= 0) {
      dup2(saved_, STDERR_FILENO);
      close(saved_);
    }
  }
  QuietStandardError(const QuietStandardError&) = delete;
  QuietStandardError& operator=(const QuietStandardError&) = delete;

 private:
  int saved_ = -1;
};

}  // namespace

AlMusic::Device AlMusic::OpenDevice() {
  QuietStandardError quiet;
  Device opened;
  opened.device = alcOpenDevice(nullptr);
  if (opened.device == nullptr) return {};
  // The current context is the process's, whichever thread sets it.
  opened.context = alcCreateContext(opened.device, nullptr);
  if (opened.context == nullptr || !alcMakeContextCurrent(opened.context)) {
    if (opened.context != nullptr) alcDestroyContext(opened.context);
    alcCloseDevice(opened.device);
    return {};
  }
  return opened;
}

void AlMusic::Open() {
  if (opening_.valid()) return;
  opening_ = std::async(std::launch::async, OpenDevice).share();
}

void AlMusic::AwaitDevice() {
  if (!opening_.valid() || deviceKnown_) return;
  const Device opened = opening_.get();
  device_ = opened.device;
  context_ = opened.context;
  deviceKnown_ = true;
}

bool AlMusic::DeviceSettled() {
  if (opening_.valid() && !deviceKnown_ &&
      opening_.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
    AwaitDevice();
  }
  return !opening_.valid() || deviceKnown_;
}

void AlMusic::DeleteBuffers(std::vector<ALuint>& buffers) {
  if (!buffers.empty())
    alDeleteBuffers(ALsizei(buffers.size()), buffers.data());
  buffers.clear();
}

void AlMusic::Close() {
  AwaitDevice();
  // A decode still running would otherwise outlive the objects it fills;
  // the buffers of a sound never played are deleted with the others.
  for (Sound& sound : sounds_)
    if (sound.decoding.valid()) sound.buffers = sound.decoding.get();
  if (context_ != nullptr) {
    glidingChannels_ = 0;
    for (Channel& channel : channels_) {
      if (channel.source != 0) {
        alSourceStop(channel.source);
        alDeleteSources(1, &channel.source);
        channel.source = 0;
        channel.glide = Channel::Glide::kNone;
      }
    }
    for (Sound& sound : sounds_) DeleteBuffers(sound.buffers);
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(context_);
    context_ = nullptr;
  }
  if (device_ != nullptr) {
    alcCloseDevice(device_);
    device_ = nullptr;
  }
}

std::vector<ALuint> AlMusic::DecodeIntoBuffers(
    const std::string& oggBytes, size_t pieceFrames,
    const std::shared_future<Device>& device) {
  std::vector<ALuint> buffers;
  bool known = false;
  bool sound = false;
  bool failed = false;
  DecodeOggVorbisPieces(
      oggBytes, pieceFrames,
      [&](int channels, int rate, std::span<const int16_t> samples) {
        if (!known) {
          // The first piece is decoded while the device may still be
          // searched for.
          sound = device.valid() && device.get().context != nullptr;
          known = true;
        }
        if (!sound || (channels != 1 && channels != 2)) return false;
        // The buffer's own size tells whether it took the samples: the
        // context's error flag is shared with the main thread's calls.
        const ALsizei bytes = ALsizei(samples.size() * 2);
        ALuint buffer = 0;
        alGenBuffers(1, &buffer);
        if (buffer == 0 || !alIsBuffer(buffer)) {
          failed = true;
          return false;
        }
        buffers.push_back(buffer);
        alBufferData(buffer,
                     channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16,
                     samples.data(), bytes, rate);
        ALint size = 0;
        alGetBufferi(buffer, AL_SIZE, &size);
        if (size != bytes) failed = true;
        return !failed;
      });
  if (failed) DeleteBuffers(buffers);
  return buffers;
}

SoundHandle AlMusic::LoadSound(std::span<const unsigned char> oggBytes,
                               bool loop) {
  Sound sound;
  sound.loop = loop;
  // The bytes are copied: the worker may outlive the caller's buffer.
  std::string bytes(reinterpret_cast<const char*>(oggBytes.data()),
                    oggBytes.size());
  // One track after another, in the order they were loaded: the first is
  // the one wanted first, and decoding takes no more than one core from
  // the start-up it runs beside.
  std::shared_future<std::vector<ALuint>> before;
  if (!sounds_.empty()) before = sounds_.back().decoding;
  sound.decoding = std::async(std::launch::async, [bytes = std::move(bytes),
                                                   pieces = pieceFrames_,
                                                   device = opening_, before] {
                     if (before.valid()) before.wait();
                     return DecodeIntoBuffers(bytes, pieces, device);
                   }).share();
  sounds_.push_back(std::move(sound));
  return SoundHandle(sounds_.size());
}

bool AlMusic::FinishDecoding(Sound& sound) {
  if (!sound.decoded) {
    sound.decoded = true;
    sound.buffers = sound.decoding.get();
  }
  return context_ != nullptr && !sound.buffers.empty();
}

void AlMusic::Start(Channel& channel) {
  channel.waiting = false;
  Sound& sound = sounds_[channel.sound - 1];
  if (!FinishDecoding(sound)) return;
  alGenSources(1, &channel.source);
  alSourceQueueBuffers(channel.source, ALsizei(sound.buffers.size()),
                       sound.buffers.data());
  alSourcei(channel.source, AL_LOOPING, sound.loop ? AL_TRUE : AL_FALSE);
  alSourcef(channel.source, AL_GAIN, channel.gain);
  if (!channel.paused) alSourcePlay(channel.source);
}

ChannelHandle AlMusic::Play(SoundHandle handle) {
  Channel channel;
  if (handle >= 1 && size_t(handle) <= sounds_.size()) {
    channel.sound = handle;
    channel.waiting = true;
    ++waitingChannels_;
  }
  channels_.push_back(channel);
  Service();
  return ChannelHandle(channels_.size());
}

void AlMusic::Service() {
  if (glidingChannels_ > 0) {
    const auto now = std::chrono::steady_clock::now();
    for (Channel& channel : channels_) {
      if (channel.glide != Channel::Glide::kNone && now >= channel.glideEnds) {
        FinishGlide(channel);
      }
    }
  }
  if (waitingChannels_ == 0 || !DeviceSettled()) return;
  for (Channel& channel : channels_) {
    if (!channel.waiting) continue;
    Sound& sound = sounds_[channel.sound - 1];
    bool ready =
        sound.decoded || sound.decoding.wait_for(std::chrono::seconds(0)) ==
                             std::future_status::ready;
    if (!ready) continue;
    Start(channel);
    --waitingChannels_;
  }
}

void AlMusic::FinishGlide(Channel& channel) {
  if (channel.glide == Channel::Glide::kToPause) {
    alSourcePause(channel.source);
  } else {
    alSourcef(channel.source, AL_GAIN, channel.gain);
  }
  channel.glide = Channel::Glide::kNone;
  --glidingChannels_;
}

void AlMusic::SetPaused(ChannelHandle handle, bool paused) {
  if (handle < 1 || size_t(handle) > channels_.size()) return;
  Channel& channel = channels_[handle - 1];
  // A channel still waiting for its decode keeps the wish for its start.
  if (channel.waiting) channel.paused = paused;
  ALuint source = channel.source;
  if (source == 0) return;
  ALint state = 0;
  alGetSourcei(source, AL_SOURCE_STATE, &state);
  const auto glideEnds = std::chrono::steady_clock::now() + kGlide;
  if (paused) {
    if (channel.glide == Channel::Glide::kToPause) return;
    if (channel.glide == Channel::Glide::kToResume) {
      // Not yet raised: it is silent and playing; pause it after a glide.
      channel.glide = Channel::Glide::kToPause;
      channel.glideEnds = glideEnds;
      return;
    }
    if (state != AL_PLAYING) return;
    alSourcef(source, AL_GAIN, 0.0f);
    channel.glide = Channel::Glide::kToPause;
    channel.glideEnds = glideEnds;
    ++glidingChannels_;
    return;
  }
  if (channel.glide == Channel::Glide::kToPause) {
    // Still playing at falling gain: raise it again, no pause needed.
    alSourcef(source, AL_GAIN, channel.gain);
    channel.glide = Channel::Glide::kNone;
    --glidingChannels_;
    return;
  }
  // Playing a paused source resumes it where it stopped; a stopped one
  // (a track that has ended without looping) stays ended.
  if (state != AL_PAUSED) return;
  alSourcef(source, AL_GAIN, 0.0f);
  alSourcePlay(source);
  channel.glide = Channel::Glide::kToResume;
  channel.glideEnds = glideEnds;
  ++glidingChannels_;
}

void AlMusic::SetVolume(ChannelHandle handle, float volume) {
  if (handle < 1 || size_t(handle) > channels_.size()) return;
  Channel& channel = channels_[handle - 1];
  channel.gain = volume < 0 ? 0 : (volume > 1 ? 1 : volume);
  // During a glide the gain is set when the glide ends.
  if (channel.source != 0 && channel.glide == Channel::Glide::kNone) {
    alSourcef(channel.source, AL_GAIN, channel.gain);
  }
}

}  // namespace zarvel
