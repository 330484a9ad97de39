#include "platform/file_system.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <system_error>

#include "platform/host_path.h"
#include "platform/paths.h"
#include "platform/running_program.h"

namespace strohvik {
namespace fs = std::filesystem;

namespace {

fs::path Host(const std::string& path) { return HostFilePath(path); }

// The folder that holds the path's name; "." for a bare name.
std::string FolderOf(const std::string& path) {
  const std::string folder = FolderPart(path);
  return folder.empty() ? "." : folder;
}

// A name no other writer picks at the same moment: process id and a counter.
std::string TemporaryNameBeside(const std::string& target) {
  static std::atomic<unsigned> counter{0};
  return target + ".~tmp" + std::to_string(CurrentProcessId()) + "-" + std::to_string(counter++);
}

}  // namespace

FileKind KindOf(const std::string& path) {
  if (path.empty()) return FileKind::None;
  std::error_code error;
  const fs::file_status status = fs::status(Host(path), error);
  if (error) return FileKind::None;
  if (fs::is_directory(status)) return FileKind::Folder;
  if (fs::is_regular_file(status)) return FileKind::File;
  return FileKind::None;
}

int64_t FileSize(const std::string& path) {
  if (!IsFile(path)) return -1;
  std::error_code error;
  const auto size = fs::file_size(Host(path), error);
  return error ? -1 : static_cast<int64_t>(size);
}

std::vector<std::string> ListFolder(const std::string& path) {
  std::vector<std::string> names;
  if (path.empty()) return names;
  std::error_code error;
  for (fs::directory_iterator it(Host(path), error), end; !error && it != end; it.increment(error)) {
    names.push_back(Utf8Text(it->path().filename()));
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool CreateFolderWithParents(const std::string& path) {
  if (path.empty()) return false;
  std::error_code error;
  fs::create_directories(Host(path), error);
  return IsFolder(path);
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  const bool same = fs::equivalent(Host(a), Host(b), error);
  return !error && same;
}

bool SameContent(const std::string& a, const std::string& b) {
  auto first = TFileStream::Open(a, true, false);
  auto second = TFileStream::Open(b, true, false);
  if (!first || !second) return false;
  static constexpr int64_t kChunk = 1 << 16;
  std::string left(kChunk, '\0');
  std::string right(kChunk, '\0');
  for (;;) {
    const int64_t got = first->Read(left.data(), kChunk);
    if (got != second->Read(right.data(), kChunk)) return false;
    if (got <= 0) return got == 0;
    if (left.compare(0, got, right, 0, got) != 0) return false;
  }
}

bool CopyFileReplacing(const std::string& source, const std::string& target, Durability durability) {
  if (!IsFile(source) || SameFile(source, target)) return false;
  auto input = TFileStream::Open(source, true, false);
  auto output = AtomicFile::Create(target, durability);
  if (!input || !output) return false;
  output->Stream().AppendRestOf(*input);
  if (input->Pos() != FileSize(source) || output->Stream().Pos() != input->Pos()) return false;
  return output->Commit();
}

bool DeleteFile(const std::string& path) {
  if (!IsFile(path)) return false;
  std::error_code error;
  return fs::remove(Host(path), error) && !error;
}

bool RenameReplacing(const std::string& from, const std::string& to) {
  std::error_code error;
  fs::rename(Host(from), Host(to), error);
  return !error;
}

int64_t FreeSpace(const std::string& folder) {
  std::error_code error;
  const fs::space_info space = fs::space(Host(folder), error);
  return error ? -1 : static_cast<int64_t>(space.available);
}

bool RemoveEmptyFolder(const std::string& path) {
  std::error_code error;
  return IsFolder(path) && fs::remove(Host(path), error) && !error;
}

std::string CurrentDirectory() {
  std::error_code error;
  const fs::path current = fs::current_path(error);
  return error ? std::string() : SystemPath(Utf8Text(current));
}

std::unique_ptr<AtomicFile> AtomicFile::Create(const std::string& target, Durability durability) {
  if (target.empty() || IsFolder(target)) return nullptr;
  std::string temporary = TemporaryNameBeside(target);
  auto stream = TFileStream::Open(temporary, false, true);
  if (!stream) return nullptr;
  return std::unique_ptr<AtomicFile>(new AtomicFile(target, std::move(temporary), std::move(stream), durability));
}

AtomicFile::AtomicFile(std::string target, std::string temporary, std::shared_ptr<TFileStream> stream,
                       Durability durability)
    : target_(std::move(target)), temporary_(std::move(temporary)), stream_(std::move(stream)), durability_(durability) {}

AtomicFile::~AtomicFile() {
  if (committed_) return;
  stream_->Close();
  std::error_code error;
  fs::remove(Host(temporary_), error);
}

bool AtomicFile::Commit() {
  const bool durable = durability_ == Durability::Durable;
  if (durable) stream_->Flush();
  if (!stream_->CloseChecked() || !RenameReplacing(temporary_, target_)) return false;
  committed_ = true;
  return !durable || FlushToDisk(FolderOf(target_));
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes, Durability durability) {
  auto file = AtomicFile::Create(path, durability);
  if (!file) return false;
  try {
    file->Stream().WriteBytes(bytes.data(), static_cast<int64_t>(bytes.size()));
  } catch (const StreamError&) {
    return false;
  }
  return file->Commit();
}

}  // namespace strohvik
