#include "smartbutton/strip_actions.h"

#include "platform/debug_log.h"
#include "smartbutton/frame_strip.h"
#include "smartbutton/smart_button.h"

namespace strohvik {
namespace {

void LogPart(int part, int height, const TPixmap& strip) {
  DebugLog("Part=" + std::to_string(part * height) + " PixmapHeight=" + std::to_string(strip.Height()));
}

void ShowSpinnerFrame(TSmartButton& button) {
  button.SetButtonPixmap(Frame(*button.SpinnerPixmap(), button.SpinnerHeight(), button.SpinnerIndex()),
                         button.SpinnerPixMapProperties());
}

}  // namespace

std::shared_ptr<TActionSetNextPicture> TActionSetNextPicture::Create(uint32_t trigger, int once, PixmapPtr pixmap,
                                                                     int flags, int height) {
  return std::shared_ptr<TActionSetNextPicture>(new TActionSetNextPicture(trigger, once, std::move(pixmap), flags, height));
}

int TActionSetNextPicture::Action(int mask, TSmartButton& button, TSmartRegion& region) {
  if (!Triggered(mask) || FrameCount(*pixmap_, height_) == 0) return 0;
  ++part_;
  LogPart(part_, height_, *pixmap_);
  if (part_ * height_ > pixmap_->Height()) {
    // The own picture between two rounds; this run does not count for Once.
    part_ = 0;
    button.SetButtonPixmap(button.PixMap(), button.PixMapProperties());
    return 0;
  }
  button.SetButtonPixmap(Frame(*pixmap_, height_, part_ - 1), flags_);
  RemoveIfOnce(region);
  return 0;
}

std::shared_ptr<TActionSetRandomPicture> TActionSetRandomPicture::Create(uint32_t trigger, int once, PixmapPtr pixmap,
                                                                         int flags, int height) {
  return std::shared_ptr<TActionSetRandomPicture>(new TActionSetRandomPicture(trigger, once, std::move(pixmap), flags, height));
}

int TActionSetRandomPicture::Action(int mask, TSmartButton& button, TSmartRegion& region) {
  const int frames = FrameCount(*pixmap_, height_);
  if (frames == 0) return 0;
  part_ = std::uniform_int_distribution<int>(1, frames)(random_);
  if (!Triggered(mask)) return 0;
  button.SetButtonPixmap(Frame(*pixmap_, height_, part_ - 1), flags_);
  RemoveIfOnce(region);
  return 0;
}

std::shared_ptr<TActionSetSpinnerPicture> TActionSetSpinnerPicture::Create(uint32_t trigger, int once, PixmapPtr pixmap,
                                                                           int flags, int height) {
  return std::shared_ptr<TActionSetSpinnerPicture>(new TActionSetSpinnerPicture(trigger, once, std::move(pixmap), flags, height));
}

int TActionSetSpinnerPicture::Action(int mask, TSmartButton& button, TSmartRegion& region) {
  const int frames = FrameCount(*pixmap_, height_);
  if (!Triggered(mask) || frames == 0) return 0;
  button.SetSpinner(pixmap_, flags_, height_);
  if (button.SpinnerIndex() >= frames || button.SpinnerIndex() < 0) button.SetSpinnerIndex(frames - 1);
  ShowSpinnerFrame(button);
  RemoveIfOnce(region);
  return 0;
}

std::shared_ptr<TActionSpinnerForward> TActionSpinnerForward::Create(uint32_t trigger, int once, int loop) {
  return std::shared_ptr<TActionSpinnerForward>(new TActionSpinnerForward(trigger, once, loop));
}

std::shared_ptr<TActionSpinnerBackward> TActionSpinnerBackward::Create(uint32_t trigger, int once, int loop) {
  return std::shared_ptr<TActionSpinnerBackward>(new TActionSpinnerBackward(trigger, once, loop));
}

int TActionSpinnerStep::Action(int mask, TSmartButton& button, TSmartRegion& region) {
  if (!Triggered(mask) || !button.SpinnerPixmap()) return 0;
  const int frames = FrameCount(*button.SpinnerPixmap(), button.SpinnerHeight());
  if (frames == 0) return 0;
  int index = button.SpinnerIndex() + step_;
  if (index >= frames) index = loop_ != 0 ? 0 : frames - 1;
  if (index < 0) index = loop_ != 0 ? frames - 1 : 0;
  button.SetSpinnerIndex(index);
  ShowSpinnerFrame(button);
  RemoveIfOnce(region);
  DebugLog(std::string(step_ > 0 ? "Forward" : "Backward") + " SpinnerIndex=" + std::to_string(index));
  return 0;
}

}  // namespace strohvik
