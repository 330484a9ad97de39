#pragma once
// The common base of the archive reader and writer: the archive's name and the entry
// list read from its central directory.

#include <memory>
#include <string>

#include "zip/zip_file_list.h"

namespace strohvik {

class ZipFile {
 public:
  virtual ~ZipFile() = default;

  // Reads the list afresh from the named archive; no list remains when that fails.
  void readFileList();
  void clearFileList() { m_zipFileList.reset(); }
  int getFileCount() const { return m_zipFileList ? m_zipFileList->getFileCount() : 0; }
  void setName(const std::string& name) { m_name = name; }
  const std::string& getName() const { return m_name; }
  // Without a list every index is invalid and throws like a bad index.
  ZipEntryPtr getFileInfo(int index) const;
  ZipEntryPtr getFileInfoByName(const std::string& name) const;

 protected:
  std::string m_name;
  std::shared_ptr<TZipFileList> m_zipFileList;
};

}  // namespace strohvik
