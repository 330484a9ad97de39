#include "smartbutton/tip_action.h"

#include "smartbutton/smart_button.h"

namespace strohvik {

std::shared_ptr<TActionShowTip> TActionShowTip::Create(uint32_t trigger, int once, const std::string& tip, int delay,
                                                       int timeout, int xOffset, int yOffset, int width, int height) {
  return std::shared_ptr<TActionShowTip>(
      new TActionShowTip(trigger, once, tip, delay, timeout, xOffset, yOffset, width, height));
}

TActionShowTip::TActionShowTip(uint32_t trigger, int once, std::string tip, int delay, int timeout, int xOffset,
                               int yOffset, int width, int height)
    : TSmartAction(trigger, once),
      tip_(std::move(tip)),
      timeout_(timeout),
      delayAction_(delay),
      xOffset_(xOffset),
      yOffset_(yOffset),
      tipWidth_(width),
      tipHeight_(height),
      delay_(delay) {}

TActionShowTip::~TActionShowTip() {
  if (timer_) StopTip();
}

TEvent* TActionShowTip::eventhook(int, TEvent* event, TObject* context) {
  static_cast<TActionShowTip*>(context)->OnEvent(event);
  return event;
}

void TActionShowTip::Effect(TSmartButton& button, TSmartRegion& region) {
  smartButton_ = &button;
  region_ = &region;
  if (!subscription_) subscription_.emplace(button.Gui().Hub(), &TActionShowTip::eventhook, this, 0);
  CreateTip();
}

void TActionShowTip::CreateTip() {
  if (timer_) StopTip();
  StartTimer(1.0);
}

void TActionShowTip::StartTimer(double hertz) {
  if (timer_) timer_->Stop();
  ticks_ = 0;
  timer_ = TTimer::Create(smartButton_->Gui(), hertz, TEvent{.id = kEventTimerTick, .source = this});
}

void TActionShowTip::StopTip() {
  FreeTipGadgets();
  timer_->Stop();
}

void TActionShowTip::FreeTipGadgets() {
  // The window takes the panels and the label built on it along.
  if (window_ != nullptr) smartButton_->Gui().FreeGadget(window_);
  window_ = winPanel_ = label_ = backGroundPanel_ = nullptr;
}

void TActionShowTip::ShowTip(int x, int y) {
  TGui& gui = smartButton_->Gui();
  window_ = &gui.CreateGadget(GadgetKind::Window, "", "", {x, y, tipWidth_, tipHeight_}, smartButton_->Parent(), 0);
  backGroundPanel_ = &gui.CreateGadget(GadgetKind::Panel, "", "", {0, 0, window_->ClientWidth(), window_->ClientHeight()},
                                       window_, 0);
  backGroundPanel_->SetColor(frameColour_);
  const TRect inner{frame_, frame_, backGroundPanel_->ClientWidth() - 2 * frame_,
                    backGroundPanel_->ClientHeight() - 2 * frame_};
  winPanel_ = &gui.CreateGadget(GadgetKind::Panel, "", "", inner, backGroundPanel_, borderStyle_);
  winPanel_->SetColor(background_);
  label_ = &gui.CreateGadget(GadgetKind::Label, "", tip_, {0, 0, winPanel_->ClientWidth(), winPanel_->ClientHeight()},
                             winPanel_, labelStyle_);
  window_->SetShow(true);
}

int TActionShowTip::OnEvent(const TEvent* event) {
  if (event == nullptr || !timer_) return 0;
  if (event->id == kEventTimerTick && event->source == this) {
    ticks_ = event->data;  // the timer's count, which its ticks carry
    OnTick();
  }
  if (event->id == kEventMouseMove) OnMove(event->x, event->y);
  if (event->id == kEventMouseLeave && event->source == &smartButton_->Panel()) Stop();
  return 0;
}

void TActionShowTip::OnTick() {
  if (delay_ != 0 && ticks_ > delay_) {
    // Where the platform cannot tell the cursor, the tip waits for the next tick.
    if (const std::optional<TPoint> cursor = smartButton_->Gui().CursorPosition()) {
      ShowTip(xOffset_ + cursor->x, yOffset_ + cursor->y);
      delay_ = 0;
      time_ = timeout_;
      StartTimer(1.0);
    }
  }
  if (time_ != 0 && ticks_ > time_) Stop();
}

void TActionShowTip::OnMove(int x, int y) {
  if (x == lastX_ && y == lastY_) return;
  if (delay_ != 0) {
    if (region_->Inside(x, y)) delay_ = ticks_ + delayAction_;
    else Stop();
  } else if (time_ != 0) {
    if (!region_->Inside(x, y)) {
      Stop();
    } else {
      time_ = ticks_ + timeout_;
      const std::optional<TPoint> cursor = smartButton_->Gui().CursorPosition();
      if (window_ != nullptr && cursor) window_->SetShape({xOffset_ + cursor->x, yOffset_ + cursor->y, tipWidth_, tipHeight_});
    }
  }
  lastX_ = x;
  lastY_ = y;
}

// Stopped: no window, no running timer, waiting again on the next trigger.
void TActionShowTip::Stop() {
  StopTip();
  delay_ = delayAction_;
  time_ = 0;
}

}  // namespace strohvik
