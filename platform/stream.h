#pragma once
// The stream layer: every file the system reads or writes goes through a TStream,
// opened by a URL. "protocol::rest" is handed to the factory registered for the
// protocol (lower-cased, cut at the first "::"); any other string is a plain file.

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace strohvik {

// Raised for damaged input or programming faults: a read past the end of a stream,
// a write to a read-only stream. Callers that can recover catch it.
class StreamError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TStream {
 public:
  virtual ~TStream() = default;

  // Reads up to count bytes and returns how many arrived; 0 at the end.
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  // Writes up to count bytes and returns how many were taken. Read-only streams throw.
  virtual int64_t Write(const void* buffer, int64_t count);
  virtual int64_t Seek(int64_t position) = 0;
  virtual int64_t Pos() = 0;
  virtual int64_t Size() = 0;
  virtual bool Eof() = 0;
  virtual int Flush() { return 0; }
  virtual void Close() = 0;

  // Exactly count bytes, or StreamError.
  void ReadBytes(void* buffer, int64_t count);
  void WriteBytes(const void* buffer, int64_t count);

  uint8_t ReadByte();
  uint16_t ReadShort();  // little-endian
  int32_t ReadInt();     // little-endian
  int64_t ReadLong();    // little-endian

  // Reads until the end of the stream, not trusting Size(). Returns false when more
  // than maxBytes would arrive; the text then holds what was read so far.
  bool ReadAll(std::string& text, int64_t maxBytes);
};

using StreamPtr = std::shared_ptr<TStream>;

// A stream over a block of memory it does not own.
class TRamStream : public TStream {
 public:
  static std::shared_ptr<TRamStream> Create(void* buffer, int64_t size, bool readable, bool writeable);

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t position) override;
  int64_t Pos() override { return _pos; }
  int64_t Size() override { return _size; }
  bool Eof() override { return _pos >= _size; }
  void Close() override {}

 protected:
  int64_t _pos = 0;
  int64_t _size = 0;
  uint8_t* _buf = nullptr;
  bool _read = false;
  bool _write = false;
};

// A protocol handler. CreateStream returns null when the URL is not its own,
// so that the next registered factory can try.
class TStreamFactory {
 public:
  virtual ~TStreamFactory() = default;
  virtual StreamPtr CreateStream(const std::string& url, const std::string& protocol, const std::string& path,
                                 bool readable, bool writeable) = 0;
};

// Factories are process-wide, like the protocols they serve. Registering the same
// factory twice has no effect.
void RegisterStreamFactory(const std::shared_ptr<TStreamFactory>& factory);
void UnregisterStreamFactory(const std::shared_ptr<TStreamFactory>& factory);

// Null when nothing could be opened. A plain file opened for writing only is
// created or truncated; opened for reading and writing it must exist.
StreamPtr OpenStream(const std::string& url, bool readable, bool writeable);
inline StreamPtr ReadStream(const std::string& url) { return OpenStream(url, true, false); }
inline StreamPtr WriteStream(const std::string& url) { return OpenStream(url, false, true); }

}  // namespace strohvik
