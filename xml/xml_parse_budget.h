#pragma once
// Counts the memory a document takes while it is parsed, against kMaxParsedBytes.

#include <cstdint>

#include "xml/xml_limits.h"

namespace strohvik {

class ParseBudget {
 public:
  // False, and exhausted from then on, when the bytes do not fit any more.
  bool Spend(int64_t bytes) {
    left_ -= bytes;
    return left_ >= 0;
  }
  bool Exhausted() const { return left_ < 0; }

 private:
  int64_t left_ = kMaxParsedBytes;
};

}  // namespace strohvik
