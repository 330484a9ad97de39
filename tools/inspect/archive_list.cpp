#include "tools/inspect/archive_list.h"

#include "platform/file_system.h"
#include "platform/host_path.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace strohvik {
namespace {

std::string InFolder(const std::string& folder, const std::string& name) {
  return folder.ends_with('/') ? folder + name : folder + "/" + name;
}

void AddArchivesOfFolder(const std::string& folder, std::vector<std::string>& archives) {
  for (const auto& name : ListFolder(SystemPath(folder))) {
    const std::string path = InFolder(folder, name);
    if (AsciiLower(Extension(name)) == "zip" && IsFile(SystemPath(path))) archives.push_back(path);
  }
}

}  // namespace

ArchiveList ListArchives(const std::vector<std::string>& paths) {
  ArchiveList list;
  for (const auto& path : paths) {
    switch (KindOf(SystemPath(path))) {
      case FileKind::File:
        list.archives.push_back(path);
        break;
      case FileKind::Folder:
        AddArchivesOfFolder(path, list.archives);
        break;
      case FileKind::None:
        if (!list.missing) list.missing = path;
        break;
    }
  }
  return list;
}

}  // namespace strohvik
