#pragma once
// A picture on an active panel that reacts to the mouse. The button subscribes to the
// toolkit's emit-event hook chain at priority 0, turns the mouse and timer events of
// its panel into dispatches to its hit regions, runs their actions and emits gadget
// events of its own with the panel as source. Those reach the application's queue
// ahead of the mouse event that caused them, because the queue subscribes last.
// A disabled panel shows the button's own picture greyed and reacts to nothing.

#include <memory>
#include <string>
#include <vector>

#include "app/gui/gui.h"
#include "app/gui/timer.h"
#include "smartbutton/smart_region.h"

namespace strohvik {

// The trigger bits: each dispatch carries exactly one of them.
enum TriggerBit : int {
  TriggerMove = 1,  // entering or leaving the panel, or arriving in another region
  TriggerLeftDown = 2,
  TriggerRightDown = 4,
  TriggerLeftUp = 8,
  TriggerRightUp = 16,
  TriggerWheelPositive = 32,
  TriggerWheelNegative = 64,
  TriggerTick = 128,
};

class TSmartButton : public TObject, public TGadgetObserver, public std::enable_shared_from_this<TSmartButton> {
 public:
  // The kinds of a dispatch.
  static constexpr int Enter = 0;
  static constexpr int Leave = -1;
  static constexpr int Tick = 1;
  static constexpr int InRegion = 2;

  // A button at (x, y) of the parent's client area, as large as its picture; with no
  // picture a 50 x 50 opaque red one. The panel is registered under panelName (none
  // when empty), so that the application can find it by its designer name.
  static std::shared_ptr<TSmartButton> Create(int x, int y, PixmapPtr pixmap, TGadget& parent, int style,
                                              const std::string& panelName = "");

  // Shows the picture and makes it CurrentPixmap; PixMapProperties stays. Returns 0.
  int SetButtonPixmap(const PixmapPtr& pixmap, int flags);
  // The own picture again and the default pointer. Returns 0.
  int ResetButton();
  static TEvent* eventhook(int id, TEvent* event, TObject* context);
  int OnEvent(const TEvent* event);
  // The region under the point, reported only when it is not LastRegion.
  RegionPtr CheckSmartRegions(int x, int y);
  int DoAction(int mask, const RegionPtr& region, int kind, int data);
  int CreateSmartButtonEvent(int id, int data, std::shared_ptr<TObject> extra);

  // Runs the region's actions for the trigger in list order, with no event emitted and
  // no tick countdown.
  void RunActions(int mask, TSmartRegion& region);
  // A new hit region, tested after those added before; returns how many there are.
  int AppendRegion(RegionPtr region);

  TGui& Gui() const { return gui_; }
  TGadget& Panel() const { return *panel_; }
  TGadget* Parent() const { return parent_; }
  int Style() const { return style_; }
  const PixmapPtr& PixMap() const { return pixMap_; }
  const PixmapPtr& CurrentPixmap() const { return currentPixmap_; }
  int PixMapProperties() const { return pixMapProperties_; }
  int MousePointer() const { return mousePointer_; }
  const RegionPtr& LastRegion() const { return lastRegion_; }
  const std::vector<RegionPtr>& SmartRegions() const { return smartRegions_; }
  const RegionPtr& OnCreationRegion() const { return onCreationRegion_; }
  const RegionPtr& EnterRegion() const { return enterRegion_; }
  const RegionPtr& LeaveRegion() const { return leaveRegion_; }
  const RegionPtr& TimerRegion() const { return timerRegion_; }
  const std::shared_ptr<TTimer>& Timer() const { return timer_; }
  void SetTimer(std::shared_ptr<TTimer> timer) { timer_ = std::move(timer); }

  // The spinner: a frame strip kept in the button, whose current frame several actions
  // move back and forth.
  const PixmapPtr& SpinnerPixmap() const { return spinnerPixmap_; }
  int SpinnerPixMapProperties() const { return spinnerPixMapProperties_; }
  int SpinnerIndex() const { return spinnerIndex_; }
  int SpinnerHeight() const { return spinnerHeight_; }
  void SetSpinner(PixmapPtr strip, int flags, int height);
  void SetSpinnerIndex(int index) { spinnerIndex_ = index; }

 private:
  explicit TSmartButton(TGui& gui);
  void EnabledChanged(bool enabled) override;
  void RunLeaveActions(int mask, TSmartRegion& region);
  void RunTickActions(int mask, TSmartRegion& region);
  void EmitRegionEvent(int mask, const TSmartRegion& region, int data);

  TGui& gui_;
  TGadget* panel_ = nullptr;
  TGadget* parent_ = nullptr;
  int style_ = 0;
  PixmapPtr pixMap_;
  PixmapPtr currentPixmap_;
  int pixMapProperties_ = 0;
  int mousePointer_ = kPointerHand;
  PixmapPtr spinnerPixmap_;
  int spinnerPixMapProperties_ = 0;
  int spinnerIndex_ = 0;
  int spinnerHeight_ = 0;
  RegionPtr lastRegion_;
  std::vector<RegionPtr> smartRegions_;
  RegionPtr onCreationRegion_;
  RegionPtr enterRegion_;
  RegionPtr leaveRegion_;
  RegionPtr timerRegion_;
  std::shared_ptr<TTimer> timer_;
  THookSubscription subscription_;  // last: no hook may reach a button half built or half gone
};

using ButtonPtr = std::shared_ptr<TSmartButton>;

}  // namespace strohvik
