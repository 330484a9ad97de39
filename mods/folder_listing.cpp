#include "mods/folder_listing.h"

#include <algorithm>

#include "platform/file_system.h"
#include "platform/paths.h"
#include "settings/folder_value.h"

namespace strohvik {

const char* const kFolderNotSetStatus =
    "Der Ordner ist nicht gesetzt. Bitte unter Einstellungen - Programm die Ordner angeben.";

namespace {

bool IsArchiveName(const std::string& name) { return Extension(name) == "zip"; }

}  // namespace

FolderListing FillFolderTree(const std::string& path) {
  const std::string folder = FolderPart(path);
  FolderListing listing;
  if (!IsFolderSet(folder)) {
    listing.status = kFolderNotSetStatus;
    return listing;
  }
  listing.treeFolder = folder + "\\";
  std::replace(listing.treeFolder.begin(), listing.treeFolder.end(), '/', '\\');
  for (std::string& name : ListFolder(folder)) {
    if (IsArchiveName(name)) listing.archiveNames.push_back(std::move(name));
  }
  return listing;
}

std::optional<ArchiveToLoad> ArchiveOfNode(const std::string& treeFolder, const std::string& nodeText) {
  if (!IsArchiveName(nodeText) || !IsFolderSet(treeFolder)) return std::nullopt;
  return ArchiveToLoad{treeFolder + nodeText, FolderPart(treeFolder) + "\\" + nodeText};
}

}  // namespace strohvik
