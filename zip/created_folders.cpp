#include "zip/created_folders.h"

#include "platform/file_system.h"
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
  for (const auto& folder : created_) RemoveEmptyFolder(folder);
}

}  // namespace strohvik
