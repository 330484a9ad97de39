#include "mods/folder_clearing.h"

#include <string>

#include "platform/file_system.h"
#include "platform/paths.h"

namespace strohvik {
namespace {

// DeleteFile refuses folders, so they are left standing.
void DeleteFilesIn(const std::string& folder) {
  for (const auto& name : ListFolder(folder)) DeleteFile(JoinPath(folder, name));
}

}  // namespace

void ClearTempFolder(const WorkingFolders& folders) { DeleteFilesIn(folders.Temp()); }
void ClearWorkFolder(const WorkingFolders& folders) { DeleteFilesIn(folders.Work()); }

}  // namespace strohvik
