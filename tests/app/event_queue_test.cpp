#include "app/gui/event_queue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/debug_log.h"

namespace strohvik {
namespace {

class EventQueueTest : public ::testing::Test {
 protected:
  void Post(int id, TObject* source, int data) {
    TEvent event{id, source, data};
    hub.Emit(event);
  }
  TEventHub hub;
  TEventQueue queue{hub};
  TObject first, second;
};

class CoalescedIds : public EventQueueTest, public ::testing::WithParamInterface<int> {};

TEST_P(CoalescedIds, ReplaceTheDataOfAQueuedEventOfTheSameSourceInPlace) {
  Post(GetParam(), &first, 1);
  Post(kEventMouseMove, &first, 0);
  Post(GetParam(), &second, 2);
  Post(GetParam(), &first, 3);

  ASSERT_EQ(queue.Size(), 3);
  const TEvent merged = *queue.Pop();
  EXPECT_EQ(merged.source, &first);
  EXPECT_EQ(merged.data, 3) << "the newest data, at the place of the first event";
  EXPECT_EQ(queue.Pop()->id, kEventMouseMove);
  EXPECT_EQ(queue.Pop()->source, &second);
}

INSTANTIATE_TEST_SUITE_P(Ids, CoalescedIds,
                         ::testing::Values(kEventGadgetAction, kEventTimerTick, kEventWindowMove, kEventWindowSize));

TEST_F(EventQueueTest, KeepsEveryOtherEvent) {
  for (int id : {kEventMouseMove, kEventMouseDown, kEventMenuAction, kEventGadgetSelect, kEventWindowClose}) {
    Post(id, &first, 1);
    Post(id, &first, 2);
  }
  EXPECT_EQ(queue.Size(), 10);
}

TEST_F(EventQueueTest, DropsNewEventsWhenFullAndSaysSo) {
  std::vector<std::string> messages;
  ScopedDebugLogSink sink([&](const std::string& message) { messages.push_back(message); });
  for (int i = 0; i < TEventQueue::kCapacity + 10; ++i) Post(kEventMouseMove, &first, i);

  EXPECT_EQ(queue.Size(), TEventQueue::kCapacity);
  EXPECT_EQ(messages.size(), 10u);
  EXPECT_EQ(messages.front(), "Event queue full, dropped MouseMove");
  for (int i = 0; i < TEventQueue::kCapacity; ++i) EXPECT_EQ(queue.Pop()->data, i);
  EXPECT_FALSE(queue.Pop());
}

TEST_F(EventQueueTest, AFullQueueStillMergesIntoQueuedEvents) {
  Post(kEventGadgetAction, &first, 1);
  for (int i = 1; i < TEventQueue::kCapacity; ++i) Post(kEventMouseMove, &first, i);
  Post(kEventGadgetAction, &first, 99);
  EXPECT_EQ(queue.Size(), TEventQueue::kCapacity);
  EXPECT_EQ(queue.Pop()->data, 99);
}

}  // namespace
}  // namespace strohvik
