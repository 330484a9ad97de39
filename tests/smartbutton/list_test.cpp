// The action list's iteration while the visited elements change the list.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "smartbutton/smart_list.h"

namespace strohvik {
namespace {

struct Item {
  int id;
};

using ItemPtr = std::shared_ptr<Item>;

std::vector<int> Ids(const TList<Item>& list) {
  std::vector<int> ids;
  for (const ItemPtr& item : list.Items()) ids.push_back(item->id);
  return ids;
}

// A list of items 1..n and the order in which a ForEach that runs visit reaches them.
struct Visits {
  TList<Item> list;
  std::vector<ItemPtr> items;
  std::vector<int> visited;

  explicit Visits(int n) {
    for (int id = 1; id <= n; ++id) {
      items.push_back(std::make_shared<Item>(Item{id}));
      list.Append(items.back());
    }
  }
  void ForEach(const std::function<void(const ItemPtr&)>& visit) {
    list.ForEach([&](const ItemPtr& item) {
      visited.push_back(item->id);
      visit(item);
    });
  }
};

TEST(SmartList, IterationSurvivesElementsRemovingThemselvesAndOthers) {
  struct Case {
    const char* what;
    std::function<void(Visits&, const ItemPtr&)> visit;
    std::vector<int> visited, left;
  };
  const std::vector<Case> cases = {
      {"the middle one removes itself",
       [](Visits& run, const ItemPtr& item) {
         if (item->id == 2) run.list.RemoveFirst(item.get());
       },
       {1, 2, 3}, {1, 3}},
      {"every one removes itself",
       [](Visits& run, const ItemPtr& item) { run.list.RemoveFirst(item.get()); }, {1, 2, 3}, {}},
      {"the first removes itself and then its successor",
       [](Visits& run, const ItemPtr& item) {
         if (item->id != 1) return;
         run.list.RemoveFirst(item.get());
         run.list.RemoveFirst(run.items[1].get());
       },
       {1, 3}, {3}},
      {"the first removes its successor and then itself",
       [](Visits& run, const ItemPtr& item) {
         if (item->id != 1) return;
         run.list.RemoveFirst(run.items[1].get());
         run.list.RemoveFirst(item.get());
       },
       {1, 3}, {3}},
  };
  for (const Case& c : cases) {
    Visits run(3);
    run.ForEach([&](const ItemPtr& item) { c.visit(run, item); });
    EXPECT_EQ(run.visited, c.visited) << c.what;
    EXPECT_EQ(Ids(run.list), c.left) << c.what;
    EXPECT_EQ(run.list.Size(), static_cast<int>(c.left.size())) << c.what;
  }
}

TEST(SmartList, AnElementAppendedDuringIterationIsReachedByIt) {
  Visits run(2);
  run.ForEach([&](const ItemPtr& item) {
    if (item->id == 2) run.list.Append(std::make_shared<Item>(Item{3}));
  });
  EXPECT_EQ(run.visited, (std::vector<int>{1, 2, 3}));

  // The last one appends and then removes itself, as a one-shot appending action does.
  Visits last(2);
  last.ForEach([&](const ItemPtr& item) {
    if (item->id != 2) return;
    last.list.Append(std::make_shared<Item>(Item{3}));
    last.list.RemoveFirst(item.get());
  });
  EXPECT_EQ(last.visited, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(Ids(last.list), (std::vector<int>{1, 3}));
}

TEST(SmartList, RemoveFirstTakesOnlyTheFirstOccurrence) {
  TList<Item> list;
  const ItemPtr a = std::make_shared<Item>(Item{1});
  const ItemPtr b = std::make_shared<Item>(Item{2});
  list.Append(a);
  list.Append(b);
  list.Append(a);
  EXPECT_TRUE(list.RemoveFirst(a.get()));
  EXPECT_EQ(Ids(list), (std::vector<int>{2, 1}));
  EXPECT_TRUE(list.RemoveFirst(a.get()));
  EXPECT_FALSE(list.RemoveFirst(a.get()));
  EXPECT_EQ(Ids(list), (std::vector<int>{2}));
  // Appending after the tail was removed must link from the new tail.
  list.Append(a);
  EXPECT_EQ(Ids(list), (std::vector<int>{2, 1}));
}

TEST(SmartList, ALongListIsDestroyedWithoutDeepRecursion) {
  auto list = std::make_unique<TList<Item>>();
  const ItemPtr item = std::make_shared<Item>(Item{0});
  for (int i = 0; i < 500000; ++i) list->Append(item);
  EXPECT_EQ(list->Size(), 500000);
  list.reset();
}

}  // namespace
}  // namespace strohvik
