#pragma once
// The action base: one small effect on a button, run when a dispatch whose trigger bit
// is in the action's Trigger reaches the region that holds it. Trigger's low 16 bits
// are the mask (the bits of TSmartButton), its high 16 bits the tick interval of an
// action in a button's timer region.

#include <cstdint>
#include <memory>
#include <string>

#include "app/gui/object.h"

namespace strohvik {

class TSmartButton;
class TSmartRegion;

class TSmartAction : public TObject {
 public:
  int SetName(const std::string& name);
  const std::string& GetName() const { return name_; }
  int SetDesription(const std::string& text);
  const std::string& GetDesription() const { return description_; }

  // The trigger protocol: nothing unless mask's bit is in Trigger; then the effect;
  // then an action made with Once takes itself out of the region it ran for. Returns 0.
  virtual int Action(int mask, TSmartButton& button, TSmartRegion& region);

  uint32_t Trigger() const { return trigger_; }
  int Once() const { return once_; }
  int Intervall() const { return intervall_; }
  // A timer-region tick: counts Intervall down and tells whether it has just reached
  // 0, reloading it from Trigger then.
  bool CountDownTick();

 protected:
  // The creation convention shared by every action class.
  TSmartAction(uint32_t trigger, int once) : trigger_(trigger), once_(once), intervall_(trigger >> 16) {}
  // The effect of a triggered run, for classes that keep the protocol as it is.
  virtual void Effect(TSmartButton&, TSmartRegion&) {}
  // The two halves of the protocol, for classes whose runs differ from it.
  bool Triggered(int mask) const;
  void RemoveIfOnce(TSmartRegion& region);

 private:
  std::string name_;
  std::string description_;
  uint32_t trigger_;
  int once_;
  int intervall_;
};

using ActionPtr = std::shared_ptr<TSmartAction>;

}  // namespace strohvik
