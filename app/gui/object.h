#pragma once
// The root of everything that can be the source or the extra object of an event:
// gadgets, timers, and the library objects that make timers of their own.

namespace strohvik {

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;
};

}  // namespace strohvik
