#pragma once
// The general actions: restore the own picture, show or toggle a picture, append an
// action to a region, call a function of the application.

#include <functional>

#include "app/gui/pixmap.h"
#include "smartbutton/smart_action.h"
#include "smartbutton/smart_region.h"

namespace strohvik {

// The own picture and the default pointer again.
class TActionDefault : public TSmartAction {
 public:
  static std::shared_ptr<TActionDefault> Create(uint32_t trigger, int once);
  int Action(int mask, TSmartButton& button, TSmartRegion& region) override;

 private:
  using TSmartAction::TSmartAction;
  void Effect(TSmartButton& button, TSmartRegion& region) override;
};

// Shows Pixmap; the button's own picture stays what a reset restores.
class TActionSetPicture : public TSmartAction {
 public:
  static std::shared_ptr<TActionSetPicture> Create(uint32_t trigger, int once, PixmapPtr pixmap, int flags);

 private:
  TActionSetPicture(uint32_t trigger, int once, PixmapPtr pixmap, int flags)
      : TSmartAction(trigger, once), pixmap_(std::move(pixmap)), flags_(flags) {}
  void Effect(TSmartButton& button, TSmartRegion& region) override;
  PixmapPtr pixmap_;
  int flags_;
};

// Shows Pixmap on its first run, the own picture on the next, and so on.
class TActionTogglePicture : public TSmartAction {
 public:
  static std::shared_ptr<TActionTogglePicture> Create(uint32_t trigger, int once, PixmapPtr pixmap, int flags);
  int State() const { return state_; }

 private:
  TActionTogglePicture(uint32_t trigger, int once, PixmapPtr pixmap, int flags)
      : TSmartAction(trigger, once), pixmap_(std::move(pixmap)), flags_(flags) {}
  void Effect(TSmartButton& button, TSmartRegion& region) override;
  PixmapPtr pixmap_;
  int flags_;
  int state_ = 0;
};

// Appends NewAction to NewRegion's list on every run; appended to the list being run,
// it runs in the same dispatch.
class TActionAddAction : public TSmartAction {
 public:
  static std::shared_ptr<TActionAddAction> Create(uint32_t trigger, int once, ActionPtr action, RegionPtr region);

 private:
  TActionAddAction(uint32_t trigger, int once, ActionPtr action, RegionPtr region)
      : TSmartAction(trigger, once), newAction_(std::move(action)), newRegion_(std::move(region)) {}
  void Effect(TSmartButton& button, TSmartRegion& region) override;
  ActionPtr newAction_;
  RegionPtr newRegion_;
};

// Calls the function; its result is ignored.
class TActionExecuteFunction : public TSmartAction {
 public:
  static std::shared_ptr<TActionExecuteFunction> Create(uint32_t trigger, int once, std::function<int()> function);

 private:
  TActionExecuteFunction(uint32_t trigger, int once, std::function<int()> function)
      : TSmartAction(trigger, once), extFunction_(std::move(function)) {}
  void Effect(TSmartButton& button, TSmartRegion& region) override;
  std::function<int()> extFunction_;
};

}  // namespace strohvik
