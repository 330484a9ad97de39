#include "smartbutton/general_actions.h"

#include "platform/debug_log.h"
#include "smartbutton/smart_button.h"

namespace strohvik {

std::shared_ptr<TActionDefault> TActionDefault::Create(uint32_t trigger, int once) {
  return std::shared_ptr<TActionDefault>(new TActionDefault(trigger, once));
}

int TActionDefault::Action(int mask, TSmartButton& button, TSmartRegion& region) {
  DebugLog("Default Action Start");
  return TSmartAction::Action(mask, button, region);
}

void TActionDefault::Effect(TSmartButton& button, TSmartRegion&) {
  DebugLog("Reset Picture");
  button.ResetButton();
}

std::shared_ptr<TActionSetPicture> TActionSetPicture::Create(uint32_t trigger, int once, PixmapPtr pixmap, int flags) {
  return std::shared_ptr<TActionSetPicture>(new TActionSetPicture(trigger, once, std::move(pixmap), flags));
}

void TActionSetPicture::Effect(TSmartButton& button, TSmartRegion&) { button.SetButtonPixmap(pixmap_, flags_); }

std::shared_ptr<TActionTogglePicture> TActionTogglePicture::Create(uint32_t trigger, int once, PixmapPtr pixmap,
                                                                   int flags) {
  return std::shared_ptr<TActionTogglePicture>(new TActionTogglePicture(trigger, once, std::move(pixmap), flags));
}

void TActionTogglePicture::Effect(TSmartButton& button, TSmartRegion&) {
  if (state_ == 0) button.SetButtonPixmap(pixmap_, flags_);
  else button.SetButtonPixmap(button.PixMap(), button.PixMapProperties());
  state_ = state_ == 0 ? 1 : 0;
}

std::shared_ptr<TActionAddAction> TActionAddAction::Create(uint32_t trigger, int once, ActionPtr action,
                                                           RegionPtr region) {
  return std::shared_ptr<TActionAddAction>(new TActionAddAction(trigger, once, std::move(action), std::move(region)));
}

void TActionAddAction::Effect(TSmartButton&, TSmartRegion&) {
  if (newAction_ && newRegion_) newRegion_->Actions().Append(newAction_);
}

std::shared_ptr<TActionExecuteFunction> TActionExecuteFunction::Create(uint32_t trigger, int once,
                                                                       std::function<int()> function) {
  return std::shared_ptr<TActionExecuteFunction>(new TActionExecuteFunction(trigger, once, std::move(function)));
}

void TActionExecuteFunction::Effect(TSmartButton&, TSmartRegion&) {
  if (extFunction_) extFunction_();
}

}  // namespace strohvik
