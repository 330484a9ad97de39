#include "platform/audio.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <cstring>

#include "platform/debug_log.h"
#include "platform/stream.h"

namespace strohvik {
namespace {

// The device is opened on first use and kept for the run.
class AudioDevice {
 public:
  static AudioDevice& Get() {
    static AudioDevice device;
    return device;
  }
  bool Open() const { return context_ != nullptr; }

  // Holds a channel that is about to play until it has stopped; lets go of those that
  // have (a paused one included, so a resumed channel is held once).
  void Hold(std::shared_ptr<TChannel> channel) {
    std::erase_if(playing_, [](const auto& held) { return !held->Playing(); });
    playing_.push_back(std::move(channel));
  }

 private:
  AudioDevice() {
    device_ = alcOpenDevice(nullptr);
    if (device_ == nullptr) {
      DebugLog("No audio device: sounds are not played");
      return;
    }
    context_ = alcCreateContext(device_, nullptr);
    if (context_ == nullptr || alcMakeContextCurrent(context_) == ALC_FALSE) {
      DebugLog("No audio context: sounds are not played");
      if (context_ != nullptr) alcDestroyContext(context_);
      context_ = nullptr;
    }
  }
  ~AudioDevice() {
    playing_.clear();  // their sources go while the context is still there
    if (context_ != nullptr) {
      alcMakeContextCurrent(nullptr);
      alcDestroyContext(context_);
    }
    if (device_ != nullptr) alcCloseDevice(device_);
  }
  ALCdevice* device_ = nullptr;
  ALCcontext* context_ = nullptr;
  std::vector<std::shared_ptr<TChannel>> playing_;
};

int liveChannels = 0;  // one thread plays sounds

uint32_t Little32(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
  return value;
}
uint16_t Little16(const std::string& bytes, size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1]) << 8);
}

}  // namespace

bool AudioAvailable() { return AudioDevice::Get().Open(); }

TSound::TSound(int channels, int bits, int rate, std::vector<uint8_t> samples)
    : channels_(channels), bits_(bits), rate_(rate), samples_(std::move(samples)) {}

TSound::~TSound() {
  if (buffer_ != 0) alDeleteBuffers(1, &buffer_);
}

std::shared_ptr<TSound> TSound::Load(const std::string& url) {
  StreamPtr stream = ReadStream(url);
  std::string bytes;
  if (!stream || !stream->ReadAll(bytes, int64_t{64} << 20)) return nullptr;
  return FromWav(bytes);
}

std::shared_ptr<TSound> TSound::FromWav(const std::string& bytes) {
  if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) return nullptr;
  int channels = 0, bits = 0, rate = 0;
  for (size_t at = 12; at + 8 <= bytes.size();) {
    const std::string id = bytes.substr(at, 4);
    const size_t size = Little32(bytes, at + 4);
    const size_t body = at + 8;
    if (size > bytes.size() - body) return nullptr;
    if (id == "fmt " && size >= 16) {
      if (Little16(bytes, body) != 1) return nullptr;  // PCM only
      channels = Little16(bytes, body + 2);
      rate = static_cast<int>(Little32(bytes, body + 4));
      bits = Little16(bytes, body + 14);
    } else if (id == "data") {
      if ((channels != 1 && channels != 2) || (bits != 8 && bits != 16) || rate <= 0) return nullptr;
      std::vector<uint8_t> samples(bytes.begin() + static_cast<long>(body),
                                   bytes.begin() + static_cast<long>(body + size));
      return std::shared_ptr<TSound>(new TSound(channels, bits, rate, std::move(samples)));
    }
    at = body + size + (size & 1);
  }
  return nullptr;
}

std::shared_ptr<TChannel> TSound::Cue() {
  if (!AudioAvailable()) return std::shared_ptr<TChannel>(new TChannel(0, nullptr));
  if (buffer_ == 0) {
    const ALenum format = channels_ == 1 ? (bits_ == 8 ? AL_FORMAT_MONO8 : AL_FORMAT_MONO16)
                                         : (bits_ == 8 ? AL_FORMAT_STEREO8 : AL_FORMAT_STEREO16);
    alGenBuffers(1, &buffer_);
    alBufferData(buffer_, format, samples_.data(), static_cast<ALsizei>(samples_.size()), rate_);
  }
  ALuint source = 0;
  alGenSources(1, &source);
  alSourcei(source, AL_BUFFER, static_cast<ALint>(buffer_));
  return std::shared_ptr<TChannel>(new TChannel(source, shared_from_this()));
}

std::shared_ptr<TChannel> TSound::Play(float volume, float depth, float pan, float rate) {
  std::shared_ptr<TChannel> channel = Cue();
  channel->SetVolume(volume);
  channel->SetPan(pan);
  channel->SetDepth(depth);
  channel->SetRate(rate);
  channel->Start();
  return channel;
}

void TChannel::Start() {
  if (source_ == 0) return;
  AudioDevice::Get().Hold(shared_from_this());
  alSourcePlay(source_);
}

TChannel::TChannel(unsigned source, std::shared_ptr<const TSound> sound) : source_(source), sound_(std::move(sound)) {
  ++liveChannels;
}

TChannel::~TChannel() {
  --liveChannels;
  if (source_ != 0) alDeleteSources(1, &source_);
}

int LiveChannelCount() { return liveChannels; }

bool TChannel::Playing() const {
  if (source_ == 0) return false;
  ALint state = AL_STOPPED;
  alGetSourcei(source_, AL_SOURCE_STATE, &state);
  return state == AL_PLAYING;
}

void TChannel::Stop() {
  if (source_ != 0) alSourceStop(source_);
}
void TChannel::Pause() {
  if (source_ != 0) alSourcePause(source_);
}
void TChannel::Resume() { Start(); }
void TChannel::SetVolume(float volume) {
  if (source_ != 0) alSourcef(source_, AL_GAIN, volume);
}
void TChannel::SetPan(float pan) {
  pan_ = pan;
  Place();
}
void TChannel::SetDepth(float depth) {
  depth_ = depth;
  Place();
}
void TChannel::Place() {
  if (source_ != 0) alSource3f(source_, AL_POSITION, pan_, 0.0f, -depth_);
}
void TChannel::SetRate(float rate) {
  if (source_ != 0) alSourcef(source_, AL_PITCH, rate > 0 ? rate : 1.0f);
}

}  // namespace strohvik
