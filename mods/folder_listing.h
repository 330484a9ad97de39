#pragma once
// The folder tree TreeView3 as data: which archives a folder shows, the tree folder that
// later commands build archive paths from, and what opening one of its nodes means.

#include <optional>
#include <string>
#include <vector>

namespace strohvik {

extern const char* const kFolderNotSetStatus;

struct FolderListing {
  // The folder listed, ending in "\"; empty when the folder is not set, so that nothing
  // built from it can reach the file system root.
  std::string treeFolder;
  // The node texts, in the order the folder gives them. Nodes carry no icon.
  std::vector<std::string> archiveNames;
  // For the status line; none leaves it as it is.
  std::optional<std::string> status;
};

// Lists the names ending exactly in ".zip" (subfolders included) that stand directly in
// the folder part of the path: a folder with a trailing "\" lists itself, an archive
// path its own folder. A missing or unreadable folder lists nothing, silently; an unset
// one ("", "0", "\") lists nothing and says so.
FolderListing FillFolderTree(const std::string& path);

// What a double click (or Enter) on a node of the tree loads: the new mod path and the
// path handed to the loader, both naming the archive in the tree folder.
struct ArchiveToLoad {
  std::string modPath;
  std::string loadPath;
};
// None when the node is not an archive (then it is a backup category node), or when no
// folder is listed.
std::optional<ArchiveToLoad> ArchiveOfNode(const std::string& treeFolder,
                                           const std::string& nodeText);

}  // namespace strohvik
