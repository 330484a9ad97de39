#include "mods/temp_copy.h"

#include "platform/paths.h"

namespace strohvik {

std::optional<std::string> TempCopyName(const std::string& name) {
  std::string file = FilePart(name);
  // The host sees a name only up to a NUL byte, so "..\0x" would reach the parent folder.
  if (file.empty() || file == "." || file == ".." || file.find('\0') != std::string::npos) return std::nullopt;
  return file;
}

std::optional<std::string> TempCopyPath(const WorkingFolders& folders, const std::string& name) {
  const auto file = TempCopyName(name);
  if (!file) return std::nullopt;
  return JoinPath(folders.Temp(), *file);
}

}  // namespace strohvik
