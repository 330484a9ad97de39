#pragma once
// A tooltip: once armed by its trigger, it waits until the mouse has rested over the
// region for DelayAction seconds, shows a small framed window with the text at the
// cursor plus the offsets, follows the cursor while it moves inside the region, and
// goes on leaving the button, on a move outside the region, or Timeout seconds after
// the last move. It watches the hook chain itself, from its first run on, and counts
// seconds on a timer of its own.

#include <optional>
#include <string>

#include "app/gui/event_hub.h"
#include "app/gui/gadget.h"
#include "app/gui/timer.h"
#include "smartbutton/smart_action.h"

namespace strohvik {

class TActionShowTip : public TSmartAction {
 public:
  static std::shared_ptr<TActionShowTip> Create(uint32_t trigger, int once, const std::string& tip, int delay,
                                                int timeout, int xOffset, int yOffset, int width, int height);
  ~TActionShowTip() override;

  static TEvent* eventhook(int id, TEvent* event, TObject* context);
  int OnEvent(const TEvent* event);
  void FreeTipGadgets();
  void StopTip();
  void StartTimer(double hertz);
  void ShowTip(int x, int y);
  void CreateTip();

  TGadget* Window() const { return window_; }
  TGadget* Label() const { return label_; }
  const std::shared_ptr<TTimer>& Timer() const { return timer_; }
  bool Showing() const { return window_ != nullptr; }

 private:
  TActionShowTip(uint32_t trigger, int once, std::string tip, int delay, int timeout, int xOffset, int yOffset, int width,
                 int height);
  void Effect(TSmartButton& button, TSmartRegion& region) override;
  void OnTick();
  void OnMove(int x, int y);
  void Stop();

  std::string tip_;
  int timeout_;
  int delayAction_;
  int xOffset_;
  int yOffset_;
  int tipWidth_;
  int tipHeight_;
  TSmartButton* smartButton_ = nullptr;  // buttons and their regions live as long as their toolkit
  TSmartRegion* region_ = nullptr;
  std::shared_ptr<TTimer> timer_;
  TGadget* window_ = nullptr;
  TGadget* winPanel_ = nullptr;
  TGadget* label_ = nullptr;
  TGadget* backGroundPanel_ = nullptr;
  int borderStyle_ = 0;
  int labelStyle_ = kLabelCentre;
  TRgb frameColour_{132, 130, 132};
  int frame_ = 1;
  TRgb background_{214, 211, 206};
  int lastX_ = 0;
  int lastY_ = 0;
  int delay_;     // the tick after which the tip shows; 0 when not waiting
  int time_ = 0;  // the tick after which it goes; 0 when not showing
  int ticks_ = 0;  // of the running timer
  std::optional<THookSubscription> subscription_;  // from the first run on
};

}  // namespace strohvik
