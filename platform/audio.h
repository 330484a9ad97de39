#pragma once
// Sounds played on channels through OpenAL, without waiting. Where no audio device can
// be opened (a build server, a headless test) loading still works and playing is
// silently skipped.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace strohvik {

class TSound;

// A channel plays to its end even when its owner lets go of it sooner: the device holds
// every playing channel, and with it the sound, until it has stopped.
class TChannel : public std::enable_shared_from_this<TChannel> {
 public:
  ~TChannel();
  TChannel(const TChannel&) = delete;
  TChannel& operator=(const TChannel&) = delete;

  bool Playing() const;
  void Stop();
  void Pause();
  void Resume();
  void SetVolume(float volume);
  void SetPan(float pan);      // -1 left .. 1 right
  void SetDepth(float depth);  // distance in front of the listener
  void SetRate(float rate);    // 1 plays at the recorded speed

 private:
  friend class TSound;
  TChannel(unsigned source, std::shared_ptr<const TSound> sound);
  void Start();
  void Place();
  unsigned source_;  // 0 when there is no audio device
  std::shared_ptr<const TSound> sound_;  // its buffer must outlive the source
  float pan_ = 0;
  float depth_ = 0;
};

class TSound : public std::enable_shared_from_this<TSound> {
 public:
  // Reads a PCM WAV file (8 or 16 bits, mono or stereo) from any stream URL; null when
  // it cannot be read or is not such a file.
  static std::shared_ptr<TSound> Load(const std::string& url);
  static std::shared_ptr<TSound> FromWav(const std::string& bytes);
  ~TSound();
  TSound(const TSound&) = delete;
  TSound& operator=(const TSound&) = delete;

  // Starts playing on a new channel and returns at once.
  std::shared_ptr<TChannel> Play(float volume, float depth, float pan, float rate);
  // A new channel, paused at the sound's start: Resume plays it.
  std::shared_ptr<TChannel> Cue();

  int Channels() const { return channels_; }
  int BitsPerSample() const { return bits_; }
  int SampleRate() const { return rate_; }
  size_t ByteCount() const { return samples_.size(); }

 private:
  TSound(int channels, int bits, int rate, std::vector<uint8_t> samples);
  int channels_;
  int bits_;
  int rate_;
  std::vector<uint8_t> samples_;
  unsigned buffer_ = 0;  // 0 until played on a device
};

// False on machines without an audio device.
bool AudioAvailable();
// How many channels exist at the moment, each holding a source of the device.
int LiveChannelCount();

}  // namespace strohvik
