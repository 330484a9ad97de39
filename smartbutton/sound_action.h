#pragma once
// Plays a sound from its start on every run, cutting off this action's previous
// playback; two sound actions play over each other. The channel of the last run is
// kept (at creation a paused one is cued), the one before it let go.

#include "platform/audio.h"
#include "smartbutton/smart_action.h"

namespace strohvik {

class TActionSound : public TSmartAction {
 public:
  static std::shared_ptr<TActionSound> Create(uint32_t trigger, int once, std::shared_ptr<TSound> sound, double volume,
                                              double depth, double pan, double rate);
  const std::shared_ptr<TChannel>& Channel() const { return channel_; }

 private:
  TActionSound(uint32_t trigger, int once, std::shared_ptr<TSound> sound, double volume, double depth, double pan,
               double rate);
  void Effect(TSmartButton& button, TSmartRegion& region) override;
  std::shared_ptr<TSound> sound_;
  double volume_;
  std::shared_ptr<TChannel> channel_;
  double depth_;
  double pan_;
  double rate_;
};

}  // namespace strohvik
