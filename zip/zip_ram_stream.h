#pragma once
// A memory stream that owns its bytes, so an extracted entry lives exactly as long as
// the stream that holds it.

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/stream.h"

namespace strohvik {

class ZipRamStream : public TRamStream {
 public:
  // size zero bytes at position 0. Null for a negative size, one above
  // kZipRamStreamLimit, or when the memory cannot be had.
  static std::shared_ptr<ZipRamStream> ZCreate(int64_t size, bool readable, bool writeable);

  uint8_t* Data() { return _data.data(); }

 private:
  std::vector<uint8_t> _data;
};

}  // namespace strohvik
