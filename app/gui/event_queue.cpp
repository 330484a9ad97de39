#include "app/gui/event_queue.h"

#include <algorithm>

#include "platform/debug_log.h"

namespace strohvik {
namespace {

bool Coalesces(int id) {
  return id == kEventGadgetAction || id == kEventTimerTick || id == kEventWindowMove || id == kEventWindowSize;
}

}  // namespace

TEventQueue::TEventQueue(TEventHub& hub) : subscription_(hub, &TEventQueue::Hook, this, kPriority) {}

TEvent* TEventQueue::Hook(int, TEvent* event, TObject* context) {
  static_cast<TEventQueue*>(context)->Post(*event);
  return event;
}

void TEventQueue::Post(const TEvent& event) {
  if (Coalesces(event.id)) {
    auto queued = std::find_if(events_.begin(), events_.end(), [&](const TEvent& other) {
      return other.id == event.id && other.source == event.source;
    });
    if (queued != events_.end()) {
      *queued = event;
      return;
    }
  }
  if (Size() >= kCapacity) {
    DebugLog("Event queue full, dropped " + EventName(event.id));
    return;
  }
  events_.push_back(event);
}

std::optional<TEvent> TEventQueue::Pop() {
  if (events_.empty()) return std::nullopt;
  TEvent front = std::move(events_.front());
  events_.pop_front();
  return front;
}

}  // namespace strohvik
