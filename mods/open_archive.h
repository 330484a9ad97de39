#pragma once
// The archive a load copies its entries from. A mod of thousands of entries would
// otherwise have its whole directory read and sorted again for every entry copied.

#include <memory>
#include <string>

#include "zip/zip_reader.h"

namespace strohvik {

// Opens the archive for copying single entries; none when it cannot be opened.
std::shared_ptr<ZipReader> OpenModArchive(const std::string& path);

// Keeps the archive of one load open for all the entries it copies.
class OpenArchive {
 public:
  // The reader of the archive at path, opened on first use; none when it cannot be opened.
  std::shared_ptr<ZipReader> Reader(const std::string& path);

 private:
  std::string path_;
  std::shared_ptr<ZipReader> reader_;
};

}  // namespace strohvik
