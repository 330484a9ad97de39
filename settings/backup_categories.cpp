#include "settings/backup_categories.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "platform/paths.h"
#include "settings/folder_value.h"
#include "xml/xml_file.h"

namespace strohvik {
namespace {

constexpr const char* kCountPath = "Kategorien/Kategorien";
constexpr const char* kCountAttribute = "Kategorien";

std::string CategoryPath(const std::string& number) { return "Kategorien/" + number; }

// A count as written in the file; a missing, negative or non-numeric one counts as 0.
int CountOf(const std::string& text) {
  int count = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), count);
  return result.ec == std::errc() && count > 0 ? count : 0;
}

// Category and subcategory names are folder names below the backup folder: none may
// climb out of it or reach into another folder.
bool IsUsableFolderName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find_first_of("\\/") == std::string::npos;
}

// The category elements the file holds, by number, with the attributes each carries, so
// that counts written in the file cannot make the tree larger than the file itself.
struct CategoryElements {
  int highestNumber = 0;
  std::map<int, int> attributeCounts;

  explicit CategoryElements(const XMLNodeList& tags) {
    for (const auto& tag : tags) {
      const int number = CountOf(tag->name);
      if (number == 0 || std::to_string(number) != tag->name) continue;
      const int attributes = static_cast<int>(std::count(tag->values.begin(), tag->values.end(), '='));
      highestNumber = std::max(highestNumber, number);
      attributeCounts[number] = std::max(attributeCounts[number], attributes);
    }
  }
  int AttributesOf(int number) const {
    const auto found = attributeCounts.find(number);
    return found == attributeCounts.end() ? 0 : found->second;
  }
};

CategoryNode ReadCategory(const XMLFile& file, int number, int attributesHeld) {
  const std::string path = CategoryPath(std::to_string(number));
  CategoryNode category{file.ReadNodeValue(path, "Name"), {}};
  const int subcategories = std::min(CountOf(file.ReadNodeValue(path, "num")), attributesHeld);
  for (int j = 1; j <= subcategories; ++j) {
    const std::string name = file.ReadNodeValue(path, std::to_string(j));
    if (IsUsableFolderName(name)) category.children.push_back(std::to_string(number) + "." + name);
  }
  return category;
}

std::string RemoveAll(std::string text, const std::string& part) {
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at)) text.erase(at, part.size());
  return text;
}

}  // namespace

std::vector<CategoryNode> ReadCategoryTree(const std::string& workingDirectory) {
  auto file = XMLFile::New();
  file->Open(JoinPath(workingDirectory, kCategoryFileName));
  const CategoryElements held(file->taglist);
  const int categories = std::min({CountOf(file->ReadNodeValue(kCountPath, kCountAttribute)),
                                   held.highestNumber, static_cast<int>(file->taglist.size())});
  std::vector<CategoryNode> tree;
  for (int i = 1; i <= categories; ++i) {
    CategoryNode category = ReadCategory(*file, i, held.AttributesOf(i));
    if (IsUsableFolderName(category.text)) tree.push_back(std::move(category));
  }
  return tree;
}

std::optional<std::string> CategoryFolderOf(const std::string& workingDirectory,
                                            const std::string& backupFolder,
                                            const std::string& nodeText) {
  if (nodeText.empty() || !IsFolderSet(backupFolder)) return std::nullopt;
  auto file = XMLFile::New();
  file->Open(JoinPath(workingDirectory, kCategoryFileName));
  const std::string number(1, nodeText.front());
  const std::string category = file->ReadNodeValue(CategoryPath(number), "Name");
  const std::string subcategory = RemoveAll(nodeText, number + ".");
  if (category == "0" || !IsUsableFolderName(category) || !IsUsableFolderName(subcategory)) {
    return std::nullopt;
  }
  return JoinPath(backupFolder, category) + "\\" + subcategory + "\\";
}

}  // namespace strohvik
