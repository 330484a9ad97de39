#pragma once
// Actions that show frames of a strip: the next frame, a random frame, and the
// button's spinner, whose strip and current frame live in the button so that several
// actions (one on each wheel direction, say) move the same spinner. A strip without a
// whole frame (a height below 1 or above the strip's) makes them show nothing and
// change nothing.

#include <random>

#include "app/gui/pixmap.h"
#include "smartbutton/smart_action.h"

namespace strohvik {

// What the three strip actions share: their strip, the flags its frames are shown
// with, and the height of one frame.
class TStripAction : public TSmartAction {
 protected:
  TStripAction(uint32_t trigger, int once, PixmapPtr pixmap, int flags, int height)
      : TSmartAction(trigger, once), pixmap_(std::move(pixmap)), flags_(flags), height_(height) {}
  PixmapPtr pixmap_;
  int flags_;
  int height_;
};

// Frames 1 … N in turn, then the button's own picture, then frame 1 again.
class TActionSetNextPicture : public TStripAction {
 public:
  static std::shared_ptr<TActionSetNextPicture> Create(uint32_t trigger, int once, PixmapPtr pixmap, int flags, int height);
  int Action(int mask, TSmartButton& button, TSmartRegion& region) override;
  int Part() const { return part_; }

 private:
  using TStripAction::TStripAction;
  int part_ = 0;
};

// A frame drawn at random, uniformly over the whole frames, on every call.
class TActionSetRandomPicture : public TStripAction {
 public:
  static std::shared_ptr<TActionSetRandomPicture> Create(uint32_t trigger, int once, PixmapPtr pixmap, int flags, int height);
  int Action(int mask, TSmartButton& button, TSmartRegion& region) override;
  int Part() const { return part_; }

 private:
  using TStripAction::TStripAction;
  int part_ = 0;
  std::minstd_rand random_{std::random_device{}()};
};

// Gives the button its spinner strip, keeping the index within the new strip.
class TActionSetSpinnerPicture : public TStripAction {
 public:
  static std::shared_ptr<TActionSetSpinnerPicture> Create(uint32_t trigger, int once, PixmapPtr pixmap, int flags, int height);
  int Action(int mask, TSmartButton& button, TSmartRegion& region) override;

 private:
  using TStripAction::TStripAction;
};

// One frame on (forward) or back; at an end it wraps round with Loop, else stays.
class TActionSpinnerStep : public TSmartAction {
 public:
  int Action(int mask, TSmartButton& button, TSmartRegion& region) override;
  int Loop() const { return loop_; }

 protected:
  TActionSpinnerStep(uint32_t trigger, int once, int loop, int step) : TSmartAction(trigger, once), loop_(loop), step_(step) {}

 private:
  int loop_;
  int step_;
};

class TActionSpinnerForward : public TActionSpinnerStep {
 public:
  static std::shared_ptr<TActionSpinnerForward> Create(uint32_t trigger, int once, int loop);

 private:
  TActionSpinnerForward(uint32_t trigger, int once, int loop) : TActionSpinnerStep(trigger, once, loop, 1) {}
};

class TActionSpinnerBackward : public TActionSpinnerStep {
 public:
  static std::shared_ptr<TActionSpinnerBackward> Create(uint32_t trigger, int once, int loop);

 private:
  TActionSpinnerBackward(uint32_t trigger, int once, int loop) : TActionSpinnerStep(trigger, once, loop, -1) {}
};

}  // namespace strohvik
