#include "smartbutton/creation_api.h"

#include "smartbutton/animation_action.h"
#include "smartbutton/filter_actions.h"
#include "smartbutton/general_actions.h"
#include "smartbutton/sound_action.h"
#include "smartbutton/strip_actions.h"
#include "smartbutton/timer_actions.h"
#include "smartbutton/tip_action.h"

namespace strohvik {
namespace {

ActionPtr Attach(ActionPtr action, TSmartRegion& region) {
  region.Actions().Append(action);
  return action;
}

RegionPtr AddRegion(RegionPtr region, TSmartButton& button) {
  region->SetNumber(button.AppendRegion(region));
  return region;
}

}  // namespace

ButtonPtr CreateSmartButton(int x, int y, PixmapPtr pixmap, TGadget& parent, int style, const std::string& panelName) {
  return TSmartButton::Create(x, y, std::move(pixmap), parent, style, panelName);
}

RegionPtr AddSmartRectangle(int x, int y, int w, int h, TSmartButton& button) {
  return AddRegion(TSmartRectangle::Create(x, y, w, h), button);
}
RegionPtr AddSmartCircle(int x, int y, int r, TSmartButton& button) {
  return AddRegion(TSmartCircle::Create(x, y, r), button);
}
RegionPtr AddSmartOval(int x, int y, int w, int h, TSmartButton& button) {
  return AddRegion(TSmartOval::Create(x, y, w, h), button);
}
RegionPtr AddSmartPoly(std::vector<int> ppx, std::vector<int> ppy, TSmartButton& button) {
  return AddRegion(TSmartPoly::Create(std::move(ppx), std::move(ppy)), button);
}
RegionPtr AddSmartLine(std::vector<int> ppx, std::vector<int> ppy, int r, TSmartButton& button) {
  return AddRegion(TSmartLine::Create(std::move(ppx), std::move(ppy), r), button);
}

int RunSmartActions(int trigger, TSmartButton* button, TSmartRegion* region) {
  if (button == nullptr || region == nullptr) return 0;
  button->RunActions(trigger, *region);
  return 0;
}

ActionPtr AddActionDefault(uint32_t trigger, int once, TSmartRegion& region) {
  return Attach(TActionDefault::Create(trigger, once), region);
}
ActionPtr AddActionShowGrey(uint32_t trigger, int once, TSmartRegion& region) {
  return Attach(TActionShowGrey::Create(trigger, once), region);
}
ActionPtr AddActionSetPicture(uint32_t trigger, int once, PixmapPtr pixmap, int flags, TSmartRegion& region) {
  if (!pixmap) return nullptr;
  return Attach(TActionSetPicture::Create(trigger, once, std::move(pixmap), flags), region);
}
ActionPtr AddActionTogglePicture(uint32_t trigger, int once, PixmapPtr pixmap, int flags, TSmartRegion& region) {
  if (!pixmap) return nullptr;
  return Attach(TActionTogglePicture::Create(trigger, once, std::move(pixmap), flags), region);
}
ActionPtr AddActionSetNextPicture(uint32_t trigger, int once, PixmapPtr pixmap, int flags, int height,
                                  TSmartRegion& region) {
  if (!pixmap) return nullptr;
  return Attach(TActionSetNextPicture::Create(trigger, once, std::move(pixmap), flags, height), region);
}
ActionPtr AddActionSetRandomPicture(uint32_t trigger, int once, PixmapPtr pixmap, int flags, int height,
                                    TSmartRegion& region) {
  if (!pixmap) return nullptr;
  return Attach(TActionSetRandomPicture::Create(trigger, once, std::move(pixmap), flags, height), region);
}
ActionPtr AddActionAnimation(uint32_t trigger, int once, PixmapPtr pixmap, int flags, int height, int speed,
                             TSmartRegion& region) {
  if (!pixmap) return nullptr;
  return Attach(TActionAnimation::Create(trigger, once, std::move(pixmap), flags, height, speed), region);
}
ActionPtr AddActionSound(uint32_t trigger, int once, std::shared_ptr<TSound> sound, double volume, double depth,
                         double pan, double rate, TSmartRegion& region) {
  if (!sound) return nullptr;
  return Attach(TActionSound::Create(trigger, once, std::move(sound), volume, depth, pan, rate), region);
}
ActionPtr AddActionShowTip(uint32_t trigger, int once, const std::string& tip, int delay, int timeout, int xOffset,
                           int yOffset, int width, int height, TSmartRegion& region) {
  return Attach(TActionShowTip::Create(trigger, once, tip, delay, timeout, xOffset, yOffset, width, height), region);
}
ActionPtr AddActionStartTimer(uint32_t trigger, int once, double hertz, TSmartRegion& region) {
  return Attach(TActionStartTimer::Create(trigger, once, hertz), region);
}
ActionPtr AddActionStopTimer(uint32_t trigger, int once, TSmartRegion& region) {
  return Attach(TActionStopTimer::Create(trigger, once), region);
}
ActionPtr AddActionExecuteFunction(uint32_t trigger, int once, std::function<int()> function, TSmartRegion& region) {
  return Attach(TActionExecuteFunction::Create(trigger, once, std::move(function)), region);
}
ActionPtr AddActionBlur(uint32_t trigger, int once, double blur, TSmartRegion& region) {
  return Attach(TActionBlur::Create(trigger, once, blur), region);
}
ActionPtr AddActionInvert(uint32_t trigger, int once, TSmartRegion& region) {
  return Attach(TActionInvert::Create(trigger, once), region);
}
ActionPtr AddActionHighLight(uint32_t trigger, int once, int light, TSmartRegion& region) {
  return Attach(TActionHighLight::Create(trigger, once, light), region);
}
ActionPtr AddActionColor(uint32_t trigger, int once, int red, int green, int blue, TSmartRegion& region) {
  return Attach(TActionColor::Create(trigger, once, red, green, blue), region);
}
ActionPtr AddActionSetSpinnerPicture(uint32_t trigger, int once, PixmapPtr pixmap, int flags, int height,
                                     TSmartRegion& region) {
  if (!pixmap) return nullptr;
  return Attach(TActionSetSpinnerPicture::Create(trigger, once, std::move(pixmap), flags, height), region);
}
ActionPtr AddActionSpinnerForward(uint32_t trigger, int once, int loop, TSmartRegion& region) {
  return Attach(TActionSpinnerForward::Create(trigger, once, loop), region);
}
ActionPtr AddActionSpinnerBackward(uint32_t trigger, int once, int loop, TSmartRegion& region) {
  return Attach(TActionSpinnerBackward::Create(trigger, once, loop), region);
}

ActionPtr CreateActionAddAction(uint32_t trigger, int once, ActionPtr action, RegionPtr region) {
  return TActionAddAction::Create(trigger, once, std::move(action), std::move(region));
}

}  // namespace strohvik
