#include "smartbutton/smart_button.h"

#include "platform/debug_log.h"
#include "smartbutton/picture_filters.h"
#include "smartbutton/smart_action.h"

namespace strohvik {
namespace {

constexpr uint32_t kOpaqueRed = 0xFFFF0000;
constexpr int kHookPriority = 0;

RegionPtr BuiltInRegion() { return TSmartRectangle::Create(0, 0, 0, 0); }

PixmapPtr RedPlaceholder() {
  PixmapPtr pixmap = TPixmap::Create(50, 50, kPixelFormatRGBA8888, 4);
  pixmap->ClearPixels(kOpaqueRed);
  return pixmap;
}

// The trigger bit of a press or release of the left or right button; 0 for others.
int ButtonTrigger(const TEvent& event) {
  const bool down = event.id == kEventMouseDown;
  if (event.data == kMouseLeft) return down ? TriggerLeftDown : TriggerLeftUp;
  if (event.data == kMouseRight) return down ? TriggerRightDown : TriggerRightUp;
  return 0;
}

}  // namespace

TSmartButton::TSmartButton(TGui& gui)
    : gui_(gui),
      onCreationRegion_(BuiltInRegion()),
      enterRegion_(BuiltInRegion()),
      leaveRegion_(BuiltInRegion()),
      timerRegion_(BuiltInRegion()),
      subscription_(gui.Hub(), &TSmartButton::eventhook, this, kHookPriority) {}


std::shared_ptr<TSmartButton> TSmartButton::Create(int x, int y, PixmapPtr pixmap, TGadget& parent, int style,
                                                   const std::string& panelName) {
  if (!pixmap) pixmap = RedPlaceholder();
  std::shared_ptr<TSmartButton> button(new TSmartButton(parent.Gui()));
  button->parent_ = &parent;
  button->pixMap_ = button->currentPixmap_ = pixmap;
  button->style_ = style | kPanelActive;
  const TRect shape{x, y, pixmap->Width(), pixmap->Height()};
  button->panel_ = &parent.Gui().CreateGadget(GadgetKind::Panel, panelName, "", shape, &parent, button->style_);
  button->panel_->SetPixmap(pixmap, button->pixMapProperties_);
  button->panel_->SetContext(button);
  button->panel_->SetObserver(button.get());
  return button;
}

int TSmartButton::SetButtonPixmap(const PixmapPtr& pixmap, int flags) {
  DebugLog("Set SmartButton PixMap");
  panel_->SetPixmap(pixmap, flags);
  currentPixmap_ = pixmap;
  return 0;
}

int TSmartButton::ResetButton() {
  SetButtonPixmap(pixMap_, pixMapProperties_);
  gui_.SetPointer(kPointerDefault);
  return 0;
}

TEvent* TSmartButton::eventhook(int, TEvent* event, TObject* context) {
  static_cast<TSmartButton*>(context)->OnEvent(event);
  return event;
}

int TSmartButton::OnEvent(const TEvent* event) {
  if (event == nullptr) return 0;
  if (event->source != nullptr && event->source != panel_) return 0;
  // A disabled button, or one in a disabled window, must not answer the mouse.
  if (!panel_->EnabledWithParents()) return 0;
  switch (event->id) {
    case kEventMouseEnter: DoAction(TriggerMove, enterRegion_, Enter, 0); break;
    case kEventMouseMove: DoAction(TriggerMove, CheckSmartRegions(event->x, event->y), InRegion, 0); break;
    case kEventMouseLeave:
      DoAction(TriggerMove, leaveRegion_, Leave, 0);
      lastRegion_ = nullptr;
      break;
    case kEventMouseWheel:
      if (event->data != 0)
        DoAction(event->data > 0 ? TriggerWheelPositive : TriggerWheelNegative, lastRegion_, InRegion, event->data);
      break;
    case kEventMouseDown:
    case kEventMouseUp:
      if (const int trigger = ButtonTrigger(*event); trigger != 0) DoAction(trigger, lastRegion_, InRegion, 0);
      break;
    case kEventTimerTick: DoAction(TriggerTick, timerRegion_, Tick, 0); break;
    default: break;
  }
  return 0;
}

RegionPtr TSmartButton::CheckSmartRegions(int x, int y) {
  for (const RegionPtr& region : smartRegions_) {
    if (!region->Inside(x, y)) continue;
    gui_.SetPointer(mousePointer_);
    if (region == lastRegion_) return nullptr;
    lastRegion_ = region;
    return region;
  }
  gui_.SetPointer(kPointerDefault);
  lastRegion_ = nullptr;
  return nullptr;
}

int TSmartButton::DoAction(int mask, const RegionPtr& region, int kind, int data) {
  if (region) DebugLog("Checking Actions for Region=" + region->GetName());
  switch (kind) {
    case Enter:
      panel_->Activate();
      CreateSmartButtonEvent(kEventGadgetSelect, 0, nullptr);
      RunActions(mask, *region);
      break;
    case Leave:
      CreateSmartButtonEvent(kEventGadgetSelect, -1, nullptr);
      RunLeaveActions(mask, *region);
      break;
    case Tick:
      CreateSmartButtonEvent(kEventGadgetPaint, 1, nullptr);
      RunTickActions(mask, *region);
      break;
    default:
      if (!region) return 0;
      EmitRegionEvent(mask, *region, data);
      RunActions(mask, *region);
  }
  return 0;
}

void TSmartButton::EmitRegionEvent(int mask, const TSmartRegion& region, int data) {
  const int number = region.GetNumber();
  const std::shared_ptr<TObject>& extra = region.GetExtra();
  switch (mask) {
    case TriggerMove: CreateSmartButtonEvent(kEventGadgetSelect, number, extra); break;
    case TriggerLeftDown: CreateSmartButtonEvent(kEventGadgetAction, number, extra); break;
    case TriggerRightDown: CreateSmartButtonEvent(kEventGadgetMenu, number, extra); break;
    case TriggerLeftUp: CreateSmartButtonEvent(kEventGadgetDone, number, extra); break;
    case TriggerRightUp: CreateSmartButtonEvent(kEventGadgetDone, -number, extra); break;
    case TriggerWheelPositive: CreateSmartButtonEvent(kEventGadgetOpen, data, extra); break;
    case TriggerWheelNegative: CreateSmartButtonEvent(kEventGadgetClose, data, extra); break;
    default: break;
  }
}

void TSmartButton::RunActions(int mask, TSmartRegion& region) {
  region.Actions().ForEach([&](const ActionPtr& action) { action->Action(mask, *this, region); });
}

void TSmartButton::RunLeaveActions(int mask, TSmartRegion& region) {
  region.Actions().ForEach([&](const ActionPtr& action) {
    DebugLog("Run LeaveActions" + action->GetName());
    action->Action(mask, *this, region);
  });
  gui_.SetPointer(kPointerDefault);
}

void TSmartButton::RunTickActions(int mask, TSmartRegion& region) {
  region.Actions().ForEach([&](const ActionPtr& action) {
    DebugLog("Intervall=" + std::to_string(action->Intervall()));
    if (action->CountDownTick()) action->Action(mask, *this, region);
  });
}

int TSmartButton::CreateSmartButtonEvent(int id, int data, std::shared_ptr<TObject> extra) {
  TEvent event{.id = id, .source = panel_, .data = data, .extra = std::move(extra)};
  gui_.Emit(event);
  return 0;
}

void TSmartButton::SetSpinner(PixmapPtr strip, int flags, int height) {
  spinnerPixmap_ = std::move(strip);
  spinnerPixMapProperties_ = flags;
  spinnerHeight_ = height;
}

int TSmartButton::AppendRegion(RegionPtr region) {
  smartRegions_.push_back(std::move(region));
  return static_cast<int>(smartRegions_.size());
}

void TSmartButton::EnabledChanged(bool enabled) {
  if (enabled) {
    SetButtonPixmap(pixMap_, pixMapProperties_);
    return;
  }
  // Disabled under the mouse: no tint and no hand pointer may stay behind.
  if (lastRegion_) gui_.SetPointer(kPointerDefault);
  lastRegion_ = nullptr;
  SetButtonPixmap(Grey(*pixMap_), pixMapProperties_);
}

}  // namespace strohvik
