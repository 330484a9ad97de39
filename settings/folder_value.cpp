#include "settings/folder_value.h"

namespace strohvik {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

bool IsFolderSet(std::string_view folder) {
  while (!folder.empty() && IsSeparator(folder.back())) folder.remove_suffix(1);
  return !folder.empty() && folder != "0";
}

std::string WithTrailingBackslash(std::string_view folder) {
  std::string stored(folder);
  if (stored.empty() || stored.back() != '\\') stored += '\\';
  return stored;
}

std::string WithoutTrailingBackslash(std::string_view folder) {
  if (!folder.empty() && folder.back() == '\\') folder.remove_suffix(1);
  return std::string(folder);
}

}  // namespace strohvik
