#pragma once
// Plays a strip's frames 1 … N at Speed frames a second on the button, then restores
// its own picture and stops. The animation runs on a timer of its own whose ticks carry
// the animation as source (buttons ignore them); it watches the hook chain for them
// from its first run on, for the rest of its life. A run during a running animation
// goes on from the frame it had reached.

#include <optional>

#include "app/gui/event_hub.h"
#include "app/gui/pixmap.h"
#include "app/gui/timer.h"
#include "smartbutton/smart_action.h"

namespace strohvik {

class TActionAnimation : public TSmartAction {
 public:
  static std::shared_ptr<TActionAnimation> Create(uint32_t trigger, int once, PixmapPtr pixmap, int flags, int height,
                                                  int speed);
  ~TActionAnimation() override;

  static TEvent* eventhook(int id, TEvent* event, TObject* context);
  int OnEvent(const TEvent* event);
  int Animate(TTimer& timer);

  const std::shared_ptr<TTimer>& Timer() const { return timer_; }
  int Part() const { return part_; }

 private:
  TActionAnimation(uint32_t trigger, int once, PixmapPtr pixmap, int flags, int height, int speed)
      : TSmartAction(trigger, once), pixmap_(std::move(pixmap)), flags_(flags), speed_(speed), height_(height) {}
  void Effect(TSmartButton& button, TSmartRegion& region) override;

  PixmapPtr pixmap_;
  int flags_;
  int speed_;
  int height_;
  std::shared_ptr<TTimer> timer_;
  TSmartButton* smartButton_ = nullptr;  // the button of the last run; buttons live as long as their toolkit
  int part_ = 0;
  std::optional<THookSubscription> subscription_;  // from the first run on
};

}  // namespace strohvik
