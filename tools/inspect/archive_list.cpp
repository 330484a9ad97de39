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

void AddFilesOfFolder(const std::string& folder, ArchiveList& list) {
  for (const auto& name : ListFolder(SystemPath(folder))) {
    const std::string path = InFolder(folder, name);
    const FileKind kind = KindOf(SystemPath(path));
    const bool zipName = AsciiLower(Extension(name)) == "zip";
    if (kind == FileKind::File && zipName) {
      list.archives.push_back(path);
    } else if (kind == FileKind::File || (kind == FileKind::Folder && zipName)) {
      list.foreign.push_back({path, list.archives.size()});
    }
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
        AddFilesOfFolder(path, list);
        break;
      case FileKind::None:
        if (!list.missing) list.missing = path;
        break;
    }
  }
  return list;
}

}  // namespace strohvik
