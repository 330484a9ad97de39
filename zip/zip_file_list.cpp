#include "zip/zip_file_list.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

#include "platform/debug_log.h"
#include "platform/paths.h"
#include "zip/central_directory.h"

namespace strohvik {
namespace {

constexpr int32_t kLocalHeaderSignature = 0x04034B50;

// Each byte of a name is the character with that code (ISO 8859-1): simple lower-casing
// maps A-Z and the Latin-1 capitals, leaving the multiplication sign alone.
std::string Latin1Lower(std::string text) {
  for (char& c : text) {
    const auto code = static_cast<unsigned char>(c);
    if ((code >= 'A' && code <= 'Z') || (code >= 0xC0 && code <= 0xDE && code != 0xD7)) {
      c = static_cast<char>(code + 0x20);
    }
  }
  return text;
}

}  // namespace

TZipFileList::TZipFileList(StreamPtr stream, int ignoreCase, int ignorePaths)
    : zipFile(std::move(stream)), IgnoreCase(ignoreCase), IgnorePaths(ignorePaths) {}

std::shared_ptr<TZipFileList> TZipFileList::Create(StreamPtr stream, int ignoreCase, int ignorePaths) {
  if (!stream) return nullptr;
  std::shared_ptr<TZipFileList> list(new TZipFileList(std::move(stream), ignoreCase, ignorePaths));
  const int scanned = list->ScanCentralHeader();
  list->zipFile.reset();
  if (!scanned) return nullptr;
  const auto byBytes = [](const ZipEntryPtr& a, const ZipEntryPtr& b) { return a->Less(*b); };
  // Archivers mostly write their entries in name order already.
  if (!std::is_sorted(list->FileList.begin(), list->FileList.end(), byBytes)) {
    std::stable_sort(list->FileList.begin(), list->FileList.end(), byBytes);
  }
  list->byName_.resize(list->FileList.size());
  std::iota(list->byName_.begin(), list->byName_.end(), size_t{0});
  return list;
}

std::shared_ptr<TZipFileList> TZipFileList::CreateEmpty(int ignoreCase, int ignorePaths) {
  return std::shared_ptr<TZipFileList>(new TZipFileList(nullptr, ignoreCase, ignorePaths));
}

int TZipFileList::ScanCentralHeader() {
  int32_t firstSignature = 0;
  try {
    zipFile->Seek(0);
    firstSignature = zipFile->ReadInt();
  } catch (const StreamError&) {
  }
  if (firstSignature != kLocalHeaderSignature) {
    DebugLog("Invalid ZIP file!");
    return 0;
  }
  const auto location = LocateCentralDirectory(*zipFile);
  std::string directory;
  try {
    if (location) {
      directory.resize(static_cast<size_t>(zipFile->Size() - location->directoryOffset));
      zipFile->Seek(location->directoryOffset);
      zipFile->ReadBytes(directory.data(), static_cast<int64_t>(directory.size()));
    }
  } catch (const StreamError&) {
    directory.clear();
  }
  if (directory.empty()) {
    DebugLog("unable to locate central directory!");
    return 0;
  }
  endRecordEnd_ = location->endRecordEnd;
  size_t position = 0;
  for (;;) {
    const size_t headerStart = position;
    auto entry = SZipFileEntry::Create();
    if (!ParseCentralHeader(directory, position, entry->header)) break;
    entry->centralHeaderOffset = location->directoryOffset + static_cast<int64_t>(headerStart);
    entry->directoryIndex = static_cast<int64_t>(FileList.size());
    entry->zipFileName = entry->header.FileName;
    extractFilename(*entry);
    FileList.push_back(std::move(entry));
  }
  return 1;
}

ZipEntryPtr TZipFileList::getFileInfo(int index) const {
  if (index < 0 || index >= getFileCount()) {
    throw std::runtime_error("TZipReader.getFileInfo(): Invalid index " + std::to_string(index));
  }
  return FileList[static_cast<size_t>(index)];
}

std::string TZipFileList::LookupKey(const std::string& name) const {
  std::string key = IgnoreCase ? Latin1Lower(name) : name;
  if (IgnorePaths) deletePathFromFilename(key);
  return key;
}

ZipEntryPtr TZipFileList::findFile(const std::string& name) const {
  const std::string key = LookupKey(name);
  const auto found = std::lower_bound(byName_.begin(), byName_.end(), key, [this](size_t position, const std::string& k) {
    return FileList[position]->simpleFileName < k;
  });
  if (found == byName_.end() || FileList[*found]->simpleFileName != key) return nullptr;
  return FileList[*found];
}

void TZipFileList::Append(ZipEntryPtr entry) {
  const size_t position = FileList.size();
  const auto after = std::upper_bound(byName_.begin(), byName_.end(), entry->simpleFileName,
                                      [this](const std::string& k, size_t p) { return k < FileList[p]->simpleFileName; });
  byName_.insert(after, position);
  FileList.push_back(std::move(entry));
}

void TZipFileList::extractFilename(SZipFileEntry& entry) const {
  if (entry.header.FilenameLength == 0) return;
  if (IgnoreCase) entry.zipFileName = Latin1Lower(entry.zipFileName);
  entry.path = FolderPart(entry.zipFileName);
  std::replace(entry.path.begin(), entry.path.end(), '\\', '/');
  entry.simpleFileName = entry.zipFileName;
  if (IgnorePaths) deletePathFromFilename(entry.simpleFileName);
}

void TZipFileList::deletePathFromFilename(std::string& name) { name = FilePart(name); }

}  // namespace strohvik
