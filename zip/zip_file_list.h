#pragma once
// The parsed central directory of an archive: its entries sorted by name, found by name
// in logarithmic time.

#include <memory>
#include <string>
#include <vector>

#include "platform/stream.h"
#include "zip/zip_records.h"

namespace strohvik {

class TZipFileList {
 public:
  // Scans the archive behind the stream. Null for a missing stream or a failed scan.
  static std::shared_ptr<TZipFileList> Create(StreamPtr stream, int ignoreCase, int ignorePaths);
  // A list without an archive behind it, filled with Append.
  static std::shared_ptr<TZipFileList> CreateEmpty(int ignoreCase, int ignorePaths);

  int getFileCount() const { return static_cast<int>(FileList.size()); }
  // The entry at a 0-based index of the list; a bad index throws std::runtime_error.
  ZipEntryPtr getFileInfo(int index) const;
  // The first entry, in list order, whose simpleFileName equals the name; null if none.
  ZipEntryPtr findFile(const std::string& name) const;
  // Adds an entry at the end of the list; lookups find it by its simpleFileName.
  void Append(ZipEntryPtr entry);

  // The position just after the end record the scan used; 0 for a list without archive.
  int64_t EndRecordEnd() const { return endRecordEnd_; }

  void extractFilename(SZipFileEntry& entry) const;
  static void deletePathFromFilename(std::string& name);

 private:
  TZipFileList(StreamPtr stream, int ignoreCase, int ignorePaths);
  int ScanCentralHeader();
  std::string LookupKey(const std::string& name) const;

  StreamPtr zipFile;
  std::vector<ZipEntryPtr> FileList;
  int IgnoreCase;
  int IgnorePaths;
  // Positions in FileList, ordered by simpleFileName and then by position.
  std::vector<size_t> byName_;
  int64_t endRecordEnd_ = 0;
};

}  // namespace strohvik
