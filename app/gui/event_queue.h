#pragma once
// The application's event queue: the last subscriber of the hook chain. It holds a
// bounded number of events and merges bursts of the same kind from the same source.

#include <deque>
#include <optional>

#include "app/gui/event_hub.h"

namespace strohvik {

class TEventQueue : public TObject {
 public:
  static constexpr int kCapacity = 256;
  static constexpr int kPriority = -10000;

  // Subscribes to the hub for the queue's lifetime.
  explicit TEventQueue(TEventHub& hub);

  // Queues a copy of the event. GadgetAction, TimerTick, WindowMove and WindowSize
  // replace the data of a queued event with the same id and source. A full queue drops
  // the new event (with a debug-log line) rather than block or grow.
  void Post(const TEvent& event);
  std::optional<TEvent> Pop();
  bool Empty() const { return events_.empty(); }
  int Size() const { return static_cast<int>(events_.size()); }

 private:
  static TEvent* Hook(int id, TEvent* event, TObject* context);

  std::deque<TEvent> events_;
  THookSubscription subscription_;  // after the events it posts to
};

}  // namespace strohvik
