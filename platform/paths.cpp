#include "platform/paths.h"

namespace strohvik {
namespace {

constexpr std::string_view kSeparators = "\\/";

// By hand: find_last_of searches its set of two once for every byte, which for the
// thousands of names of a large archive costs more than the rest of its scan.
size_t LastSeparator(std::string_view path) {
  for (size_t i = path.size(); i > 0; --i) {
    if (path[i - 1] == '\\' || path[i - 1] == '/') return i - 1;
  }
  return std::string_view::npos;
}

// Position of the extension's "." within the last element, or npos.
size_t ExtensionDot(std::string_view path) {
  const size_t dot = path.find_last_of('.');
  const size_t separator = LastSeparator(path);
  if (dot == std::string_view::npos) return dot;
  if (separator != std::string_view::npos && dot < separator) return std::string_view::npos;
  return dot;
}

}  // namespace

std::string FolderPart(std::string_view path) {
  const size_t separator = LastSeparator(path);
  return separator == std::string_view::npos ? std::string() : std::string(path.substr(0, separator));
}

std::string FilePart(std::string_view path) {
  const size_t separator = LastSeparator(path);
  return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

std::string Extension(std::string_view path) {
  const size_t dot = ExtensionDot(path);
  return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot + 1));
}

std::string WithoutExtension(std::string_view path) {
  return std::string(path.substr(0, ExtensionDot(path)));
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  // A folder of separators alone is the root, which keeps its one "\".
  const bool hasFolder = !folder.empty();
  while (!folder.empty() && kSeparators.find(folder.back()) != std::string_view::npos) folder.remove_suffix(1);
  while (!name.empty() && kSeparators.find(name.front()) != std::string_view::npos) name.remove_prefix(1);
  if (!hasFolder) return std::string(name);
  std::string joined(folder);
  joined += '\\';
  joined += name;
  return joined;
}

}  // namespace strohvik
