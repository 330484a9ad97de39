#include "mods/repack_checks.h"

#include <algorithm>
#include <array>
#include <map>
#include <numeric>
#include <thread>

#include "platform/file_stream.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "zip/zip_reader.h"

namespace strohvik {
namespace {

constexpr int64_t kMostEditedFileBytes = 64 << 20;
// Room for the archiver's central directory and what the file system needs besides.
constexpr int64_t kSpaceMargin = 1 << 20;

bool ReadFile(const std::string& path, std::string& bytes) {
  auto stream = TFileStream::Open(path, true, false);
  return stream && stream->ReadAll(bytes, kMostEditedFileBytes);
}

std::map<std::string, int> Counted(const std::vector<std::string>& names) {
  std::map<std::string, int> counts;
  for (const std::string& name : names) ++counts[name];
  return counts;
}

std::vector<std::string> EntryNames(const ZipReader& reader) {
  std::vector<std::string> names;
  for (int index = 0; index < reader.getFileCount(); ++index) names.push_back(reader.getFileInfo(index)->zipFileName);
  return names;
}

std::vector<std::string> EditedNames(const std::vector<std::string>& editedFiles) {
  std::vector<std::string> names;
  for (const std::string& file : editedFiles) names.push_back(FilePart(file));
  return names;
}

// Our copy and the archiver's own temporary file each take the archive's size.
int64_t SpaceNeeded(const std::string& archive, const std::vector<std::string>& editedFiles) {
  int64_t needed = 2 * FileSize(archive) + kSpaceMargin;
  for (const std::string& file : editedFiles) needed += std::max<int64_t>(FileSize(file), 0);
  return needed;
}

std::string EditedEntryNotPacked(ZipReader& reader, const std::vector<std::string>& editedFiles) {
  for (const std::string& file : editedFiles) {
    std::string expected, packed;
    auto entry = reader.ExtractFile(FilePart(file), 1, "");
    if (!entry || !ReadFile(file, expected) || !entry->ReadAll(packed, kMostEditedFileBytes) || packed != expected)
      return FilePart(file);
  }
  return "";
}

// Reads every entry whole, the work split by size over two readers so that both cores
// share a large archive. The name of the first damaged entry found, or "".
std::string DamagedEntry(const std::string& archive, const ZipReader& listing) {
  std::vector<int> order(static_cast<size_t>(listing.getFileCount()));
  std::iota(order.begin(), order.end(), 0);
  const auto size = [&listing](int index) { return listing.getFileInfo(index)->header.DataDescriptor.CompressedSize; };
  std::sort(order.begin(), order.end(), [&](int a, int b) { return size(a) > size(b); });
  std::array<std::vector<int>, 2> shares;
  std::array<int64_t, 2> loads{};
  for (int index : order) {
    const size_t lighter = loads[0] <= loads[1] ? 0 : 1;
    shares[lighter].push_back(index);
    loads[lighter] += size(index);
  }
  std::array<std::string, 2> damaged;
  auto check = [&](size_t share) {
    auto reader = ZipReader::Create();
    if (reader->OpenZip(archive) != 1) damaged[share] = FilePart(archive);
    for (int index : shares[share]) {
      if (!damaged[share].empty()) return;
      if (!reader->CheckEntry(index)) damaged[share] = reader->getFileInfo(index)->zipFileName;
    }
  };
  std::thread second(check, 1);
  check(0);
  second.join();
  return damaged[0].empty() ? damaged[1] : damaged[0];
}

}  // namespace

bool ListEntryNames(const std::string& archive, std::vector<std::string>& names) {
  auto reader = ZipReader::Create();
  if (!IsFile(archive) || reader->OpenZip(archive) != 1) return false;
  names = EntryNames(*reader);
  return true;
}

std::string RepackRefusal(const std::string& archive, const std::vector<std::string>& entryNames,
                          const std::vector<std::string>& editedFiles) {
  const std::string folder = FolderPart(archive);
  if (!IsWritable(folder)) return "Fehler: Der Ordner " + folder + " ist schreibgeschützt. Nichts gespeichert.";
  if (!IsWritable(archive)) return "Fehler: Der Mod ist schreibgeschützt. Nichts gespeichert.";
  const std::map<std::string, int> counts = Counted(entryNames);
  for (const std::string& name : EditedNames(editedFiles)) {
    const auto found = counts.find(name);
    if (found != counts.end() && found->second > 1)
      return "Fehler: Der Mod enthält " + name + " mehrfach; so kann 7-Zip ihn nicht packen. Nichts gespeichert.";
  }
  const int64_t needed = SpaceNeeded(archive, editedFiles);
  const int64_t free = FreeSpace(folder);
  if (free >= 0 && free < needed) {
    return "Fehler: Nicht genug freier Speicher im Mods Ordner: " + SizeInWords(needed) + " benötigt, " +
           SizeInWords(free) + " frei. Nichts gespeichert.";
  }
  return "";
}

std::string RepackedCopyProblem(const std::string& copy, const std::vector<std::string>& originalNames,
                                const std::vector<std::string>& editedFiles) {
  auto reader = ZipReader::Create();
  if (reader->OpenZip(copy) != 1) return std::string("Fehler: 7-Zip hat kein lesbares Archiv geschrieben") + kModUnchanged;
  const std::string damaged = DamagedEntry(copy, *reader);
  if (!damaged.empty()) return "Fehler: 7-Zip hat " + damaged + " beschädigt gepackt" + kModUnchanged;
  std::map<std::string, int> expected = Counted(originalNames);
  for (const std::string& name : EditedNames(editedFiles)) expected[name] = 1;
  const std::map<std::string, int> packed = Counted(EntryNames(*reader));
  for (const auto& [name, count] : expected) {
    if (packed.count(name) == 0 || packed.at(name) < count) return "Fehler: Nach dem Packen fehlt " + name + kModUnchanged;
  }
  for (const auto& [name, count] : packed) {
    if (expected.count(name) == 0 || expected.at(name) < count)
      return "Fehler: Nach dem Packen steht " + name + " unerwartet im Archiv" + kModUnchanged;
  }
  const std::string notPacked = EditedEntryNotPacked(*reader, editedFiles);
  if (!notPacked.empty()) return "Fehler: " + notPacked + " steht nach dem Packen nicht im Archiv" + kModUnchanged;
  return "";
}

}  // namespace strohvik
