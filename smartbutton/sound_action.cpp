#include "smartbutton/sound_action.h"

namespace strohvik {

TActionSound::TActionSound(uint32_t trigger, int once, std::shared_ptr<TSound> sound, double volume, double depth,
                           double pan, double rate)
    : TSmartAction(trigger, once), sound_(std::move(sound)), volume_(volume), depth_(depth), pan_(pan), rate_(rate) {
  if (sound_) channel_ = sound_->Cue();
}

std::shared_ptr<TActionSound> TActionSound::Create(uint32_t trigger, int once, std::shared_ptr<TSound> sound,
                                                   double volume, double depth, double pan, double rate) {
  return std::shared_ptr<TActionSound>(new TActionSound(trigger, once, std::move(sound), volume, depth, pan, rate));
}

void TActionSound::Effect(TSmartButton&, TSmartRegion&) {
  if (channel_ && channel_->Playing()) channel_->Stop();
  channel_ = sound_ ? sound_->Cue() : nullptr;
  if (!channel_) return;
  channel_->SetVolume(static_cast<float>(volume_));
  channel_->SetDepth(static_cast<float>(depth_));
  channel_->SetPan(static_cast<float>(pan_));
  channel_->SetRate(static_cast<float>(rate_));
  channel_->Resume();
}

}  // namespace strohvik
