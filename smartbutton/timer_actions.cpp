#include "smartbutton/timer_actions.h"

#include "platform/debug_log.h"
#include "smartbutton/smart_button.h"

namespace strohvik {

std::shared_ptr<TActionStartTimer> TActionStartTimer::Create(uint32_t trigger, int once, double hertz) {
  return std::shared_ptr<TActionStartTimer>(new TActionStartTimer(trigger, once, hertz));
}

void TActionStartTimer::Effect(TSmartButton& button, TSmartRegion&) {
  if (button.Timer()) {
    button.Timer()->Stop();
    DebugLog("Timer stopped!");
  }
  const TEvent tick{.id = kEventTimerTick, .source = &button.Panel()};
  button.SetTimer(TTimer::Create(button.Gui(), hertz_, tick));
  DebugLog("Start Timer Action");
}

std::shared_ptr<TActionStopTimer> TActionStopTimer::Create(uint32_t trigger, int once) {
  return std::shared_ptr<TActionStopTimer>(new TActionStopTimer(trigger, once));
}

void TActionStopTimer::Effect(TSmartButton& button, TSmartRegion&) {
  if (button.Timer()) button.Timer()->Stop();
  DebugLog("Stop Timer Action");
}

}  // namespace strohvik
