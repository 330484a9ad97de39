#pragma once
// File system operations over the system's "\" paths. None of them throws: failures
// come back as false, 0 or an empty list, for the caller to report.

#include <cstdint>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_stream.h"

namespace strohvik {

enum class FileKind { None, File, Folder };

// Durable writes (settings, a mod copied, moved or repacked) reach the disk, with the
// name that holds them, before the call returns. Scratch copies (the temp, work and
// scratch folders) are not flushed: nobody needs them after a crash, and a flush costs
// milliseconds each.
enum class Durability { Scratch, Durable };

FileKind KindOf(const std::string& path);
inline bool IsFile(const std::string& path) { return KindOf(path) == FileKind::File; }
inline bool IsFolder(const std::string& path) { return KindOf(path) == FileKind::Folder; }

// -1 when the path is not a regular file.
int64_t FileSize(const std::string& path);
// The names in a folder, without "." and "..", sorted by their bytes; empty on failure.
std::vector<std::string> ListFolder(const std::string& path);
// Creates the folder and its missing parents. True when the folder exists afterwards.
bool CreateFolderWithParents(const std::string& path);
// True when both paths name the same existing file (links and letter case included).
bool SameFile(const std::string& a, const std::string& b);
// True when both files hold the same bytes; read side by side in blocks, so two large
// files that differ early cost little. False as well when either cannot be read.
bool SameContent(const std::string& a, const std::string& b);
// Copies through a temporary file beside the target, renamed over it at the end, so the
// old target survives a failed copy. Refuses to copy a file onto itself.
bool CopyFileReplacing(const std::string& source, const std::string& target, Durability durability);
// Deletes a regular file; never a folder.
bool DeleteFile(const std::string& path);
// Removes a folder only while it is empty, so nothing someone else put there is lost.
bool RemoveEmptyFolder(const std::string& path);
bool RenameReplacing(const std::string& from, const std::string& to);
// Flushes a file's bytes, or a folder's names, to disk.
bool FlushToDisk(const std::string& path);
// Lets the disk start writing the file's bytes without waiting, so that a flush later
// has less left to wait for.
void StartWritingToDisk(const std::string& path);
// The bytes an ordinary program may still write in the folder's file system; -1 when
// unknown.
int64_t FreeSpace(const std::string& folder);
// False for a file marked read-only (no write permission for anyone), for what lies on
// a read-only file system, and for what this user may not write.
bool IsWritable(const std::string& path);
// The working directory in the system's "\" form.
std::string CurrentDirectory();
// Sets access and modification time.
bool SetFileTime(const std::string& path, std::time_t time);
// The modification time; -1 when the file cannot be looked at.
std::time_t ModificationTime(const std::string& path);

// A file written under a temporary name beside its target and renamed over the target by
// Commit. Until then the target is untouched; an uncommitted file is removed.
class AtomicFile {
 public:
  // Null when the temporary file cannot be created (missing folder, no rights).
  static std::unique_ptr<AtomicFile> Create(const std::string& target, Durability durability);
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  TFileStream& Stream() { return *stream_; }
  // Closes and renames; a durable file is flushed before the rename and its folder
  // after it. False when any write, the close, the rename or a flush failed; the target
  // then keeps its old content (or, when only the folder flush failed, the new one).
  bool Commit();

 private:
  AtomicFile(std::string target, std::string temporary, std::shared_ptr<TFileStream> stream, Durability durability);

  std::string target_;
  std::string temporary_;
  std::shared_ptr<TFileStream> stream_;
  Durability durability_;
  bool committed_ = false;
};

// Writes bytes to a file through an AtomicFile.
bool WriteFileAtomically(const std::string& path, const std::string& bytes, Durability durability);

}  // namespace strohvik
