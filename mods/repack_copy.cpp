#include "mods/repack_copy.h"

#include "platform/debug_log.h"
#include "platform/file_system.h"
#include "platform/paths.h"

namespace strohvik {
namespace {

// Recognisable, and hidden in the folder listings of the desktop and of this program.
constexpr const char* kCopyPrefix = ".strohvik-repack.";

}  // namespace

RepackCopy::RepackCopy(std::string archive)
    : archive_(std::move(archive)), path_(JoinPath(FolderPart(archive_), kCopyPrefix + FilePart(archive_))) {}

RepackCopy::~RepackCopy() { Discard(); }

bool RepackCopy::Make() { return CopyFileReplacing(archive_, path_, Durability::Scratch); }

bool RepackCopy::ReplaceOriginal() {
  if (!FlushToDisk(path_) || !RenameReplacing(path_, archive_)) return false;
  replaced_ = true;
  if (!FlushToDisk(FolderPart(archive_))) DebugLog("repack: the folder of " + archive_ + " was not flushed");
  return true;
}

std::string RepackCopy::Discard() {
  if (replaced_) return "";
  const std::string copy = FilePart(path_);
  std::string left;
  for (const std::string& name : ListFolder(FolderPart(path_))) {
    if (name != copy && !name.starts_with(copy + ".tmp")) continue;
    const std::string leftover = JoinPath(FolderPart(path_), name);
    if (!DeleteFile(leftover) && left.empty()) left = leftover;
  }
  return left;
}

}  // namespace strohvik
