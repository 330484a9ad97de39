#include "zip/zip_ram_stream.h"

#include <new>

#include "zip/zip_limits.h"

namespace strohvik {

std::shared_ptr<ZipRamStream> ZipRamStream::ZCreate(int64_t size, bool readable, bool writeable) {
  if (size < 0 || size > kZipRamStreamLimit) return nullptr;
  try {
    auto stream = std::make_shared<ZipRamStream>();
    stream->_data.assign(static_cast<size_t>(size), 0);
    stream->_pos = 0;
    stream->_size = size;
    stream->_buf = stream->_data.data();
    stream->_read = readable;
    stream->_write = writeable;
    return stream;
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // namespace strohvik
