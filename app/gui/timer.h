#pragma once
// A periodic timer that emits a given event through the hook chain on every tick.

#include <memory>

#include "app/gui/event.h"

namespace strohvik {

class TGui;

class TTimer : public TObject {
 public:
  // The event's data becomes the tick count. An event without a source gets the timer
  // as its source: a tick that no one owns must not reach every subscriber as theirs.
  // A rate that is not a positive number makes no timer (null); a rate above 1000 Hz
  // ticks every millisecond rather than spin.
  static std::shared_ptr<TTimer> Create(TGui& gui, double hertz, const TEvent& event);
  ~TTimer() override;

  int Ticks() const { return ticks_; }
  bool Running() const;
  void Stop();

 private:
  struct Native;
  TTimer(TGui& gui, const TEvent& event);
  void Tick();

  TGui& gui_;
  TEvent event_;
  int ticks_ = 0;
  std::unique_ptr<Native> native_;
};

}  // namespace strohvik
