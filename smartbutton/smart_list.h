#pragma once
// A doubly linked list whose iteration survives changes made while it runs: an element
// may remove itself (iteration goes on with the one that followed it), and an element
// appended meanwhile is reached by the same iteration.

#include <functional>
#include <memory>
#include <vector>

namespace strohvik {

template <typename T>
class TList {
 public:
  TList() = default;
  TList(const TList&) = delete;
  TList& operator=(const TList&) = delete;
  ~TList() {
    // One link at a time: a long chain must not unwind through the stack.
    while (head_) head_ = std::move(head_->next);
  }

  void Append(std::shared_ptr<T> value) {
    auto link = std::make_shared<Link>();
    link->value = std::move(value);
    link->previous = tail_;
    if (tail_ != nullptr) tail_->next = link;
    else head_ = link;
    tail_ = link.get();
    ++size_;
  }

  // Unlinks the first link that holds this value. The link keeps its successor, so an
  // iteration standing on it carries on.
  bool RemoveFirst(const T* value) {
    for (Link* link = head_.get(); link != nullptr; link = link->next.get()) {
      if (link->value.get() != value) continue;
      Unlink(*link);
      return true;
    }
    return false;
  }

  // Calls visit for every element in list order, including those appended meanwhile.
  void ForEach(const std::function<void(const std::shared_ptr<T>&)>& visit) const {
    for (std::shared_ptr<Link> link = head_; link; link = link->next) {
      if (link->removed) continue;
      const std::shared_ptr<T> value = link->value;  // the visit may unlink it
      visit(value);
    }
  }

  std::vector<std::shared_ptr<T>> Items() const {
    std::vector<std::shared_ptr<T>> items;
    ForEach([&items](const std::shared_ptr<T>& value) { items.push_back(value); });
    return items;
  }
  int Size() const { return size_; }
  bool Empty() const { return size_ == 0; }

 private:
  struct Link {
    std::shared_ptr<T> value;
    std::shared_ptr<Link> next;
    Link* previous = nullptr;
    bool removed = false;
  };

  void Unlink(Link& link) {
    std::shared_ptr<Link> keep = link.previous != nullptr ? link.previous->next : head_;
    if (link.previous != nullptr) link.previous->next = link.next;
    else head_ = link.next;
    if (link.next) link.next->previous = link.previous;
    else tail_ = link.previous;
    link.removed = true;
    --size_;
  }

  std::shared_ptr<Link> head_;
  Link* tail_ = nullptr;
  int size_ = 0;
};

}  // namespace strohvik
