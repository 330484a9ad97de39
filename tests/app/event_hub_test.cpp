#include "app/gui/event_hub.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/gui/event_queue.h"

namespace strohvik {
namespace {

// A subscriber that writes its name into a shared log when it sees an event.
struct Recorder : TObject {
  Recorder(std::vector<std::string>& log, std::string name) : log(log), name(std::move(name)) {}
  std::vector<std::string>& log;
  std::string name;
  static TEvent* Hook(int, TEvent* event, TObject* context) {
    auto* self = static_cast<Recorder*>(context);
    self->log.push_back(self->name);
    return event;
  }
};

TEST(EventHub, CallsHigherPrioritiesFirstAndTiesInSubscriptionOrder) {
  TEventHub hub;
  std::vector<std::string> log;
  Recorder low(log, "low"), firstZero(log, "first 0"), high(log, "high"), secondZero(log, "second 0");
  hub.AddHook(&Recorder::Hook, &low, -5);
  hub.AddHook(&Recorder::Hook, &firstZero, 0);
  hub.AddHook(&Recorder::Hook, &high, 7);
  hub.AddHook(&Recorder::Hook, &secondZero, 0);
  TEvent event{kEventMouseMove};
  hub.Emit(event);
  EXPECT_EQ(log, (std::vector<std::string>{"high", "first 0", "second 0", "low"}));
}

// Like a picture button: on a left press over its panel it emits its own GadgetAction
// from inside the hook chain, before the press travels on.
struct PressToAction : TObject {
  TEventHub* hub = nullptr;
  TObject* panel = nullptr;
  static TEvent* Hook(int id, TEvent* event, TObject* context) {
    auto* self = static_cast<PressToAction*>(context);
    if (id == kEventMouseDown && event->source == self->panel) {
      TEvent action{kEventGadgetAction, self->panel, 1};
      self->hub->Emit(action);
    }
    return event;
  }
};

TEST(EventHub, ButtonEventIsQueuedAheadOfThePressThatCausedIt) {
  TEventHub hub;
  TEventQueue queue(hub);  // subscribes first, but its priority puts it last
  TObject panel;
  PressToAction button;
  button.hub = &hub;
  button.panel = &panel;
  hub.AddHook(&PressToAction::Hook, &button, 0);

  TEvent press{kEventMouseDown, &panel, kMouseLeft};
  hub.Emit(press);

  ASSERT_EQ(queue.Size(), 2);
  EXPECT_EQ(queue.Pop()->id, kEventGadgetAction);
  EXPECT_EQ(queue.Pop()->id, kEventMouseDown);
}

struct Mutator : TObject {
  TEventHub* hub = nullptr;
  TObject* other = nullptr;
  bool subscribe = false;
  static TEvent* Hook(int, TEvent* event, TObject* context) {
    auto* self = static_cast<Mutator*>(context);
    if (self->subscribe)
      self->hub->AddHook(&Recorder::Hook, self->other, 10);
    else
      self->hub->RemoveHook(&Recorder::Hook, self->other);
    return event;
  }
};

TEST(EventHub, SubscriptionsChangedDuringEmissionTakeEffectFromTheNextEvent) {
  TEventHub hub;
  std::vector<std::string> log;
  Recorder later(log, "later"), added(log, "added");
  Mutator remover;
  remover.hub = &hub;
  remover.other = &later;
  hub.AddHook(&Mutator::Hook, &remover, 5);
  hub.AddHook(&Recorder::Hook, &later, 0);
  Mutator adder;
  adder.hub = &hub;
  adder.other = &added;
  adder.subscribe = true;
  hub.AddHook(&Mutator::Hook, &adder, 1);

  TEvent event{kEventMouseMove};
  hub.Emit(event);
  EXPECT_TRUE(log.empty()) << "a removed hook must not run; an added one waits for the next event";

  hub.RemoveHook(&Mutator::Hook, &adder);
  hub.Emit(event);
  EXPECT_EQ(log, std::vector<std::string>{"added"});
}

TEST(EventHub, RemovingMatchesHookAndContextExactly) {
  TEventHub hub;
  std::vector<std::string> log;
  Recorder a(log, "a"), b(log, "b");
  hub.AddHook(&Recorder::Hook, &a, 0);
  hub.AddHook(&Recorder::Hook, &b, 0);
  hub.RemoveHook(&Recorder::Hook, &a);
  hub.RemoveHook(&Mutator::Hook, &b);  // another function with b's context: not b's subscription
  TEvent event{kEventMouseMove};
  hub.Emit(event);
  EXPECT_EQ(log, std::vector<std::string>{"b"});
}

TEST(EventHub, NestedEmissionReachesEverySubscriberAndAHookCanConsumeAnEvent) {
  TEventHub hub;
  TEventQueue queue(hub);
  TObject panel;
  PressToAction button;
  button.hub = &hub;
  button.panel = &panel;
  hub.AddHook(&PressToAction::Hook, &button, 0);
  hub.AddHook([](int id, TEvent* event, TObject*) { return id == kEventKeyDown ? nullptr : event; }, nullptr, 3);

  TEvent key{kEventKeyDown, &panel};
  hub.Emit(key);
  EXPECT_TRUE(queue.Empty());

  TEvent press{kEventMouseDown, &panel, kMouseLeft};
  hub.Emit(press);
  EXPECT_EQ(queue.Size(), 2);
}

}  // namespace
}  // namespace strohvik
