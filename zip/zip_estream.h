#pragma once
// A read-only stream over one archive entry, decompressed as it is read.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/stream.h"
#include "zip/zip_reader.h"

namespace strohvik {

class TZipEStream : public TStream {
 public:
  // Null when the archive cannot be opened or the entry cannot be read from its start.
  static std::shared_ptr<TZipEStream> Create(const std::string& zipName, const std::string& entryName,
                                             int caseSensitive, const std::string& password);

  int64_t Read(void* buffer, int64_t count) override;
  // Backwards starts again from the entry's start ("Unable to find file" when it cannot);
  // forwards decompresses and discards. Returns the position reached.
  int64_t Seek(int64_t position) override;
  int64_t Pos() override { return position_; }
  int64_t Size() override { return file_size; }
  // True once every byte was delivered, after damaged data and after Close.
  bool Eof() override;
  int Flush() override { return 0; }
  void Close() override;

 private:
  TZipEStream() = default;
  int find_file(int probe);

  std::string filename;
  int case_sensitive = 0;
  std::string password;
  int64_t file_size = 0;
  std::shared_ptr<ZipReader> reader;
  int64_t position_ = 0;
  // Damaged data ends the stream: minizip would report the same error on every read.
  bool failed_ = false;
};

}  // namespace strohvik
