#include "platform/stream.h"

#include <algorithm>
#include <cstring>

#include "platform/file_stream.h"
#include "platform/text.h"

namespace strohvik {

int64_t TStream::Write(const void*, int64_t) { throw StreamError("Stream is not writeable"); }

void TStream::ReadBytes(void* buffer, int64_t count) {
  auto* bytes = static_cast<uint8_t*>(buffer);
  while (count > 0) {
    const int64_t got = Read(bytes, count);
    if (got <= 0) throw StreamError("Error reading from stream");
    bytes += got;
    count -= got;
  }
}

void TStream::WriteBytes(const void* buffer, int64_t count) {
  const auto* bytes = static_cast<const uint8_t*>(buffer);
  while (count > 0) {
    const int64_t put = Write(bytes, count);
    if (put <= 0) throw StreamError("Error writing to stream");
    bytes += put;
    count -= put;
  }
}

uint8_t TStream::ReadByte() {
  uint8_t value = 0;
  ReadBytes(&value, 1);
  return value;
}

uint16_t TStream::ReadShort() {
  uint8_t b[2];
  ReadBytes(b, 2);
  return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

int32_t TStream::ReadInt() {
  uint8_t b[4];
  ReadBytes(b, 4);
  const uint32_t value = uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24);
  return static_cast<int32_t>(value);
}

int64_t TStream::ReadLong() {
  const uint64_t low = static_cast<uint32_t>(ReadInt());
  const uint64_t high = static_cast<uint32_t>(ReadInt());
  return static_cast<int64_t>(low | (high << 32));
}

bool TStream::ReadAll(std::string& text, int64_t maxBytes) {
  text.clear();
  char chunk[65536];
  for (;;) {
    const int64_t got = Read(chunk, sizeof chunk);
    if (got <= 0) return true;
    if (static_cast<int64_t>(text.size()) + got > maxBytes) return false;
    text.append(chunk, static_cast<size_t>(got));
  }
}

std::shared_ptr<TRamStream> TRamStream::Create(void* buffer, int64_t size, bool readable, bool writeable) {
  auto stream = std::make_shared<TRamStream>();
  stream->_buf = static_cast<uint8_t*>(buffer);
  stream->_size = std::max<int64_t>(size, 0);
  stream->_read = readable;
  stream->_write = writeable;
  return stream;
}

int64_t TRamStream::Read(void* buffer, int64_t count) {
  if (!_read) throw StreamError("Stream is not readable");
  const int64_t n = std::clamp<int64_t>(_size - _pos, 0, std::max<int64_t>(count, 0));
  if (n > 0) std::memcpy(buffer, _buf + _pos, static_cast<size_t>(n));
  _pos += n;
  return n;
}

int64_t TRamStream::Write(const void* buffer, int64_t count) {
  if (!_write) throw StreamError("Stream is not writeable");
  const int64_t n = std::clamp<int64_t>(_size - _pos, 0, std::max<int64_t>(count, 0));
  if (n > 0) std::memcpy(_buf + _pos, buffer, static_cast<size_t>(n));
  _pos += n;
  return n;
}

int64_t TRamStream::Seek(int64_t position) {
  _pos = std::clamp<int64_t>(position, 0, _size);
  return _pos;
}

namespace {

std::vector<std::shared_ptr<TStreamFactory>>& Factories() {
  static std::vector<std::shared_ptr<TStreamFactory>> factories;
  return factories;
}

}  // namespace

void RegisterStreamFactory(const std::shared_ptr<TStreamFactory>& factory) {
  auto& factories = Factories();
  if (std::find(factories.begin(), factories.end(), factory) == factories.end()) factories.push_back(factory);
}

void UnregisterStreamFactory(const std::shared_ptr<TStreamFactory>& factory) {
  auto& factories = Factories();
  factories.erase(std::remove(factories.begin(), factories.end(), factory), factories.end());
}

StreamPtr OpenStream(const std::string& url, bool readable, bool writeable) {
  const size_t separator = url.find("::");
  if (separator == std::string::npos) return TFileStream::Open(url, readable, writeable);

  const std::string protocol = AsciiLower(url.substr(0, separator));
  const std::string path = url.substr(separator + 2);
  // A copy, so that a factory may register or unregister others while it runs.
  const auto factories = Factories();
  for (const auto& factory : factories) {
    if (auto stream = factory->CreateStream(url, protocol, path, readable, writeable)) return stream;
  }
  return nullptr;
}

}  // namespace strohvik
