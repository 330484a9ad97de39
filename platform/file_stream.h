#pragma once
// A plain file as a stream, for every URL without a protocol.

#include <string>

#include "platform/stream.h"

namespace strohvik {

class TFileStream : public TStream {
 public:
  // Null when the file cannot be opened. Writing only creates or truncates;
  // reading and writing needs an existing file and keeps its content.
  static std::shared_ptr<TFileStream> Open(const std::string& path, bool readable, bool writeable);
  ~TFileStream() override;

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t position) override;
  int64_t Pos() override { return position_; }
  int64_t Size() override;
  bool Eof() override;
  int Flush() override;
  // Appends the rest of the source, from its position on, inside the kernel where it
  // can (no bytes pass through this process). The bytes appended.
  int64_t AppendRestOf(TFileStream& source);
  void Close() override;
  // Closes and reports whether everything written reached the file.
  bool CloseChecked();

 private:
  TFileStream(int fd, bool readable, bool writeable) : fd_(fd), readable_(readable), writeable_(writeable) {}

  int fd_;
  bool readable_;
  bool writeable_;
  bool failed_ = false;
  int64_t position_ = 0;
};

}  // namespace strohvik
