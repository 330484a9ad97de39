#include "app/gui/event_hub.h"

#include <algorithm>

namespace strohvik {

void TEventHub::AddHook(TEventHook hook, TObject* context, int priority) {
  auto position = std::find_if(subscriptions_.begin(), subscriptions_.end(),
                               [priority](const auto& subscription) { return subscription->priority < priority; });
  subscriptions_.insert(position, std::make_shared<Subscription>(Subscription{hook, context, priority}));
}

void TEventHub::RemoveHook(TEventHook hook, TObject* context) {
  auto match = std::find_if(subscriptions_.begin(), subscriptions_.end(), [&](const auto& subscription) {
    return subscription->hook == hook && subscription->context == context;
  });
  if (match == subscriptions_.end()) return;
  // An emission in progress holds its own snapshot; the flag keeps it from calling us.
  (*match)->removed = true;
  subscriptions_.erase(match);
}

THookSubscription::THookSubscription(TEventHub& hub, TEventHook hook, TObject* context, int priority)
    : hub_(hub), hook_(hook), context_(context) {
  hub_.AddHook(hook_, context_, priority);
}

THookSubscription::~THookSubscription() { hub_.RemoveHook(hook_, context_); }

void TEventHub::Emit(TEvent& event) {
  // A snapshot, so that hooks may subscribe, unsubscribe and emit while we iterate.
  const std::vector<std::shared_ptr<Subscription>> snapshot = subscriptions_;
  TEvent* current = &event;
  for (const auto& subscription : snapshot) {
    if (subscription->removed) continue;
    current = subscription->hook(current->id, current, subscription->context);
    if (current == nullptr) return;
  }
}

}  // namespace strohvik
