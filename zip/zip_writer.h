#pragma once
// Writes files and stream contents into a new or an existing archive through minizip.
// An entry joins the writer's list only when minizip took all of it.

#include <memory>
#include <string>

#include <minizip/zip.h>

#include "platform/stream.h"
#include "zip/zip_file.h"

namespace strohvik {

class ZipWriter : public ZipFile {
 public:
  static std::shared_ptr<ZipWriter> Create() { return std::make_shared<ZipWriter>(); }
  ZipWriter() = default;
  // A writer dropped while open still writes its directory: in append mode an archive
  // left unclosed would lose every entry.
  ~ZipWriter() override { Close(nullptr); }
  ZipWriter(const ZipWriter&) = delete;
  ZipWriter& operator=(const ZipWriter&) = delete;

  // append 1 adds to an existing archive, 0 creates a new one. 1 on success.
  int OpenZip(const std::string& name, int append);
  void SetCompressionLevel(int level);
  // The add operations return 0; success shows in the entry list. A password is refused:
  // this minizip marks such entries encrypted without encrypting them.
  int AddFile(const std::string& fileName, const std::string& password);
  int AddFileToDest(const std::string& fileName, const std::string& destName, const std::string& password);
  int AddStream(const StreamPtr& stream, const std::string& fileName, const std::string& password);
  // Writes the directory with the comment, cut to the 65,535 bytes an archive can hold.
  int CloseZip(const std::string& comment);

 private:
  bool AddEntry(TStream& source, const std::string& destName, const tm_zip& date, const std::string& password);
  bool WriteEntryData(TStream& source);
  void ListEntry(const std::string& destName);
  // A null comment keeps the comment an appended archive had.
  void Close(const char* comment);

  zipFile m_zipFile = nullptr;
  int m_compressionLevel = -1;
};

}  // namespace strohvik
