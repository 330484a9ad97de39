#pragma once
// Starting and stopping a button's timer. Its ticks carry the button's panel as source,
// so the button treats them as its own: they emit GadgetPaint and count down the
// actions of its timer region.

#include "smartbutton/smart_action.h"

namespace strohvik {

// Stops the timer the button has, then starts a new one at Hertz ticks a second. A rate
// that is not a positive number starts none.
class TActionStartTimer : public TSmartAction {
 public:
  static std::shared_ptr<TActionStartTimer> Create(uint32_t trigger, int once, double hertz);

 private:
  TActionStartTimer(uint32_t trigger, int once, double hertz) : TSmartAction(trigger, once), hertz_(hertz) {}
  void Effect(TSmartButton& button, TSmartRegion& region) override;
  double hertz_;
};

// Stops the button's timer, if it has one; the button keeps the stopped timer.
class TActionStopTimer : public TSmartAction {
 public:
  static std::shared_ptr<TActionStopTimer> Create(uint32_t trigger, int once);

 private:
  using TSmartAction::TSmartAction;
  void Effect(TSmartButton& button, TSmartRegion& region) override;
};

}  // namespace strohvik
