#pragma once
// The backup categories of "Kategorien.xml" in the working directory: categories with
// numbered subcategories, each subcategory a folder backup folder\category\subcategory.
// The file is only read, and opened afresh by every call.

#include <optional>
#include <string>
#include <vector>

namespace strohvik {

inline constexpr const char* kCategoryFileName = "Kategorien.xml";

// One category heading of the tree and the texts of its subcategory nodes
// ("1.Traktoren", "1.Anhänger", ...: the category number, ".", the name).
struct CategoryNode {
  std::string text;
  std::vector<std::string> children;

  bool operator==(const CategoryNode&) const = default;
};

// The two-level tree the category views show, in file order. A missing file gives an
// empty tree; names that could not be a folder ("", ".", "..", or holding "\" or "/")
// are left out.
std::vector<CategoryNode> ReadCategoryTree(const std::string& workingDirectory);

// The folder (ending in "\") that a node of the category tree stands for, or none: for a
// heading, an empty text, a first character that names no category, an unset backup
// folder, or a category or subcategory name that could not be a folder.
std::optional<std::string> CategoryFolderOf(const std::string& workingDirectory,
                                            const std::string& backupFolder,
                                            const std::string& nodeText);

}  // namespace strohvik
