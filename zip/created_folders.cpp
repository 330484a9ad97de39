#include "zip/created_folders.h"

#include <unistd.h>

#include "platform/file_system.h"
#include "platform/host_path.h"
#include "platform/paths.h"

namespace strohvik {

CreatedFolders::CreatedFolders(const std::string& folder) {
  for (std::string missing = folder; !missing.empty() && KindOf(missing) == FileKind::None;
       missing = FolderPart(missing)) {
    created_.push_back(missing);
  }
  exists_ = folder.empty() || CreateFolderWithParents(folder);
}

CreatedFolders::~CreatedFolders() {
  // rmdir removes only empty folders, so nothing that someone else put there is lost.
  for (const auto& folder : created_) ::rmdir(HostPath(folder).c_str());
}

}  // namespace strohvik
