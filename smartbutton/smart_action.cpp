#include "smartbutton/smart_action.h"

#include <climits>

#include "smartbutton/smart_region.h"

namespace strohvik {

int TSmartAction::SetName(const std::string& name) {
  name_ = name;
  return 0;
}

int TSmartAction::SetDesription(const std::string& text) {
  description_ = text;
  return 0;
}

int TSmartAction::Action(int mask, TSmartButton& button, TSmartRegion& region) {
  if (!Triggered(mask)) return 0;
  Effect(button, region);
  RemoveIfOnce(region);
  return 0;
}

bool TSmartAction::Triggered(int mask) const {
  return (trigger_ & static_cast<uint32_t>(mask)) == static_cast<uint32_t>(mask);
}

void TSmartAction::RemoveIfOnce(TSmartRegion& region) {
  if (once_ != 0) region.Actions().RemoveFirst(this);
}

bool TSmartAction::CountDownTick() {
  // An interval of 0 counts below 0 and never runs; it must not wrap around either.
  if (intervall_ > INT_MIN) --intervall_;
  if (intervall_ != 0) return false;
  intervall_ = static_cast<int>(trigger_ >> 16);
  return true;
}

}  // namespace strohvik
