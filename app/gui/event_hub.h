#pragma once
// The emit-event hook chain: every event the toolkit or a library emits is handed to
// the subscribers in order of priority, higher first, equal priorities in the order
// they subscribed. Subscribers may subscribe and unsubscribe while an event is being
// handed round, and may emit further events from inside their hook.

#include <memory>
#include <vector>

#include "app/gui/event.h"

namespace strohvik {

// Returns the event to pass it on, or null to keep it from the later subscribers.
using TEventHook = TEvent* (*)(int id, TEvent* event, TObject* context);

class TEventHub {
 public:
  void AddHook(TEventHook hook, TObject* context, int priority);
  // Removes the subscription with exactly this hook and context; nothing else.
  void RemoveHook(TEventHook hook, TObject* context);
  void Emit(TEvent& event);

 private:
  struct Subscription {
    TEventHook hook;
    TObject* context;
    int priority;
    bool removed = false;
  };
  std::vector<std::shared_ptr<Subscription>> subscriptions_;
};

// A subscription for the lifetime of this object: made by the constructor, withdrawn by
// the destructor, so that no hook is ever called for a subscriber that is gone.
class THookSubscription {
 public:
  THookSubscription(TEventHub& hub, TEventHook hook, TObject* context, int priority);
  ~THookSubscription();
  THookSubscription(const THookSubscription&) = delete;
  THookSubscription& operator=(const THookSubscription&) = delete;

 private:
  TEventHub& hub_;
  TEventHook hook_;
  TObject* context_;
};

}  // namespace strohvik
