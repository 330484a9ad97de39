#include "smartbutton/animation_action.h"

#include "platform/debug_log.h"
#include "smartbutton/frame_strip.h"
#include "smartbutton/smart_button.h"

namespace strohvik {

std::shared_ptr<TActionAnimation> TActionAnimation::Create(uint32_t trigger, int once, PixmapPtr pixmap, int flags,
                                                           int height, int speed) {
  return std::shared_ptr<TActionAnimation>(new TActionAnimation(trigger, once, std::move(pixmap), flags, height, speed));
}

TActionAnimation::~TActionAnimation() {
  if (timer_) timer_->Stop();
}

TEvent* TActionAnimation::eventhook(int, TEvent* event, TObject* context) {
  static_cast<TActionAnimation*>(context)->OnEvent(event);
  return event;
}

int TActionAnimation::OnEvent(const TEvent* event) {
  if (event != nullptr && event->id == kEventTimerTick && event->source == this && timer_) Animate(*timer_);
  return 0;
}

void TActionAnimation::Effect(TSmartButton& button, TSmartRegion&) {
  // A strip without a whole frame or a rate that is no rate plays nothing.
  if (FrameCount(*pixmap_, height_) == 0) return;
  if (!subscription_) subscription_.emplace(button.Gui().Hub(), &TActionAnimation::eventhook, this, 0);
  if (timer_) timer_->Stop();
  smartButton_ = &button;
  timer_ = TTimer::Create(button.Gui(), static_cast<double>(speed_), TEvent{.id = kEventTimerTick, .source = this});
}

int TActionAnimation::Animate(TTimer& timer) {
  DebugLog("Tick..");
  ++part_;
  DebugLog("Part=" + std::to_string(part_ * height_) + " PixmapHeight=" + std::to_string(pixmap_->Height()));
  if (part_ * height_ > pixmap_->Height()) {
    part_ = 0;
    smartButton_->SetButtonPixmap(smartButton_->PixMap(), smartButton_->PixMapProperties());
    timer.Stop();
    return 0;
  }
  smartButton_->SetButtonPixmap(Frame(*pixmap_, height_, part_ - 1), flags_);
  return 0;
}

}  // namespace strohvik
