#include "zip/zip_file.h"

#include "platform/file_system.h"

namespace strohvik {

void ZipFile::readFileList() {
  clearFileList();
  if (m_name.empty() || FileSize(m_name) <= 0) return;
  m_zipFileList = TZipFileList::Create(TFileStream::Open(m_name, true, false), 0, 0);
}

ZipEntryPtr ZipFile::getFileInfo(int index) const {
  if (!m_zipFileList) return TZipFileList::CreateEmpty(0, 0)->getFileInfo(index);
  return m_zipFileList->getFileInfo(index);
}

ZipEntryPtr ZipFile::getFileInfoByName(const std::string& name) const {
  return m_zipFileList ? m_zipFileList->findFile(name) : nullptr;
}

}  // namespace strohvik
